#include "markup/values.h"

#include <algorithm>
#include <climits>

#include "common/text.h"

int ReadNumber(std::u16string_view value) {
  std::size_t i = 0;
  while (i < value.size() && (value[i] == u' ' || value[i] == u'\t')) ++i;
  bool negative = false;
  if (i < value.size() && (value[i] == u'-' || value[i] == u'+')) negative = value[i++] == u'-';
  long long n = 0;
  for (; i < value.size() && value[i] >= u'0' && value[i] <= u'9'; ++i) {
    if (n <= INT_MAX) n = n * 10 + (value[i] - u'0');
  }
  if (negative) n = -n;
  if (n > INT_MAX) return INT_MAX;
  if (n < INT_MIN) return INT_MIN;
  return static_cast<int>(n);
}

Length ReadLength(std::u16string_view value) {
  Length length;
  if (parental::common::EqualsNoCase(value, u"AUTO")) {
    length.value = 100;
    length.automatic = true;
    return length;
  }
  length.value = std::clamp(ReadNumber(value), -kMaxLength, kMaxLength);
  length.percent = value.find(u'%') != std::u16string_view::npos;
  return length;
}

namespace {

int HexDigit(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

}  // namespace

std::optional<Colour> ReadColour(std::u16string_view value, bool allowTransparent) {
  if (allowTransparent && parental::common::EqualsNoCase(value, u"TRANSPARENT")) return kTransparent;
  if (value.empty() || value[0] != u'#') return std::nullopt;
  unsigned fields[3] = {0, 0, 0};
  std::size_t i = 1;
  for (auto& field : fields) {
    for (int digits = 0; digits < 2 && i < value.size() && HexDigit(value[i]) >= 0; ++digits) {
      field = field * 16 + unsigned(HexDigit(value[i++]));
    }
  }
  return Rgb(fields[0], fields[1], fields[2]);
}

std::vector<std::u16string_view> ReadList(std::u16string_view value) {
  std::vector<std::u16string_view> list;
  if (value.empty()) return list;
  for (std::size_t start = 0;;) {
    auto comma = value.find(u',', start);
    list.push_back(value.substr(start, comma == std::u16string_view::npos ? comma : comma - start));
    if (comma == std::u16string_view::npos) break;
    start = comma + 1;
  }
  return list;
}

std::u16string_view ListEntry(const std::vector<std::u16string_view>& list, std::size_t index) {
  return index < list.size() ? list[index] : std::u16string_view();
}

int ReadLengthNumber(std::u16string_view value) { return std::clamp(ReadNumber(value), -kMaxLength, kMaxLength); }

std::int16_t Clamp16(int value) {
  return static_cast<std::int16_t>(value < INT16_MIN ? INT16_MIN : value > INT16_MAX ? INT16_MAX : value);
}

Sides ReadSides(std::u16string_view value) {
  auto list = ReadList(value);
  Sides sides;
  sides.top = Clamp16(ReadNumber(ListEntry(list, 0)));
  sides.right = Clamp16(ReadNumber(ListEntry(list, 1)));
  sides.bottom = Clamp16(ReadNumber(ListEntry(list, 2)));
  sides.left = Clamp16(ReadNumber(ListEntry(list, 3)));
  return sides;
}

unsigned ReadFlagBits(std::u16string_view value, std::initializer_list<unsigned> bits) {
  auto list = ReadList(value);
  unsigned result = 0, i = 0;
  for (unsigned bit : bits) {
    if (ReadFlag(ListEntry(list, i++))) result |= bit;
  }
  return result;
}
