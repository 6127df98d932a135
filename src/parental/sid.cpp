#include "parental/sid.h"

#include <algorithm>
#include <cstring>

#include "common/text.h"
#include "parental/stored_text.h"

namespace parental::corvui {
namespace {

constexpr std::size_t kHeadSize = 8;
constexpr std::size_t kMaxPickedSubAuthorities = 8;
constexpr std::uint64_t kMaxAuthority = (std::uint64_t(1) << 48) - 1;

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// A component of digits only (no sign or spaces), or "0x" and hexadecimal digits.
bool ReadComponent(std::u16string_view text, std::uint64_t limit, std::uint64_t* value) {
  unsigned base = 10;
  if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return false;
  std::uint64_t v = 0;
  for (char16_t c : text) {
    unsigned digit = IsDigit(c) ? unsigned(c - u'0')
                     : (c >= u'a' && c <= u'f') ? unsigned(c - u'a' + 10)
                     : (c >= u'A' && c <= u'F') ? unsigned(c - u'A' + 10)
                                                : base;
    if (digit >= base) return false;
    v = v * base + digit;
    if (v > limit) return false;
  }
  *value = v;
  return true;
}

std::u16string Hex12(std::uint64_t value) {
  return u"0x" + common::FormatHex(std::uint32_t(value >> 32), 4) + common::FormatHex(std::uint32_t(value), 8);
}

}  // namespace

Sid MakeSid(std::uint64_t authority, const std::vector<std::uint32_t>& subAuthorities) {
  Sid sid(kHeadSize + 4 * subAuthorities.size());
  sid[0] = 1;
  sid[1] = std::uint8_t(subAuthorities.size());
  for (int i = 0; i < 6; ++i) sid[2 + i] = std::uint8_t(authority >> (8 * (5 - i)));
  for (std::size_t i = 0; i < subAuthorities.size(); ++i)
    for (int b = 0; b < 4; ++b) sid[kHeadSize + 4 * i + b] = std::uint8_t(subAuthorities[i] >> (8 * b));
  return sid;
}

bool ParseSidText(std::u16string_view text, Sid* sid) {
  if (text.size() < 2 || (text[0] != u'S' && text[0] != u's') || text[1] != u'-') return false;
  text.remove_prefix(2);
  std::vector<std::u16string_view> parts;
  for (std::size_t dash; (dash = text.find(u'-')) != std::u16string_view::npos; text.remove_prefix(dash + 1))
    parts.push_back(text.substr(0, dash));
  parts.push_back(text);
  std::uint64_t revision = 0, authority = 0, value = 0;
  if (parts.size() < 2 || parts.size() - 2 > kMaxSubAuthorities || !ReadComponent(parts[0], 255, &revision) ||
      revision != 1 || !ReadComponent(parts[1], kMaxAuthority, &authority))
    return false;
  std::vector<std::uint32_t> subs;
  for (std::size_t i = 2; i < parts.size(); ++i) {
    if (!ReadComponent(parts[i], 0xFFFFFFFFu, &value)) return false;
    subs.push_back(std::uint32_t(value));
  }
  *sid = MakeSid(authority, subs);
  return true;
}

bool IsWholeSid(const Sid& sid) {
  return sid.size() >= kHeadSize && sid.size() >= kHeadSize + 4 * std::size_t(sid[1]);
}

std::u16string FormatSidText(const Sid& sid) {
  if (!IsWholeSid(sid)) return {};
  std::uint64_t authority = 0;
  for (int i = 0; i < 6; ++i) authority = authority << 8 | sid[2 + i];
  std::u16string text = u"S-" + common::FormatDecimal(sid[0]) + u"-" +
                        (authority >> 32 ? Hex12(authority) : common::FormatDecimal(authority));
  for (std::size_t i = 0; i < sid[1]; ++i) {
    std::uint32_t sub;
    std::memcpy(&sub, &sid[kHeadSize + 4 * i], 4);
    text += u"-" + common::FormatDecimal(sub);
  }
  return text;
}

bool ReadSidBytes(const std::uint8_t* bytes, std::size_t size, std::uint64_t* authority,
                  std::vector<std::uint32_t>* subAuthorities) {
  if (!bytes || size < kHeadSize) return false;
  const std::size_t count = bytes[1];
  if (count > kMaxPickedSubAuthorities || size < kHeadSize + 4 * count) return false;
  *authority = 0;
  for (int i = 0; i < 6; ++i) *authority = *authority << 8 | bytes[2 + i];
  subAuthorities->resize(count);
  for (std::size_t i = 0; i < count; ++i) std::memcpy(&(*subAuthorities)[i], bytes + kHeadSize + 4 * i, 4);
  return true;
}

std::uint32_t RelativeId(const Sid& sid) {
  if (!IsWholeSid(sid) || sid[1] == 0) return 0;
  std::uint32_t rid;
  std::memcpy(&rid, &sid[kHeadSize + 4 * (sid[1] - 1)], 4);
  return rid;
}

int CompareSids(const Sid& a, const Sid& b) {
  if (a.size() < 2 || b.size() < 2) return int(a.size() >= 2) - int(b.size() >= 2);  // no SID first
  if (a[0] != b[0]) return a[0] < b[0] ? -1 : 1;
  if (a[1] != b[1]) return a[1] < b[1] ? -1 : 1;
  const std::size_t n = std::min({kHeadSize + 4 * std::size_t(a[1]), a.size(), b.size()});
  const int c = std::memcmp(a.data(), b.data(), n);
  return c < 0 ? -1 : c > 0 ? 1 : 0;
}

}  // namespace parental::corvui
