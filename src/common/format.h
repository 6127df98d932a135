#pragma once
// printf-style formatting of UTF-16 resource texts, which come from the language library
// and so cannot be checked at compile time: %s (text), %d (signed decimal), %x (lower-case
// hexadecimal) with an optional precision ("%.6x": at least six digits), and %%. A
// conversion without an argument of its kind writes nothing; other sequences stay as they are.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace parental::common {

struct FormatArg {
  FormatArg(std::u16string_view text) : text(text), isText(true) {}
  FormatArg(const char16_t* text) : text(text ? text : u""), isText(true) {}
  FormatArg(const std::u16string& text) : text(text), isText(true) {}
  FormatArg(std::int64_t number) : number(number) {}
  FormatArg(std::int32_t number) : number(number) {}
  FormatArg(std::uint32_t number) : number(number) {}

  std::u16string_view text;
  std::int64_t number = 0;
  bool isText = false;
};

std::u16string FormatText(std::u16string_view format, std::initializer_list<FormatArg> args);

}  // namespace parental::common
