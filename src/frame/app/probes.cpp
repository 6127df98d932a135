#include "frame/app/probes.h"

#include <windows.h>

#include <cwchar>

namespace {

// A string value of at most `bytes` bytes (terminator included), or false.
bool ReadString(HKEY root, const wchar_t* path, const wchar_t* value, REGSAM view, wchar_t* text,
                DWORD bytes) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, path, 0, KEY_QUERY_VALUE | view, &key) != ERROR_SUCCESS) return false;
  DWORD type = 0, size = bytes - sizeof(wchar_t);
  LONG status = RegQueryValueExW(key, value, nullptr, &type, reinterpret_cast<BYTE*>(text), &size);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return false;
  text[size / sizeof(wchar_t)] = 0;
  return true;
}

}  // namespace

int ParseLeadingVersion(const wchar_t* text) {
  int version = 0;
  return text && swscanf(text, L"%d", &version) == 1 ? version : 0;
}

int ParseWordVersion(const wchar_t* text) {
  static const wchar_t kPrefix[] = L"Word.Application.";
  const wchar_t* found = text ? wcsstr(text, kPrefix) : nullptr;
  return found ? ParseLeadingVersion(found + wcslen(kPrefix)) : 0;
}

int GetInternetExplorerVersion() {
  wchar_t text[102 / sizeof(wchar_t) + 1] = {};  // 102 bytes and our terminator
  if (!ReadString(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Internet Explorer\\", L"Version",
                  KEY_WOW64_64KEY, text, sizeof(text))) {
    return 0;
  }
  return ParseLeadingVersion(text);
}

int GetWordVersion() {
  wchar_t text[MAX_PATH] = {};
  if (!ReadString(HKEY_CLASSES_ROOT, L"Word.Application\\CurVer", nullptr, 0, text, sizeof(text))) {
    return 0;
  }
  return ParseWordVersion(text);
}
