#pragma once
// The host's windows for one run: the advanced setup, opened interactively (the run ends
// when it closes) or by a script (the run ends with the script).
#include <functional>
#include <string>

#include "frame/templates/config_template.h"
#include "settings_password.h"
#include "ui/setup_window.h"

namespace host {

class HostUi {
 public:
  struct Context {
    CConfigTemplate* config;            // the configuration object that published its pages
    const SettingsPassword* password;   // asked before the setup opens
    std::wstring script;                // a script file, or empty for an interactive run
    std::function<void(const std::string&)> log;
    std::function<void()> afterSave;
    std::function<bool(HWND owner, const std::u16string& command)> hostCommand;
    std::u16string outputFolder;        // where a script's relative screenshot names go
    std::function<void(const std::u16string& file, const std::u16string& caption)> screenshotTaken;
  };

  explicit HostUi(Context context);
  // False when the script could not be read or failed.
  bool Run();

 private:
  bool OpenSetup();
  bool RunScript();

  Context context_;
  SetupWindow window_;
};

}  // namespace host
