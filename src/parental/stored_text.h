#pragma once
// Reading the texts that roles keep in their profiles ("Categories", "Accounts"): pieces
// joined by "|", and numbers read as the Win32 C library's wcstoul reads them.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace parental::corvui {

// Calls piece(text) for every non-empty piece between the "|" separators.
template <typename Piece>
void ForEachPiece(std::u16string_view text, Piece piece) {
  while (!text.empty()) {
    const std::size_t bar = text.find(u'|');
    if (bar != 0) piece(text.substr(0, bar));
    if (bar == std::u16string_view::npos) break;
    text.remove_prefix(bar + 1);
  }
}

// An unsigned number in base 2 or 10 from the start of text, as a 32-bit wcstoul reads
// it: leading white space and a sign are accepted, a minus negates (modulo 2^32), a value
// beyond 32 bits gives 0xFFFFFFFF (and sets *tooLarge when given). *used receives how
// many characters were consumed, 0 when no digit was read.
template <typename Char>
std::uint32_t ReadUnsigned(std::basic_string_view<Char> text, unsigned base, std::size_t* used,
                           bool* tooLarge = nullptr) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const std::size_t first = i;
  std::uint64_t value = 0;
  bool overflow = false;
  for (; i < text.size(); ++i) {
    const Char c = text[i];
    unsigned digit = c >= '0' && c <= '9' ? unsigned(c - '0')
                     : c >= 'a' && c <= 'z' ? unsigned(c - 'a' + 10)
                     : c >= 'A' && c <= 'Z' ? unsigned(c - 'A' + 10)
                                            : base;
    if (digit >= base) break;
    value = value * base + digit;
    if (value > 0xFFFFFFFFu) overflow = true, value = 0xFFFFFFFFu;
  }
  *used = i == first ? 0 : i;
  if (tooLarge) *tooLarge = overflow;
  if (i == first) return 0;
  if (overflow) return 0xFFFFFFFFu;
  return negative ? std::uint32_t(0u - std::uint32_t(value)) : std::uint32_t(value);
}

}  // namespace parental::corvui
