#pragma once
// The host's guard of its settings: when a settings password is set, the user must give it
// before the advanced setup opens or the plug-in changes settings.
#include <windows.h>

#include <string>

#include "settings_password.h"

namespace host {

// True when no password is set, or the user typed it into the host's password prompt.
bool AskSettingsPassword(HWND owner, const SettingsPassword& password);

// The whole text of a dialog's control, however long.
std::wstring DialogItemText(HWND dialog, int id);

}  // namespace host
