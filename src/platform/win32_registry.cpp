#include "platform/win32_registry.h"

#include <windows.h>

#include <string>

#include "common/text.h"

namespace parental::platform {
namespace {

HKEY Hkey(RegKey key) { return reinterpret_cast<HKEY>(key); }
RegKey KeyOf(HKEY key) { return reinterpret_cast<RegKey>(key); }

// Win32 wants zero-terminated names.
struct Terminated {
  explicit Terminated(std::u16string_view s) : text(s) {}
  operator const wchar_t*() const { return common::AsWide(text.c_str()); }
  std::u16string text;
};

bool IsRoot(HKEY key) {
  return key == HKEY_LOCAL_MACHINE || key == HKEY_CURRENT_USER || key == HKEY_CLASSES_ROOT;
}

}  // namespace

RegKey Win32Registry::Root(RegRoot root) {
  switch (root) {
    case RegRoot::LocalMachine: return KeyOf(HKEY_LOCAL_MACHINE);
    case RegRoot::CurrentUser: return KeyOf(HKEY_CURRENT_USER);
    case RegRoot::ClassesRoot: return KeyOf(HKEY_CLASSES_ROOT);
  }
  return 0;
}

RegKey Win32Registry::Open(RegKey parent, std::u16string_view path, bool write) {
  HKEY key = nullptr;
  REGSAM access = write ? KEY_READ | KEY_WRITE : KEY_READ;
  return RegOpenKeyExW(Hkey(parent), Terminated(path), 0, access, &key) == ERROR_SUCCESS ? KeyOf(key) : 0;
}

RegKey Win32Registry::OpenIn64BitView(RegKey parent, std::u16string_view path) {
  HKEY key = nullptr;
  const REGSAM access = KEY_QUERY_VALUE | KEY_WOW64_64KEY;
  return RegOpenKeyExW(Hkey(parent), Terminated(path), 0, access, &key) == ERROR_SUCCESS ? KeyOf(key) : 0;
}

RegKey Win32Registry::Create(RegKey parent, std::u16string_view path) {
  HKEY key = nullptr;
  LONG rc = RegCreateKeyExW(Hkey(parent), Terminated(path), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                            &key, nullptr);
  return rc == ERROR_SUCCESS ? KeyOf(key) : 0;
}

void Win32Registry::Close(RegKey key) {
  if (key && !IsRoot(Hkey(key))) RegCloseKey(Hkey(key));
}

bool Win32Registry::QueryValue(RegKey key, std::u16string_view name, std::uint32_t* type, void* data,
                               std::uint32_t* size) {
  if (data && !size) return false;
  DWORD t = 0, n = size ? *size : 0;
  LONG rc = RegQueryValueExW(Hkey(key), Terminated(name), nullptr, &t, static_cast<BYTE*>(data),
                             size ? &n : nullptr);
  if (size) *size = n;
  if (type) *type = t;
  return rc == ERROR_SUCCESS;
}

bool Win32Registry::SetValue(RegKey key, std::u16string_view name, std::uint32_t type, const void* data,
                             std::uint32_t size) {
  return RegSetValueExW(Hkey(key), Terminated(name), 0, type, static_cast<const BYTE*>(data), size) ==
         ERROR_SUCCESS;
}

bool Win32Registry::EnumKey(RegKey key, std::uint32_t index, char16_t* name, std::size_t capacity) {
  DWORD n = static_cast<DWORD>(capacity);
  return RegEnumKeyExW(Hkey(key), index, common::AsWide(name), &n, nullptr, nullptr, nullptr, nullptr) ==
         ERROR_SUCCESS;
}

bool Win32Registry::DeleteKey(RegKey parent, std::u16string_view name) {
  return RegDeleteKeyW(Hkey(parent), Terminated(name)) == ERROR_SUCCESS;
}

}  // namespace parental::platform
