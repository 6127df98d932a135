#pragma once
// UTF-16 text for the portable layers. Every string of the model and the store is
// char16_t, so fingerprints and fixed buffers counted in 16-bit units give the same
// bytes on Windows (where wchar_t is 16 bits) and natively (where it is 32).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace parental::common {

// Length of a zero-terminated text; null counts as empty.
std::size_t TextLength(const char16_t* text);

// Length of a text held in a fixed buffer, which may lack its terminator.
std::size_t BoundedLength(const char16_t* text, std::size_t capacity);

// Copies src into a buffer of `capacity` units, cut to capacity - 1 and terminated.
// Returns false when the text had to be cut (or capacity is 0).
bool CopyText(char16_t* dst, std::size_t capacity, std::u16string_view src);

// Simple case folding shared by both platforms: ASCII, Latin-1, Greek and Cyrillic letters.
char16_t FoldCaseBeyondAscii(char16_t c);
inline char16_t FoldCase(char16_t c) {
  if (c < 0x80) return (c >= u'a' && c <= u'z') ? char16_t(c - 0x20) : c;
  return FoldCaseBeyondAscii(c);
}
int CompareNoCase(std::u16string_view a, std::u16string_view b);
inline bool EqualsNoCase(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() && CompareNoCase(a, b) == 0;
}

// Conversions at the edges: UTF-8 in and out.
std::u16string FromUtf8(std::string_view utf8);  // invalid sequences become U+FFFD
std::string ToUtf8(std::u16string_view text);     // lone surrogates become U+FFFD

// Hexadecimal digits of value, at least `width` of them (zero-padded).
std::u16string FormatHex(std::uint32_t value, int width = 1, bool upper = true);
std::u16string FormatDecimal(std::uint64_t value);

}  // namespace parental::common

#ifdef _WIN32
#include <cwchar>
static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide characters are UTF-16 units");
namespace parental::common {
// The Win32 boundary: the same 16-bit units seen under the platform's type.
inline const wchar_t* AsWide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }
inline wchar_t* AsWide(char16_t* text) { return reinterpret_cast<wchar_t*>(text); }
inline const char16_t* AsText(const wchar_t* text) { return reinterpret_cast<const char16_t*>(text); }
inline char16_t* AsText(wchar_t* text) { return reinterpret_cast<char16_t*>(text); }
}  // namespace parental::common
#endif
