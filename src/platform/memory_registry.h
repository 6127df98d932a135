#pragma once
// An in-memory registry. Key and value names compare case-insensitively; subkeys
// enumerate in ascending order of their names folded to lower case, which is the order
// Wine's registry gives (Windows folds to upper case, which sorts the characters
// "[\]^_`" after the letters instead of before them).
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/registry_store.h"

namespace parental::platform {

class MemoryRegistry : public IRegistryStore {
 public:
  MemoryRegistry();
  ~MemoryRegistry() override;
  RegKey Root(RegRoot root) override;
  RegKey Open(RegKey parent, std::u16string_view path, bool write) override;
  RegKey Create(RegKey parent, std::u16string_view path) override;
  void Close(RegKey key) override;
  bool QueryValue(RegKey key, std::u16string_view name, std::uint32_t* type, void* data,
                  std::uint32_t* size) override;
  bool SetValue(RegKey key, std::u16string_view name, std::uint32_t type, const void* data,
                std::uint32_t size) override;
  bool EnumKey(RegKey key, std::uint32_t index, char16_t* name, std::size_t capacity) override;
  bool DeleteKey(RegKey parent, std::u16string_view name) override;

  std::size_t OpenHandleCount() const { return openHandles_; }

  struct Key;

 private:
  struct Handle;
  Handle* HandleOf(RegKey key);
  Key* KeyOf(RegKey key, bool write);
  RegKey NewHandle(std::shared_ptr<Key> key, bool write);

  std::shared_ptr<Key> roots_[3];
  std::vector<Handle> handles_;
  std::vector<std::uint32_t> freeHandles_;
  std::size_t openHandles_ = 0;
};

}  // namespace parental::platform
