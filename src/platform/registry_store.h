#pragma once
// The registry as the configuration layers see it: keys with subkeys and typed named
// values, opened below three roots. Two implementations: the Win32 registry (Windows
// only) and an in-memory store with the same semantics, for tests and native builds.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace parental::platform {

// Value types, numbered as Win32 numbers them.
enum RegType : std::uint32_t {
  kRegNone = 0,
  kRegString = 1,        // REG_SZ
  kRegExpandString = 2,  // REG_EXPAND_SZ
  kRegBinary = 3,        // REG_BINARY
  kRegDword = 4,         // REG_DWORD
};

// An open key; 0 is no key. The roots are open for as long as the store lives.
using RegKey = std::uintptr_t;
enum class RegRoot { LocalMachine, CurrentUser, ClassesRoot };

class IRegistryStore {
 public:
  virtual ~IRegistryStore() = default;
  virtual RegKey Root(RegRoot root) = 0;
  // Opens an existing key below parent (path may hold several "\"-separated names).
  virtual RegKey Open(RegKey parent, std::u16string_view path, bool write) = 0;
  // Opens an existing key for reading in the registry's 64-bit view, which a 32-bit program
  // does not see otherwise. A store with one view opens the key as Open does.
  virtual RegKey OpenIn64BitView(RegKey parent, std::u16string_view path) {
    return Open(parent, path, false);
  }
  // Opens a key for reading and writing, creating it and missing parents.
  virtual RegKey Create(RegKey parent, std::u16string_view path) = 0;
  virtual void Close(RegKey key) = 0;
  // As RegQueryValueEx: *size is the capacity in bytes in, the value's size out. A null
  // data asks only for type and size; a value larger than the capacity fails with *size
  // set to what it needs. type may be null.
  virtual bool QueryValue(RegKey key, std::u16string_view name, std::uint32_t* type, void* data,
                          std::uint32_t* size) = 0;
  virtual bool SetValue(RegKey key, std::u16string_view name, std::uint32_t type, const void* data,
                        std::uint32_t size) = 0;
  // The name of subkey `index` in enumeration order into a buffer of `capacity` units
  // (terminator included); false past the last subkey or when the name does not fit.
  virtual bool EnumKey(RegKey key, std::uint32_t index, char16_t* name, std::size_t capacity) = 0;
  // Deletes a subkey that has no subkeys of its own.
  virtual bool DeleteKey(RegKey parent, std::u16string_view name) = 0;
};

// The store of this process: the Win32 registry on Windows, else one in-memory store.
IRegistryStore& DefaultRegistry();

// Closes a key when the scope ends.
class ScopedKey {
 public:
  ScopedKey(IRegistryStore& store, RegKey key) : store_(store), key_(key) {}
  ~ScopedKey() { if (key_) store_.Close(key_); }
  ScopedKey(const ScopedKey&) = delete;
  ScopedKey& operator=(const ScopedKey&) = delete;
  RegKey get() const { return key_; }
  explicit operator bool() const { return key_ != 0; }

 private:
  IRegistryStore& store_;
  RegKey key_;
};

}  // namespace parental::platform
