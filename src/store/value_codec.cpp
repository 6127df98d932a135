#include "store/value_codec.h"

#include "common/text.h"

namespace {

struct NamedEntity {
  const char16_t* name;
  char16_t value;
};
constexpr NamedEntity kEntities[] = {
    {u"lt", u'<'},   {u"gt", u'>'},    {u"amp", u'&'},      {u"apos", u'\''},
    {u"quot", u'"'}, {u"nbsp", u' '}, {u"copy", u'\u00A9'}, {u"reg", u'\u00AE'},
};
constexpr std::size_t kMaxEntityName = 8;

int DigitValue(std::uint8_t b, int base) {
  int d = b >= '0' && b <= '9' ? b - '0' : b >= 'a' && b <= 'f' ? b - 'a' + 10
        : b >= 'A' && b <= 'F' ? b - 'A' + 10 : 99;
  return d < base ? d : -1;
}

}  // namespace

bool ValueDecoder::NextSlow(char16_t* c) {
  if (low_) {
    *c = low_;
    low_ = 0;
    return true;
  }
  char32_t v;
  if (!NextChar(&v)) return false;
  if (v < 0x10000) {
    *c = char16_t(v);
  } else {
    v -= 0x10000;
    *c = char16_t(0xD800 + (v >> 10));
    low_ = char16_t(0xDC00 + (v & 0x3FF));
  }
  return true;
}

bool ValueDecoder::NextChar(char32_t* c) {
  while (p_ < end_) {
    std::uint8_t b = *p_++;
    if (b == '\r' || b == '\n') continue;
    if (b == '\t') {
      *c = U' ';
      return true;
    }
    if (b == '&') {
      if (!Reference(c)) return false;
    } else if (b < 0x80) {
      *c = b;
    } else if (!Sequence(b, c)) {
      return false;
    }
    if (!XmlCarries(*c)) *c = kReplacementChar;
    return true;
  }
  return false;
}

bool ValueDecoder::Reference(char32_t* c) {
  if (p_ < end_ && *p_ == '#') {
    ++p_;
    int base = 10;
    if (p_ < end_ && (*p_ == 'x' || *p_ == 'X')) { base = 16; ++p_; }
    std::uint32_t v = 0;
    std::size_t digits = 0;
    for (; p_ < end_ && *p_ != ';'; ++p_, ++digits) {
      int d = DigitValue(*p_, base);
      if (d < 0) return Fail();
      // Past U+10FFFF the value stays there: it is no character either way.
      if (v <= 0x10FFFF) v = v * std::uint32_t(base) + std::uint32_t(d);
    }
    if (p_ == end_ || digits == 0) return Fail();
    ++p_;
    *c = v;
    return true;
  }
  char16_t text[kMaxEntityName];
  std::size_t length = 0;
  for (; p_ < end_ && *p_ != ';'; ++p_) {
    if (length == kMaxEntityName) return Fail();
    text[length++] = *p_;
  }
  if (p_ == end_) return Fail();
  const std::u16string_view name(text, length);
  ++p_;
  for (const NamedEntity& e : kEntities) {
    if (parental::common::EqualsNoCase(name, e.name)) { *c = e.value; return true; }
  }
  return Fail();
}

bool ValueDecoder::Sequence(std::uint8_t lead, char32_t* c) {
  int extra = 0;
  while (extra < 6 && (lead & (0x40 >> extra))) ++extra;
  // 10xxxxxx, 0xFE and 0xFF cannot start a sequence.
  if (extra == 0 || extra > 5) { *c = U' '; return true; }
  std::uint32_t v = lead & (0x3F >> extra);
  for (int k = 0; k < extra; ++k) {
    if (p_ == end_ || (*p_ & 0xC0) != 0x80) return Fail();
    v = v << 6 | (*p_++ & 0x3F);
  }
  *c = v;  // beyond U+10FFFF (five and six bytes) or a surrogate: no character
  return true;
}
