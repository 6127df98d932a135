#pragma once
// The host's guard of its settings: when a settings password is set, the user must give it
// before the advanced setup opens.
#include <windows.h>

#include <string>

namespace host {

// True when no password is set, or the user typed it into the host's password prompt.
bool AskSettingsPassword(HWND owner, const std::wstring& password);

}  // namespace host
