#include "ui/host_commands.h"

#include <fstream>
#include <iterator>

#include "common/text.h"
#include "ui/log_window.h"
#include "ui/password_dialog.h"

namespace host {
namespace {

// A device name (CON, NUL, COM1, ...), with or without an extension.
bool IsDeviceName(const std::u16string& name) {
  const std::u16string_view stem = std::u16string_view(name).substr(0, name.find(u'.'));
  for (std::u16string_view device : {u"CON", u"PRN", u"AUX", u"NUL"})
    if (parental::common::EqualsNoCase(stem, device)) return true;
  return stem.size() == 4 && (parental::common::EqualsNoCase(stem.substr(0, 3), u"COM") ||
                              parental::common::EqualsNoCase(stem.substr(0, 3), u"LPT")) && stem[3] >= u'1' && stem[3] <= u'9';
}

// A file name without a folder: the log stays in the log folder.
bool IsPlainFileName(const std::u16string& name) {
  return !name.empty() && name.back() != u'.' && name.back() != u' ' && !IsDeviceName(name) &&
         name.find_first_of(u"\\/:*?\"<>|") == std::u16string::npos;
}

bool ShowLog(HWND owner, const std::u16string& target, HostCommandContext& context) {
  if (!IsPlainFileName(target)) return false;
  const std::wstring path = context.logFolder + parental::common::AsWide(target.c_str());
  const std::vector<LogEntry> entries = context.engineLog();
  std::ofstream out(path.c_str(), std::ios::binary | std::ios::trunc);
  out << FormatLog(entries);
  out.close();
  // The window shows the engine's file, as its reader would; when the folder takes no file,
  // the engine's visits as they are.
  if (!out) {
    ShowLogWindow(owner, entries);
    return true;
  }
  std::ifstream file(path.c_str(), std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  ShowLogWindow(owner, ParseLog(text));
  return true;
}

}  // namespace

bool ParseHostCommand(const std::u16string& command, std::u16string& name,
                      std::vector<std::pair<std::u16string, std::u16string>>& arguments) {
  arguments.clear();
  const std::size_t open = command.find(u'(');
  name = command.substr(0, open);
  if (name.empty()) return false;
  if (open == std::u16string::npos) return true;
  if (command.back() != u')') return false;
  const std::u16string list = command.substr(open + 1, command.size() - open - 2);
  for (std::size_t start = 0; start < list.size();) {
    std::size_t end = list.find(u',', start);
    if (end == std::u16string::npos) end = list.size();
    const std::u16string argument = list.substr(start, end - start);
    const std::size_t equals = argument.find(u'=');
    if (equals == std::u16string::npos || equals == 0) return false;
    arguments.emplace_back(argument.substr(0, equals), argument.substr(equals + 1));
    start = end + 1;
  }
  return true;
}

bool RunHostCommand(HWND owner, const std::u16string& command, HostCommandContext& context) {
  std::u16string name;
  std::vector<std::pair<std::u16string, std::u16string>> arguments;
  if (!ParseHostCommand(command, name, arguments)) return false;
  if (name == u"gui.logpage.show" && arguments.size() == 1 && arguments[0].first == u"TARGET")
    return ShowLog(owner, arguments[0].second, context);
  if (name == u"gui.passworddlg.show" && arguments.empty()) {
    if (RunPasswordDialog(owner, *context.password) && context.settingsChanged) context.settingsChanged();
    return true;
  }
  return false;
}

}  // namespace host
