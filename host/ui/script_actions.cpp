#include "ui/script_actions.h"

#include <windows.h>

#include <commctrl.h>

#include "common/text.h"
#include "computer/picker_script.h"
#include "ui/pointer_click.h"
#include "ui/script_keys.h"
#include "ui/window_finder.h"
#include "win/screenshot.h"

namespace host {
namespace {

using Words = std::vector<std::u16string>;

bool Fail(std::string& error, std::string reason) {
  error = std::move(reason);
  return false;
}

// The control of the window in front; only an enabled one can be acted on.
HWND Control(const std::u16string& id, bool mustBeEnabled, std::string& error) {
  HWND front = FrontWindow();
  const int number = int(std::wcstol(parental::common::AsWide(id.c_str()), nullptr, 10));
  HWND control = FindControl(front, number);
  if (!control) error = "no control " + parental::common::ToUtf8(id) + " in the window in front";
  else if (mustBeEnabled && !IsWindowEnabled(control)) error = "control " + parental::common::ToUtf8(id) + " is disabled";
  else return control;
  return nullptr;
}

bool Click(HWND button) {
  SendMessageW(button, BM_CLICK, 0, 0);  // returns when a form or message box it opened has closed
  return true;
}

bool Type(HWND edit, const std::u16string& text) {
  SetFocus(edit);
  SendMessageW(edit, EM_SETSEL, 0, -1);
  SendMessageW(edit, WM_CHAR, VK_BACK, 0);
  for (char16_t c : text) SendMessageW(edit, WM_CHAR, WPARAM(c), 1);
  return true;
}

bool Choose(HWND combo, const std::u16string& text, std::string& error) {
  const LRESULT index = SendMessageW(combo, CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(text.c_str()));
  if (index == CB_ERR) return Fail(error, "no entry \"" + parental::common::ToUtf8(text) + "\"");
  SendMessageW(combo, CB_SETCURSEL, WPARAM(index), 0);  // sends no notification: the user's choice does
  SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE), LPARAM(combo));
  return true;
}

// A list row or tree item; check: its check box to on (true) or off as a user sets it.
bool Pick(HWND control, const std::u16string& text, const std::u16string* check, std::string& error) {
  const std::u16string kind = ClassOf(control);
  if (kind == u"SysListView32") {
    const int row = FindListRow(control, text);
    if (row < 0) return Fail(error, "no row \"" + parental::common::ToUtf8(text) + "\"");
    ListView_SetItemState(control, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    if (check && (ListView_GetCheckState(control, row) != 0) != (*check == u"on"))
      ListView_SetCheckState(control, row, *check == u"on");
    return true;
  }
  if (kind == u"SysTreeView32") {
    HTREEITEM item = FindTreeItem(control, text);
    if (!item) return Fail(error, "no item \"" + parental::common::ToUtf8(text) + "\"");
    TreeView_SelectItem(control, item);
    if (check && (TreeView_GetCheckState(control, item) == 1) != (*check == u"on")) {
      SetFocus(control);  // Space on the selected item, as the keyboard toggles it
      SendMessageW(control, WM_KEYDOWN, VK_SPACE, 0x00390001);
      SendMessageW(control, WM_CHAR, L' ', 0x00390001);
      SendMessageW(control, WM_KEYUP, VK_SPACE, 0xC0390001);
    }
    return true;
  }
  if (kind == u"SysTabControl32") {  // a tab chosen as a click chooses it: the parent hears of the change
    for (int tab = 0, count = TabCtrl_GetItemCount(control); tab < count; ++tab) {
      wchar_t caption[128] = {};
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = caption;
      item.cchTextMax = 128;
      if (!TabCtrl_GetItem(control, tab, &item) || parental::common::AsText(caption) != text) continue;
      NMHDR header{control, UINT_PTR(GetDlgCtrlID(control)), UINT(TCN_SELCHANGING)};
      SendMessageW(GetParent(control), WM_NOTIFY, header.idFrom, LPARAM(&header));
      TabCtrl_SetCurSel(control, tab);
      header.code = UINT(TCN_SELCHANGE);
      SendMessageW(GetParent(control), WM_NOTIFY, header.idFrom, LPARAM(&header));
      return true;
    }
    return Fail(error, "no tab \"" + parental::common::ToUtf8(text) + "\"");
  }
  return Fail(error, "not a list, tree or tab control");
}

// The visible pop-up menu of this thread and its entry showing text ("&" left out), clicked.
bool ChooseMenuEntry(const std::u16string& text, std::string& error) {
  HWND popup = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), [](HWND window, LPARAM found) {
    if (ClassOf(window) != u"#32768" || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }, LPARAM(&popup));
  HMENU menu = popup ? reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0)) : nullptr;
  if (!menu) return Fail(error, "no pop-up menu in front");
  for (int item = 0, count = GetMenuItemCount(menu); item < count; ++item) {
    wchar_t caption[256] = {};
    GetMenuStringW(menu, UINT(item), caption, 256, MF_BYPOSITION);
    std::u16string shown;
    for (const wchar_t* c = caption; *c; ++c)
      if (*c != L'&') shown += char16_t(*c);
    RECT place;
    if (shown != text) continue;
    if (!GetMenuItemRect(nullptr, menu, UINT(item), &place)) return Fail(error, "the entry has no place");
    return ClickAt(POINT{(place.left + place.right) / 2, (place.top + place.bottom) / 2}) ||
           Fail(error, "the click could not be sent");
  }
  return Fail(error, "no menu entry \"" + parental::common::ToUtf8(text) + "\"");
}

// Commands of the main window and the host's modules; false with error set when `words`
// is not one of them or failed, true with error empty when it ran.
bool RunMainWindowCommand(const Words& words, ScriptHost& host, std::string& error, bool& known) {
  const std::u16string& name = words[0];
  known = true;
  if (name == u"open-main" || name == u"close-main") {
    if (words.size() != 1) return Fail(error, parental::common::ToUtf8(name) + " takes no argument");
    if (name == u"close-main") return host.closeMain() || Fail(error, "no main window");
    return host.openMain() || Fail(error, "the main window could not be opened");
  }
  if (name == u"link") {
    if (words.size() < 2 || words.size() > 3) return Fail(error, "link takes the link's text and an item's text");
    POINT point;
    if (!host.findLink(words[1], words.size() == 3 ? words[2] : u"", point))
      return Fail(error, "no link \"" + parental::common::ToUtf8(words[1]) + "\" in the main window");
    SetForegroundWindow(GetAncestor(WindowFromPoint(point), GA_ROOT));
    return ClickAt(point) || Fail(error, "the click could not be sent");
  }
  if (name == u"print-main") {
    const std::vector<std::string> lines = host.describeMain();
    for (const std::string& line : lines) host.log("main " + line);
    return !lines.empty() || Fail(error, "no main window");
  }
  if (name == u"menu") return words.size() == 2 ? ChooseMenuEntry(words[1], error) : Fail(error, "menu takes 1 argument");
  if (name == u"state") {
    const std::uint32_t state = words.size() == 2 ? std::uint32_t(std::wcstoul(parental::common::AsWide(words[1].c_str()), nullptr, 10)) : 0;
    if (state < 1 || state > 4) return Fail(error, "state takes a number from 1 to 4");
    return host.setState(state) || Fail(error, "the state could not be set");
  }
  if (name == u"apply") {
    if (words.size() < 2 || words.size() > 3) return Fail(error, "apply takes a file and a section");
    const std::uint32_t section = words.size() == 3 ? std::uint32_t(std::wcstoul(parental::common::AsWide(words[2].c_str()), nullptr, 16)) : 0x01000D00;
    return host.apply(parental::common::AsWide(words[1].c_str()), section) || Fail(error, "the document was not stored");
  }
  known = false;
  return false;
}

bool ToggleRow(HWND list, const std::u16string& row, std::string& error) {
  const int index = int(std::wcstol(parental::common::AsWide(row.c_str()), nullptr, 10));
  if (ClassOf(list) != u"ListBox" || index < 0 || index >= int(SendMessageW(list, LB_GETCOUNT, 0, 0)))
    return Fail(error, "no row " + parental::common::ToUtf8(row) + " in a list box");
  SetFocus(list);
  SendMessageW(list, LB_SETCURSEL, WPARAM(index), 0);
  SendMessageW(list, WM_KEYDOWN, VK_SPACE, 0x00390001);
  SendMessageW(list, WM_KEYUP, VK_SPACE, 0xC0390001);
  return true;
}

bool Arguments(const Words& words, std::size_t count, std::string& error) {
  if (words.size() == count + 1) return true;
  return Fail(error, parental::common::ToUtf8(words[0]) + " takes " + std::to_string(count) + " argument(s)");
}

// A name without a folder goes to the output folder.
bool Screenshot(const Words& words, ScriptHost& host, std::string& error) {
  if (words.size() != 2 && words.size() != 3) return Fail(error, "screenshot takes a file and a caption");
  const std::u16string& file = words[1];
  const bool bare = file.find_first_of(u"\\/:") == std::u16string::npos;
  HWND front = FrontWindow();
  if (!front || !SaveWindowScreenshot(front, bare ? host.outputFolder + file : file)) return Fail(error, "screenshot failed");
  if (host.screenshotTaken) host.screenshotTaken(file, words.size() == 3 ? words[2] : u"");
  return true;
}

bool AnswerPicker(const std::u16string& accounts) {
  std::wstring picks(GetEnvironmentVariableW(kPickerScriptVariable, nullptr, 0), L'\0');
  picks.resize(GetEnvironmentVariableW(kPickerScriptVariable, picks.data(), DWORD(picks.size())));
  const std::wstring all = picks + (picks.empty() ? L"" : L";") + parental::common::AsWide(accounts.c_str());
  return SetEnvironmentVariableW(kPickerScriptVariable, all.c_str()) != 0;
}

}  // namespace

bool RunScriptCommand(const Words& words, ScriptHost& host, std::string& error) {
  const std::u16string& name = words[0];
  bool known = false;
  const bool ran = RunMainWindowCommand(words, host, error, known);
  if (known) return ran;
  if (name == u"open-setup") {
    if (!Arguments(words, 0, error)) return false;
    host.log(host.openSetup() ? "advanced setup opened" : "advanced setup refused");
    return true;
  }
  if (name == u"page") {
    if (!Arguments(words, 1, error)) return false;
    return host.selectPage(words[1]) || Fail(error, "no page " + parental::common::ToUtf8(words[1]));
  }
  if (name == u"ok" || name == u"cancel") {
    HWND button = Arguments(words, 0, error) ? Control(name == u"ok" ? u"1" : u"2", true, error) : nullptr;
    return button && Click(button);
  }
  if (name == u"screenshot") return Screenshot(words, host, error);
  if (name == u"host-command") {
    if (!Arguments(words, 1, error)) return false;
    return host.hostCommand(FrontWindow(), words[1]) || Fail(error, "not a command of the host");
  }
  if (name == u"answer-picker") return Arguments(words, 1, error) && AnswerPicker(words[1]);
  if (name == u"press") return words.size() > 1 ? PressKeys(Words(words.begin() + 1, words.end()), error)
                                                : Fail(error, "press needs keys");
  if (name == u"write") return Arguments(words, 1, error) && WriteKeys(words[1], error);
  const bool click = name == u"click" || name == u"click-and-wait";
  const std::size_t needed = click || name == u"print" ? 1 : name == u"check" ? 3 : 2;
  if (!Arguments(words, needed, error)) return false;
  HWND control = Control(words[1], name != u"print", error);
  if (!control) return false;
  if (click) return Click(control);
  if (name == u"print") {
    host.log("control " + parental::common::ToUtf8(words[1]) + ": " + DescribeControl(control));
    return true;
  }
  if (name == u"type") return Type(control, words[2]);
  if (name == u"choose") return Choose(control, words[2], error);
  if (name == u"select") return Pick(control, words[2], nullptr, error);
  if (name == u"toggle") return ToggleRow(control, words[2], error);
  if (name == u"check") {
    if (words[3] != u"on" && words[3] != u"off") return Fail(error, "check needs on or off");
    return Pick(control, words[2], &words[3], error);
  }
  return Fail(error, "unknown command " + parental::common::ToUtf8(name));
}

}  // namespace host
