#pragma once
// Writes 32-bit BGRA pixels (top-down rows) as a PNG file through WIC.
#include <cstdint>
#include <string>

bool WritePng(const std::u16string& path, const std::uint8_t* pixels, int width, int height);
