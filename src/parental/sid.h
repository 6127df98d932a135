#pragma once
// Security identifiers as bytes, laid out as Windows lays them out: revision, count n of
// sub-authorities, the 48-bit identifier authority (most significant byte first), then n
// sub-authorities of 4 bytes each, little-endian. The text form is "S-1-5-21-...".
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace parental::corvui {

using Sid = std::vector<std::uint8_t>;

constexpr std::size_t kMaxSubAuthorities = 15;

// A well-formed SID text (revision 1, authority in decimal or "0x" hexadecimal, at most
// 15 sub-authorities) as bytes; false for anything else.
bool ParseSidText(std::u16string_view text, Sid* sid);
// The text form; the authority in hexadecimal ("0x" and 12 digits) from 2^32 up.
std::u16string FormatSidText(const Sid& sid);

// The picker's byte form: revision, count (at most 8), authority and the sub-authorities.
// False when the bytes are too few for the count or the count is above 8.
bool ReadSidBytes(const std::uint8_t* bytes, std::size_t size, std::uint64_t* authority,
                  std::vector<std::uint32_t>* subAuthorities);
Sid MakeSid(std::uint64_t authority, const std::vector<std::uint32_t>& subAuthorities);

// Whether the bytes hold the whole SID their count announces.
bool IsWholeSid(const Sid& sid);
// The last sub-authority (the relative identifier), 0 when there is none.
std::uint32_t RelativeId(const Sid& sid);
// Order of account sets: revision, then count, then the bytes of the SID.
int CompareSids(const Sid& a, const Sid& b);

}  // namespace parental::corvui
