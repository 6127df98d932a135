#pragma once
// The host's settings-password dialog ("gui.passworddlg.show"): a new password typed twice
// sets the host's password; both fields empty remove it. When a password is set already,
// it is asked for first.
#include <windows.h>

#include "settings_password.h"

namespace host {

// True when the password was changed (set or removed).
bool RunPasswordDialog(HWND owner, SettingsPassword& password);

}  // namespace host
