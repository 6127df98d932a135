#pragma once
#include "platform/guid_source.h"

// Hands out the GUIDs 00000001-abcd-ef01-2345-6789abcdef01, 00000002-... in turn while it
// is the process's GUID source.
class CountingGuids : public parental::platform::IGuidSource {
 public:
  CountingGuids() { parental::platform::SetDefaultGuidSource(this); }
  ~CountingGuids() override { parental::platform::SetDefaultGuidSource(nullptr); }
  bool NewGuid(parental::platform::Guid* g) override {
    *g = {++next, 0xABCD, 0xEF01, {0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF, 0x01}};
    return !fail;
  }
  std::uint32_t next = 0;
  bool fail = false;
};
