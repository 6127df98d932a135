#pragma once
// Where new GUIDs come from: CoCreateGuid on Windows, a random source elsewhere.
#include <cstdint>

namespace parental::platform {

struct Guid {
  std::uint32_t data1;
  std::uint16_t data2;
  std::uint16_t data3;
  std::uint8_t data4[8];
};

class IGuidSource {
 public:
  virtual ~IGuidSource() = default;
  virtual bool NewGuid(Guid* guid) = 0;
};

// The source of this process; tests may put another one in its place.
IGuidSource& DefaultGuidSource();
void SetDefaultGuidSource(IGuidSource* source);  // null restores the platform's own

}  // namespace parental::platform
