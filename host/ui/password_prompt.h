#pragma once
// The host's guard of its settings: when a settings password is set, the user must give it
// before the advanced setup opens or the plug-in changes settings.
#include <windows.h>

#include "settings_password.h"

namespace host {

// True when no password is set, or the user typed it into the host's password prompt.
bool AskSettingsPassword(HWND owner, const SettingsPassword& password);

}  // namespace host
