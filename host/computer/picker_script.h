#pragma once
// The choices of a scripted run for the picker stand-in, given by whoever starts the
// process (the host sets it from its command line) in an environment variable: the
// picks in order, separated by ";", each "cancel" or the accounts to select, by name or
// relative identifier, separated by ",". Each pick takes the first entry off the variable.
// Set but used up, every pick is cancelled; not set, the dialog waits for the user.
#include <string>
#include <vector>

namespace host {

inline constexpr wchar_t kPickerScriptVariable[] = L"PARENTAL_PICKER_SCRIPT";

struct ScriptedPick {
  bool scripted = false;
  std::vector<std::wstring> accounts;  // empty: cancel
};

ScriptedPick TakeScriptedPick();

}  // namespace host
