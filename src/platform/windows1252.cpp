#include "platform/ansi_code_page.h"

#include <cstdint>

namespace parental::platform {
namespace {

// The characters of bytes 0x80 to 0x9F; the five bytes that Windows-1252 leaves undefined
// map to the control characters of the same value, as Windows maps them.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char ToByte(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return char(c);
  for (int i = 0; i < 32; ++i)
    if (kHighControls[i] == c) return char(0x80 + i);
  return '?';
}

}  // namespace

std::string Windows1252CodePage::ToAnsi(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char16_t c : text) out.push_back(ToByte(c));
  return out;
}

std::u16string Windows1252CodePage::FromAnsi(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (char b : text) {
    const auto byte = std::uint8_t(b);
    out.push_back(byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : char16_t(byte));
  }
  return out;
}

}  // namespace parental::platform
