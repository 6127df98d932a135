#pragma once
// The host's own commands, which links of the status page carry (TYPE="COMMAND"):
//   gui.logpage.show(TARGET=file)  the engine writes its log into `file` of the log folder,
//                                  and the log window shows that file
//   gui.passworddlg.show           the settings-password dialog
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/visit_log.h"
#include "settings_password.h"

namespace host {

struct HostCommandContext {
  SettingsPassword* password;
  std::wstring logFolder;  // ends with a backslash
  std::function<std::vector<LogEntry>()> engineLog;  // the engine's log as of now
  std::function<void()> settingsChanged;             // after the password changed
};

// The command's name and its "KEY=VALUE" arguments, separated by ","; false when the
// text is not of that form.
bool ParseHostCommand(const std::u16string& command, std::u16string& name,
                      std::vector<std::pair<std::u16string, std::u16string>>& arguments);

// Carries out the command with windows owned by `owner`; false for an unknown or
// malformed command (a log target that is not a plain file name is malformed).
bool RunHostCommand(HWND owner, const std::u16string& command, HostCommandContext& context);

}  // namespace host
