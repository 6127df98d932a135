#pragma once
// The host's windows for one run: the advanced setup, opened interactively (the run ends
// when it closes) or by a script (the run ends with the script).
#include <functional>
#include <string>

#include "frame/templates/config_template.h"
#include "ui/setup_window.h"

namespace host {

class HostUi {
 public:
  struct Context {
    CConfigTemplate* config;      // the configuration object that published its pages
    std::wstring settingsPassword; // empty: the settings are not protected
    std::wstring script;          // a script file, or empty for an interactive run
    std::function<void(const std::string&)> log;
    std::function<void()> afterSave;
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
