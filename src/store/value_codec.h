#pragma once
// How attribute values are held and written: characters are escaped into bytes
// (entities for markup characters and line breaks, UTF-8 or "&#xHHHH;" for the rest),
// and read back one character at a time by the decoder.
#include <cstddef>
#include <cstdint>

// Whether a character (or a stored byte) stands for itself in every form: printable ASCII
// that is neither markup nor the start of a reference.
struct PlainTable {
  bool plain[128];
  constexpr PlainTable() : plain() {
    for (int c = 0x20; c < 0x7F; ++c) plain[c] = c != '&' && c != '<' && c != '>' && c != '\'' && c != '"';
  }
};
inline constexpr PlainTable kPlainTable;
inline bool IsPlain(char16_t c) { return c < 128 && kPlainTable.plain[c]; }

// Calls put(byte) for the bytes that stand for c. In ASCII mode every c below 32 or from
// 127 upward becomes "&#xHHHH;"; otherwise the UTF-8 form of the 16-bit unit is used.
template <typename Put>
inline void EscapeChar(char16_t c, bool ascii, Put&& put) {
  auto text = [&](const char* s) { while (*s) put(std::uint8_t(*s++)); };
  switch (c) {
    case u'<': return text("&lt;");
    case u'>': return text("&gt;");
    case u'&': return text("&amp;");
    case u'\'': return text("&apos;");
    case u'"': return text("&quot;");
    case u'\r': return text("&#x000D;");
    case u'\n': return text("&#x000A;");
    default: break;
  }
  if (c >= 32 && c < 127) return put(std::uint8_t(c));
  if (ascii) {
    static const char kHex[] = "0123456789ABCDEF";
    text("&#x");
    for (int shift = 12; shift >= 0; shift -= 4) put(std::uint8_t(kHex[(c >> shift) & 0xF]));
    return put(std::uint8_t(';'));
  }
  if (c < 0x80) return put(std::uint8_t(c));
  if (c < 0x800) {
    put(std::uint8_t(0xC0 | (c >> 6)));
  } else {
    put(std::uint8_t(0xE0 | (c >> 12)));
    put(std::uint8_t(0x80 | ((c >> 6) & 0x3F)));
  }
  put(std::uint8_t(0x80 | (c & 0x3F)));
}

// Reads an encoded value range back. Raw line breaks are skipped, a tab reads as a
// space, references and UTF-8 sequences are decoded; anything malformed is a failure.
class ValueDecoder {
 public:
  ValueDecoder(const std::uint8_t* begin, const std::uint8_t* end) : p_(begin), end_(end) {}
  // The next character; false at the end of the range or on failure (see Failed).
  bool Next(char16_t* c) {
    if (p_ < end_ && *p_ >= 0x20 && *p_ < 0x80 && *p_ != '&') {  // the common case: itself
      *c = *p_++;
      return true;
    }
    return NextSlow(c);
  }
  bool Failed() const { return failed_; }
  const std::uint8_t* Position() const { return p_; }

 private:
  bool NextSlow(char16_t* c);
  bool Reference(char16_t* c);
  bool Sequence(std::uint8_t lead, char16_t* c);
  bool Fail() { failed_ = true; return false; }

  const std::uint8_t* p_;
  const std::uint8_t* end_;
  bool failed_ = false;
};
