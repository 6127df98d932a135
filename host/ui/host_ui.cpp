#include "ui/host_ui.h"

#include <commctrl.h>

#include <fstream>
#include <iterator>

#include "common/text.h"
#include "ui/password_prompt.h"
#include "ui/script.h"

namespace host {

HostUi::HostUi(Context context)
    : context_(std::move(context)), window_(context_.config, context_.log, context_.afterSave) {
  // While the setup is open the main window waits, as behind a modal window.
  window_.OnClose([this] {
    if (MainWindow* main = Main()) {
      EnableWindow(main->Handle(), TRUE);
      SetActiveWindow(main->Handle());  // the main window is in front again, as after a modal window
    }
  });
}

bool HostUi::OpenSetup() {
  if (window_.IsOpen()) return true;
  if (!context_.config) {
    context_.log("no configuration object offered setup pages");
    return false;
  }
  MainWindow* main = Main();
  if (!AskSettingsPassword(main ? main->Handle() : nullptr, *context_.password) || !window_.Open()) return false;
  if (main) EnableWindow(main->Handle(), FALSE);
  return true;
}

bool HostUi::OpenMain() {
  if (Main()) return true;
  MainWindow::Context context{context_.page, context_.bitmaps,
                              [this](HWND owner, const std::u16string& command) { return RunHostCommand(owner, command); },
                              [this] {
                                if (!OpenSetup()) context_.log("advanced setup refused");
                              },
                              context_.afterSave, context_.log};
  main_ = std::make_unique<MainWindow>(std::move(context));
  return main_->Open();
}

bool HostUi::RunHostCommand(HWND owner, const std::u16string& command) {
  const bool known = context_.hostCommand(owner, command);
  if (!known) context_.log("host command not known: " + parental::common::ToUtf8(command));
  return known;
}

void HostUi::RunMessages(const std::function<bool()>& running) {
  MSG message;
  while (running() && GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (window_.IsOpen() && IsDialogMessageW(window_.Handle(), &message)) continue;
    if (MainWindow* main = Main(); main && IsDialogMessageW(main->Handle(), &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

bool HostUi::Run() {
  INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&classes);
  if (!context_.script.empty()) return RunScript();
  if (context_.main) {
    if (!OpenMain()) return false;
    RunMessages([this] { return Main() != nullptr; });
    return true;
  }
  if (!OpenSetup()) {
    context_.log("advanced setup refused");
    return true;
  }
  RunMessages([this] { return window_.IsOpen(); });
  return true;
}

bool HostUi::RunScript() {
  std::ifstream file(context_.script.c_str(), std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  std::vector<ScriptCommand> commands;
  std::string error = "cannot read the file";
  if (!file.is_open() || !ParseScript(text, commands, error)) {
    context_.log("script not run: " + error);
    return false;
  }
  if (!context_.scriptWords.empty()) {
    std::ifstream table(context_.scriptWords.c_str(), std::ios::binary);
    const std::string words((std::istreambuf_iterator<char>(table)), std::istreambuf_iterator<char>());
    error = "cannot read the word table";
    if (!table.is_open() || !TranslateScript(words, commands, error)) {
      context_.log("script not run: " + error);
      return false;
    }
  }
  bool ok = false, running = true;
  ScriptHost host{[this] { return OpenSetup(); },
                  [this](const std::u16string& title) { return window_.SelectPage(title); },
                  [this] { return OpenMain(); },
                  [this] {
                    MainWindow* main = Main();
                    if (main) PostMessageW(main->Handle(), WM_CLOSE, 0, 0);
                    return main != nullptr;
                  },
                  [this](const std::u16string& text, const std::u16string& within, POINT& screen) {
                    MainWindow* main = Main();
                    return main && main->FindLink(text, within, screen);
                  },
                  [this] {
                    MainWindow* main = Main();
                    return main ? main->Describe() : std::vector<std::string>();
                  },
                  context_.setState, context_.apply, context_.log,
                  [this](HWND owner, const std::u16string& command) { return RunHostCommand(owner, command); },
                  context_.outputFolder, context_.screenshotTaken};
  StartScript(std::move(commands), std::move(host), [&](bool succeeded) {
    ok = succeeded;
    running = false;
    PostQuitMessage(0);  // also ends a modal loop the script left open
  });
  RunMessages([&running] { return running; });
  return ok;
}

}  // namespace host
