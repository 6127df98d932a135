#include "platform/win32_registry.h"

#include <windows.h>

#include <string>

#include "common/text.h"

namespace parental::platform {
namespace {

HKEY H(RegKey key) { return reinterpret_cast<HKEY>(key); }
RegKey K(HKEY key) { return reinterpret_cast<RegKey>(key); }

// Win32 wants zero-terminated names.
struct Z {
  explicit Z(std::u16string_view s) : text(s) {}
  operator const wchar_t*() const { return common::AsWide(text.c_str()); }
  std::u16string text;
};

bool IsRoot(HKEY key) {
  return key == HKEY_LOCAL_MACHINE || key == HKEY_CURRENT_USER || key == HKEY_CLASSES_ROOT;
}

}  // namespace

RegKey Win32Registry::Root(RegRoot root) {
  switch (root) {
    case RegRoot::LocalMachine: return K(HKEY_LOCAL_MACHINE);
    case RegRoot::CurrentUser: return K(HKEY_CURRENT_USER);
    case RegRoot::ClassesRoot: return K(HKEY_CLASSES_ROOT);
  }
  return 0;
}

RegKey Win32Registry::Open(RegKey parent, std::u16string_view path, bool write) {
  HKEY key = nullptr;
  REGSAM access = write ? KEY_READ | KEY_WRITE : KEY_READ;
  return RegOpenKeyExW(H(parent), Z(path), 0, access, &key) == ERROR_SUCCESS ? K(key) : 0;
}

RegKey Win32Registry::Create(RegKey parent, std::u16string_view path) {
  HKEY key = nullptr;
  LONG rc = RegCreateKeyExW(H(parent), Z(path), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key, nullptr);
  return rc == ERROR_SUCCESS ? K(key) : 0;
}

void Win32Registry::Close(RegKey key) {
  if (key && !IsRoot(H(key))) RegCloseKey(H(key));
}

bool Win32Registry::QueryValue(RegKey key, std::u16string_view name, std::uint32_t* type, void* data,
                               std::uint32_t* size) {
  if (data && !size) return false;
  DWORD t = 0, n = size ? *size : 0;
  LONG rc = RegQueryValueExW(H(key), Z(name), nullptr, &t, static_cast<BYTE*>(data), size ? &n : nullptr);
  if (size) *size = n;
  if (type) *type = t;
  return rc == ERROR_SUCCESS;
}

bool Win32Registry::SetValue(RegKey key, std::u16string_view name, std::uint32_t type, const void* data,
                             std::uint32_t size) {
  return RegSetValueExW(H(key), Z(name), 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
}

bool Win32Registry::EnumKey(RegKey key, std::uint32_t index, char16_t* name, std::size_t capacity) {
  DWORD n = static_cast<DWORD>(capacity);
  return RegEnumKeyExW(H(key), index, common::AsWide(name), &n, nullptr, nullptr, nullptr, nullptr) ==
         ERROR_SUCCESS;
}

bool Win32Registry::DeleteKey(RegKey parent, std::u16string_view name) {
  return RegDeleteKeyW(H(parent), Z(name)) == ERROR_SUCCESS;
}

}  // namespace parental::platform
