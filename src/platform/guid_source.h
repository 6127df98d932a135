#pragma once
// Where new GUIDs come from: CoCreateGuid on Windows, a random source elsewhere.
#include <cstdint>
#include <string>

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

// The text form of exported item ids: "%08x-%04x-%04x-%02x%02x-%02x%02x%02x%02x%02x%02x",
// lower case, 36 characters, no braces.
std::u16string FormatGuid(const Guid& guid);

// The source of this process; tests may put another one in its place.
IGuidSource& DefaultGuidSource();
void SetDefaultGuidSource(IGuidSource* source);  // null restores the platform's own

}  // namespace parental::platform
