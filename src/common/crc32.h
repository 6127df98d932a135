#pragma once
#include <cstddef>
#include <cstdint>

namespace parental::common {

// CRC-32 of IEEE 802.3 (reflected polynomial 0xEDB88320, initial value and final
// complement 0xFFFFFFFF). Crc32Update continues a running value so that several
// ranges can be fingerprinted as one: start from 0, feed ranges in order.
std::uint32_t Crc32Update(std::uint32_t crc, const void* data, std::size_t size);

inline std::uint32_t Crc32(const void* data, std::size_t size) {
  return Crc32Update(0, data, size);
}

}  // namespace parental::common
