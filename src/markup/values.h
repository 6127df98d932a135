#pragma once
// Readers of the attribute value syntaxes: numbers, lengths, colours, lists, sides, flags.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "markup/geometry.h"

// A decimal integer from the start of the value (blanks and a sign allowed);
// anything unreadable is 0, and values beyond the 32-bit range are clamped.
int ReadNumber(std::u16string_view value);

struct Length {
  int value = 0;
  bool percent = false;
  bool automatic = false;  // AUTO: the value is 100 and the size follows the content
};
Length ReadLength(std::u16string_view value);

// "#rrggbb" (each field read as up to two hexadecimal digits) as a COLORREF;
// with allowTransparent, the word TRANSPARENT gives kTransparent. Anything else: none.
std::optional<Colour> ReadColour(std::u16string_view value, bool allowTransparent = false);

// Comma-separated entries; an empty value gives no entries.
std::vector<std::u16string_view> ReadList(std::u16string_view value);
std::u16string_view ListEntry(const std::vector<std::u16string_view>& list, std::size_t index);

// Four numbers top, right, bottom, left, stored left, top, right, bottom.
Sides ReadSides(std::u16string_view value);

// Bits for a list of flags: entry i sets bits[i] when its number is not 0.
unsigned ReadFlagBits(std::u16string_view value, std::initializer_list<unsigned> bits);

inline bool ReadFlag(std::u16string_view value) { return ReadNumber(value) != 0; }
std::int16_t Clamp16(int value);
// A number held to +-kMaxLength.
int ReadLengthNumber(std::u16string_view value);
