#pragma once
// Base64 with the standard alphabet and "=" padding, without line breaks.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

std::u16string Base64Encode(const void* data, std::size_t size);

// Decodes text into buffer. *size: capacity in bytes in, bytes decoded out. Fails on a
// character outside the alphabet, misplaced padding, a length that is not a multiple of
// four, or a result larger than the capacity (then *size tells the bytes needed).
bool Base64Decode(std::u16string_view text, void* buffer, std::size_t* size);
