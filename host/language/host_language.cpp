#include "language/host_language.h"

namespace host {
namespace {

constexpr LANGID kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
constexpr LANGID kGerman = MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN);

// The resource in the host's language, else the English one. FindResourceExW is asked for
// one language at a time: under Wine, SetThreadUILanguage changes nothing, and a resource
// looked up without a language follows the thread's locale there but the user interface
// language on Windows.
const void* Resource(HMODULE module, LPCWSTR type, LPCWSTR name, DWORD* size) {
  for (LANGID language : {HostLanguage(), kEnglish}) {
    HRSRC found = FindResourceExW(module, type, name, language);
    if (!found) continue;
    if (size) *size = SizeofResource(module, found);
    return LockResource(LoadResource(module, found));
  }
  return nullptr;
}

}  // namespace

LANGID UseHostLanguage(const std::wstring& code) {
  const LANGID language = code == L"de" ? kGerman : kEnglish;
  SetThreadLocale(MAKELCID(language, SORT_DEFAULT));
  SetThreadUILanguage(language);  // for what Windows itself shows (message box buttons)
  return language;
}

LANGID HostLanguage() {
  return PRIMARYLANGID(LANGIDFROMLCID(GetThreadLocale())) == LANG_GERMAN ? kGerman : kEnglish;
}

std::wstring HostString(HMODULE module, UINT id) {
  // A string table block holds 16 strings, each its length and its characters.
  DWORD size = 0;
  const auto* block = static_cast<const WCHAR*>(Resource(module, RT_STRING, MAKEINTRESOURCEW(id / 16 + 1), &size));
  if (!block) return {};
  const WCHAR* end = block + size / sizeof(WCHAR);
  for (UINT i = 0; i < id % 16 && block < end; ++i) block += 1 + *block;
  if (block >= end || block + 1 + *block > end) return {};
  return std::wstring(block + 1, *block);
}

std::wstring HostString(HMODULE module, UINT id, std::initializer_list<std::wstring> values) {
  const std::wstring pattern = HostString(module, id);
  std::wstring text;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const std::size_t index = i + 1 < pattern.size() ? std::size_t(pattern[i + 1] - L'1') : values.size();
    if (pattern[i] == L'%' && index < values.size()) {
      text += values.begin()[index];
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

const DLGTEMPLATE* HostDialogTemplate(HMODULE module, int id) {
  return static_cast<const DLGTEMPLATE*>(Resource(module, RT_DIALOG, MAKEINTRESOURCEW(id), nullptr));
}

INT_PTR HostDialogBox(HMODULE module, int id, HWND owner, DLGPROC procedure, LPARAM parameter) {
  const DLGTEMPLATE* found = HostDialogTemplate(module, id);
  return found ? DialogBoxIndirectParamW(module, found, owner, procedure, parameter) : -1;
}

HWND HostCreateDialog(HMODULE module, int id, HWND owner, DLGPROC procedure, LPARAM parameter) {
  const DLGTEMPLATE* found = HostDialogTemplate(module, id);
  return found ? CreateDialogIndirectParamW(module, found, owner, procedure, parameter) : nullptr;
}

}  // namespace host
