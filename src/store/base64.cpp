#include "store/base64.h"

#include <cstring>
#include <vector>

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int SextetOf(char16_t c) {
  if (c >= u'A' && c <= u'Z') return c - u'A';
  if (c >= u'a' && c <= u'z') return c - u'a' + 26;
  if (c >= u'0' && c <= u'9') return c - u'0' + 52;
  if (c == u'+') return 62;
  if (c == u'/') return 63;
  return -1;
}

}  // namespace

std::u16string Base64Encode(const void* data, std::size_t size) {
  const auto* p = static_cast<const std::uint8_t*>(data);
  std::u16string out;
  out.reserve((size + 2) / 3 * 4);
  for (std::size_t i = 0; i < size; i += 3) {
    std::uint32_t v = std::uint32_t(p[i]) << 16;
    if (i + 1 < size) v |= std::uint32_t(p[i + 1]) << 8;
    if (i + 2 < size) v |= p[i + 2];
    out.push_back(char16_t(kAlphabet[v >> 18]));
    out.push_back(char16_t(kAlphabet[(v >> 12) & 63]));
    out.push_back(i + 1 < size ? char16_t(kAlphabet[(v >> 6) & 63]) : u'=');
    out.push_back(i + 2 < size ? char16_t(kAlphabet[v & 63]) : u'=');
  }
  return out;
}

bool Base64Decode(std::u16string_view text, void* buffer, std::size_t* size) {
  if (!size || text.size() % 4 != 0) return false;
  std::size_t padding = 0;
  if (!text.empty() && text.back() == u'=') padding = text[text.size() - 2] == u'=' ? 2 : 1;
  const std::size_t needed = text.size() / 4 * 3 - padding;
  if (needed > *size || (needed && !buffer)) {
    *size = needed;
    return false;
  }
  // Decode completely before touching the caller's buffer: a bad text leaves it as it was.
  std::vector<std::uint8_t> out;
  out.reserve(needed + 2);
  for (std::size_t i = 0; i < text.size(); i += 4) {
    const bool last = i + 4 == text.size();
    std::uint32_t v = 0;
    for (std::size_t k = 0; k < 4; ++k) {
      int s = SextetOf(text[i + k]);
      if (s < 0) {
        if (!(last && k >= 4 - padding)) return false;  // "=" only as final padding
        s = 0;
      }
      v = v << 6 | std::uint32_t(s);
    }
    out.push_back(std::uint8_t(v >> 16));
    out.push_back(std::uint8_t(v >> 8));
    out.push_back(std::uint8_t(v));
  }
  if (needed) std::memcpy(buffer, out.data(), needed);
  *size = needed;
  return true;
}
