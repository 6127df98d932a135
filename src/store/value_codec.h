#pragma once
// How attribute values are held and written: characters are escaped into bytes
// (entities for markup characters, references for tab and line breaks, UTF-8 or
// "&#xHHHH;" for the rest), and read back one character at a time by the decoder.
//
// Only characters that XML carries are ever stored or written: tab, line feed, carriage
// return, U+0020..U+D7FF, U+E000..U+FFFD and U+10000..U+10FFFF (a surrogate pair is one
// character). Any other unit (a lone surrogate, U+FFFE, U+FFFF, another control character)
// is stored, read back and written as U+FFFD, and lookups compare texts in that form.
#include <cstddef>
#include <cstdint>
#include <string_view>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

constexpr char32_t kReplacementChar = 0xFFFD;

inline bool XmlCarries(char32_t c) {
  if (c < 0x20) return c == '\t' || c == '\n' || c == '\r';
  return c < 0xD800 || (c >= 0xE000 && c < 0xFFFE) || (c >= 0x10000 && c <= 0x10FFFF);
}

// Unit i of text as a document holds it: half of a surrogate pair and units XML carries
// stay, anything else becomes U+FFFD.
inline char16_t CarriedUnit(std::u16string_view text, std::size_t i) {
  const char16_t c = text[i];
  if (c >= 0x20 && c < 0xD800) return c;
  if (c >= 0xD800 && c < 0xDC00) {
    if (i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) return c;
  } else if (c >= 0xDC00 && c < 0xE000) {
    if (i > 0 && text[i - 1] >= 0xD800 && text[i - 1] < 0xDC00) return c;
  } else if (XmlCarries(c)) {
    return c;
  }
  return char16_t(kReplacementChar);
}

// The character that starts at text[*i] (a pair combined), advancing *i past it; a unit
// XML cannot carry gives U+FFFD.
inline char32_t NextCarried(std::u16string_view text, std::size_t* i) {
  const char16_t c = text[(*i)++];
  if (c >= 0xD800 && c < 0xDC00 && *i < text.size() && text[*i] >= 0xDC00 && text[*i] < 0xE000)
    return 0x10000 + ((char32_t(c) - 0xD800) << 10) + (text[(*i)++] - 0xDC00);
  return XmlCarries(c) ? c : kReplacementChar;
}

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

// Copies the plain units at the start of text[0, n) as bytes to `to`; returns how many.
// Eight at a time where the processor has the vector instructions for it.
inline std::size_t CopyPlainRun(const char16_t* text, std::size_t n, std::uint8_t* to) {
  std::size_t i = 0;
#if defined(__SSE2__)
  const __m128i below = _mm_set1_epi16(0x20), above = _mm_set1_epi16(0x7E);
  for (; i + 8 <= n; i += 8) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i));
    // Units from 0x8000 compare as negative, so below 0x20 takes them too.
    __m128i bad = _mm_or_si128(_mm_cmplt_epi16(v, below), _mm_cmpgt_epi16(v, above));
    for (char16_t markup : {u'&', u'<', u'>', u'\'', u'"'})
      bad = _mm_or_si128(bad, _mm_cmpeq_epi16(v, _mm_set1_epi16(short(markup))));
    if (_mm_movemask_epi8(bad)) break;
    _mm_storel_epi64(reinterpret_cast<__m128i*>(to + i), _mm_packus_epi16(v, v));
  }
#endif
  for (; i < n && IsPlain(text[i]); ++i) to[i] = std::uint8_t(text[i]);
  return i;
}

// Calls put(byte) for the bytes that stand for c, a character XML carries. Tab, line feed
// and carriage return are references, so that a reader's attribute-value normalisation
// keeps them. In ASCII mode every other c below 32 or from 127 upward becomes "&#x" and
// its hexadecimal digits (four, or more beyond U+FFFF); otherwise its UTF-8 form is used.
template <typename Put>
inline void EscapeChar(char32_t c, bool ascii, Put&& put) {
  auto text = [&](const char* s) { while (*s) put(std::uint8_t(*s++)); };
  switch (c) {
    case U'<': return text("&lt;");
    case U'>': return text("&gt;");
    case U'&': return text("&amp;");
    case U'\'': return text("&apos;");
    case U'"': return text("&quot;");
    case U'\t': return text("&#x0009;");
    case U'\r': return text("&#x000D;");
    case U'\n': return text("&#x000A;");
    default: break;
  }
  if (c >= 32 && c < 127) return put(std::uint8_t(c));
  if (ascii) {
    static const char kHex[] = "0123456789ABCDEF";
    text("&#x");
    int shift = c > 0xFFFFF ? 20 : c > 0xFFFF ? 16 : 12;
    for (; shift >= 0; shift -= 4) put(std::uint8_t(kHex[(c >> shift) & 0xF]));
    return put(std::uint8_t(';'));
  }
  if (c < 0x80) return put(std::uint8_t(c));
  if (c < 0x800) {
    put(std::uint8_t(0xC0 | (c >> 6)));
  } else if (c < 0x10000) {
    put(std::uint8_t(0xE0 | (c >> 12)));
    put(std::uint8_t(0x80 | ((c >> 6) & 0x3F)));
  } else {
    put(std::uint8_t(0xF0 | (c >> 18)));
    put(std::uint8_t(0x80 | ((c >> 12) & 0x3F)));
    put(std::uint8_t(0x80 | ((c >> 6) & 0x3F)));
  }
  put(std::uint8_t(0x80 | (c & 0x3F)));
}

// Reads an encoded value range back. Raw line breaks are skipped, a raw tab reads as a
// space, references and UTF-8 sequences are decoded (a character XML cannot carry reads
// as U+FFFD); anything malformed is a failure.
class ValueDecoder {
 public:
  ValueDecoder(const std::uint8_t* begin, const std::uint8_t* end) : p_(begin), end_(end) {}
  // The next UTF-16 unit (a character beyond U+FFFF gives its two surrogates in turn);
  // false at the end of the range or on failure (see Failed).
  bool Next(char16_t* c) {
    if (!low_ && p_ < end_ && *p_ >= 0x20 && *p_ < 0x80 && *p_ != '&') {  // the common case: itself
      *c = *p_++;
      return true;
    }
    return NextSlow(c);
  }
  // The next character; false at the end of the range or on failure.
  bool NextChar(char32_t* c);
  bool Failed() const { return failed_; }
  const std::uint8_t* Position() const { return p_; }

 private:
  bool NextSlow(char16_t* c);
  bool Reference(char32_t* c);
  bool Sequence(std::uint8_t lead, char32_t* c);
  bool Fail() { failed_ = true; return false; }

  const std::uint8_t* p_;
  const std::uint8_t* end_;
  char16_t low_ = 0;  // the second half of a pair still to give
  bool failed_ = false;
};
