#include "common/text.h"

namespace parental::common {

std::size_t TextLength(const char16_t* text) {
  if (!text) return 0;
  std::size_t n = 0;
  while (text[n]) ++n;
  return n;
}

std::size_t BoundedLength(const char16_t* text, std::size_t capacity) {
  if (!text) return 0;
  std::size_t n = 0;
  while (n < capacity && text[n]) ++n;
  return n;
}

bool CopyText(char16_t* dst, std::size_t capacity, std::u16string_view src) {
  if (!dst || capacity == 0) return false;
  std::size_t n = src.size() < capacity ? src.size() : capacity - 1;
  src.copy(dst, n);
  dst[n] = 0;
  return n == src.size();
}

char16_t FoldCaseBeyondAscii(char16_t c) {
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return char16_t(c - 0x20);  // Latin-1
  if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) return char16_t(c - 0x20);  // Greek
  if (c >= 0x430 && c <= 0x44F) return char16_t(c - 0x20);                // Cyrillic
  if (c >= 0x450 && c <= 0x45F) return char16_t(c - 0x50);
  return c;
}

int CompareNoCase(std::u16string_view a, std::u16string_view b) {
  std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    char16_t x = FoldCase(a[i]), y = FoldCase(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

std::u16string FromUtf8(std::string_view s) {
  std::u16string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    unsigned char b = static_cast<unsigned char>(s[i]);
    int extra = b < 0x80 ? 0 : (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2 : (b & 0xF8) == 0xF0 ? 3 : -1;
    char32_t cp = extra == 0 ? b : extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
    bool ok = extra >= 0;
    for (int k = 1; ok && k <= extra; ++k) {
      if (i + k >= s.size()) { ok = false; break; }
      unsigned char c = static_cast<unsigned char>(s[i + k]);
      if ((c & 0xC0) != 0x80) { ok = false; break; }
      cp = (cp << 6) | (c & 0x3F);
    }
    // Overlong forms are rejected too, so every code point has one encoding.
    static const char32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
    if (!ok || cp < kMinimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      out.push_back(0xFFFD);
      ++i;
      continue;
    }
    i += std::size_t(extra) + 1;
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(char16_t(0xD800 + (cp >> 10)));
      out.push_back(char16_t(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(char16_t(cp));
    }
  }
  return out;
}

std::string ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t cp = text[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (text[++i] - 0xDC00);
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = 0xFFFD;
    }
    if (cp < 0x80) {
      out.push_back(char(cp));
    } else if (cp < 0x800) {
      out.push_back(char(0xC0 | (cp >> 6)));
      out.push_back(char(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(char(0xE0 | (cp >> 12)));
      out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(char(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(char(0xF0 | (cp >> 18)));
      out.push_back(char(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(char(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

std::u16string FormatHex(std::uint32_t value, int width, bool upper) {
  const char* digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
  char16_t buf[8];
  int n = 0;
  do {
    buf[n++] = char16_t(digits[value & 0xF]);
    value >>= 4;
  } while (value);
  std::u16string out;
  for (int i = n; i < width; ++i) out.push_back(u'0');
  while (n) out.push_back(buf[--n]);
  return out;
}

std::u16string FormatDecimal(std::uint64_t value) {
  char16_t buf[20];
  int n = 0;
  do {
    buf[n++] = char16_t(u'0' + value % 10);
    value /= 10;
  } while (value);
  std::u16string out;
  while (n) out.push_back(buf[--n]);
  return out;
}

}  // namespace parental::common
