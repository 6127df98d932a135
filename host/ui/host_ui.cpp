#include "ui/host_ui.h"

#include <commctrl.h>

#include <fstream>
#include <iterator>

#include "ui/password_prompt.h"
#include "ui/script.h"

namespace host {

HostUi::HostUi(Context context)
    : context_(std::move(context)), window_(context_.config, context_.log, context_.afterSave) {}

bool HostUi::OpenSetup() {
  if (window_.IsOpen()) return true;
  return AskSettingsPassword(nullptr, *context_.password) && window_.Open();
}

bool HostUi::Run() {
  INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&classes);
  if (!context_.script.empty()) return RunScript();
  if (!OpenSetup()) {
    context_.log("advanced setup refused");
    return true;
  }
  MSG message;
  while (window_.IsOpen() && GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(window_.Handle(), &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
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
  bool ok = false;
  ScriptHost host{[this] { return OpenSetup(); }, [this](const std::u16string& title) { return window_.SelectPage(title); },
                  context_.log, context_.hostCommand, context_.outputFolder, context_.screenshotTaken};
  StartScript(std::move(commands), std::move(host), [&ok](bool succeeded) {
    ok = succeeded;
    PostQuitMessage(0);
  });
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (window_.IsOpen() && IsDialogMessageW(window_.Handle(), &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return ok;
}

}  // namespace host
