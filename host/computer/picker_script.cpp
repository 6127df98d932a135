#include "computer/picker_script.h"

#include <windows.h>

#include <algorithm>

namespace host {

ScriptedPick TakeScriptedPick() {
  ScriptedPick pick;
  const DWORD size = GetEnvironmentVariableW(kPickerScriptVariable, nullptr, 0);
  if (size == 0) return pick;  // not set
  pick.scripted = true;
  std::wstring script(size, L'\0');
  script.resize(GetEnvironmentVariableW(kPickerScriptVariable, &script[0], size));
  const std::size_t end = script.find(L';');
  const std::wstring first = script.substr(0, end);
  SetEnvironmentVariableW(kPickerScriptVariable, end == std::wstring::npos ? L"" : script.c_str() + end + 1);
  if (first == L"cancel") return pick;
  for (std::size_t start = 0; start < first.size();) {
    const std::size_t comma = std::min(first.find(L',', start), first.size());
    if (comma > start) pick.accounts.push_back(first.substr(start, comma - start));
    start = comma + 1;
  }
  return pick;
}

}  // namespace host
