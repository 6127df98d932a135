#pragma once
// The Win32 registry behind the registry-store interface.
#include "platform/registry_store.h"

namespace parental::platform {

class Win32Registry : public IRegistryStore {
 public:
  RegKey Root(RegRoot root) override;
  RegKey Open(RegKey parent, std::u16string_view path, bool write) override;
  RegKey OpenIn64BitView(RegKey parent, std::u16string_view path) override;
  RegKey Create(RegKey parent, std::u16string_view path) override;
  void Close(RegKey key) override;
  bool QueryValue(RegKey key, std::u16string_view name, std::uint32_t* type, void* data,
                  std::uint32_t* size) override;
  bool SetValue(RegKey key, std::u16string_view name, std::uint32_t type, const void* data,
                std::uint32_t size) override;
  bool EnumKey(RegKey key, std::uint32_t index, char16_t* name, std::size_t capacity) override;
  bool DeleteKey(RegKey parent, std::u16string_view name) override;
};

}  // namespace parental::platform
