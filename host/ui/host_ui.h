#pragma once
// The host's windows for one run: the main window with the status page and the advanced
// setup, opened interactively (the run ends when the window that was opened closes) or
// driven by a script (the run ends with the script).
#include <functional>
#include <memory>
#include <string>

#include "bitmaps.h"
#include "frame/templates/config_template.h"
#include "settings_password.h"
#include "frame/templates/page_template.h"
#include "mainwin/main_window.h"
#include "ui/setup_window.h"

namespace host {

class HostUi {
 public:
  struct Context {
    CConfigTemplate* config;            // the configuration object that published its pages
    CPageTemplate* page;                // the status page, or null
    BitmapStore* bitmaps;
    const SettingsPassword* password;   // asked before the setup opens
    std::wstring script;                // a script file, or empty for an interactive run
    std::wstring scriptWords;           // the word table of the plug-in's language, or empty
    bool main;                          // an interactive run opens the main window (else the setup)
    std::function<void(const std::string&)> log;
    std::function<void()> afterSave;    // the host delivers the notices of what was stored
    std::function<bool(std::uint32_t state)> setState;
    std::function<bool(const std::wstring& file, std::uint32_t section)> apply;
    std::function<bool(HWND owner, const std::u16string& command)> hostCommand;  // the host's own commands
    std::u16string outputFolder;        // where a script's relative screenshot names go
    std::function<void(const std::u16string& file, const std::u16string& caption)> screenshotTaken;
  };

  explicit HostUi(Context context);
  // False when the script could not be read or failed.
  bool Run();
  // The main window while it is open, else null.
  MainWindow* Main() { return main_ && main_->IsOpen() ? main_.get() : nullptr; }

 private:
  bool OpenSetup();
  bool OpenMain();
  bool RunScript();
  // A command that a link of the status page carries (TYPE="COMMAND").
  bool RunHostCommand(HWND owner, const std::u16string& command);
  // Runs the thread's messages until `running` answers false.
  void RunMessages(const std::function<bool()>& running);

  Context context_;
  SetupWindow window_;
  std::unique_ptr<MainWindow> main_;
};

}  // namespace host
