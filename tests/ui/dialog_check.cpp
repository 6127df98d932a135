#include "ui/dialog_check.h"

#include <commctrl.h>

#include <map>
#include <set>

#include "common/text.h"
#include "win/screenshot.h"

namespace dialog_check {
namespace {

INT_PTR CALLBACK NoHandling(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

std::wstring Text(HWND window) {
  wchar_t text[1024] = {};
  GetWindowTextW(window, text, 1024);
  return text;
}

std::string Utf8(const std::wstring& text) { return parental::common::ToUtf8(parental::common::AsText(text.c_str())); }

LONG Style(HWND window) { return GetWindowLongW(window, GWL_STYLE); }

bool IsTextStatic(HWND control) {
  const LONG type = Style(control) & SS_TYPEMASK;
  return Kind(control) == "Static" &&
         (type <= SS_RIGHT || type == SS_SIMPLE || type == SS_LEFTNOWORDWRAP);
}

int ButtonType(HWND control) { return Kind(control) == "Button" ? int(Style(control) & BS_TYPEMASK) : -1; }
bool IsGroupBox(HWND control) { return ButtonType(control) == BS_GROUPBOX; }
bool IsPressable(HWND control) {  // a push button, check box or radio button
  const int type = ButtonType(control);
  return type >= 0 && type != BS_GROUPBOX && type != BS_OWNERDRAW;
}

bool TakesInput(HWND control) {
  static const std::set<std::string> kinds{"Edit", "ComboBox", "ListBox", "SysListView32", "SysTreeView32",
                                           "SysTabControl32", "msctls_trackbar32", "SysDateTimePick32"};
  return IsPressable(control) || kinds.count(Kind(control));
}

SIZE ClientSize(HWND control) {
  RECT rect;
  GetClientRect(control, &rect);
  return {rect.right, rect.bottom};
}

// What the text needs, measured by the system in the control's font.
bool Needed(HWND control, SIZE& needed) {
  const std::wstring text = Text(control);
  if (text.empty()) return false;
  if (IsTextStatic(control)) {
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    const LONG style = Style(control), type = style & SS_TYPEMASK;
    RECT rect{0, 0, ClientSize(control).cx, 0};
    UINT flags = DT_CALCRECT | DT_EXPANDTABS | (style & SS_NOPREFIX ? DT_NOPREFIX : 0);
    flags |= type == SS_SIMPLE || type == SS_LEFTNOWORDWRAP ? DT_SINGLELINE : DT_WORDBREAK;
    DrawTextW(dc, text.c_str(), -1, &rect, flags);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    needed = {rect.right, rect.bottom};
    return true;
  }
  if (ButtonType(control) < 0 || (Style(control) & (BS_ICON | BS_BITMAP))) return false;
  // The button's own answer: its text, its box or frame and the margins it draws them with.
  needed = {0, 0};
  if (!SendMessageW(control, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&needed))) needed.cx = -1;
  return true;
}

}  // namespace

CommonControls6::CommonControls6(const wchar_t* library) {
  ACTCTXW context{};
  context.cbSize = sizeof(context);
  context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
  context.lpSource = library;
  context.lpResourceName = MAKEINTRESOURCEW(2);
  context_ = CreateActCtxW(&context);
  if (context_ == INVALID_HANDLE_VALUE || !ActivateActCtx(context_, &cookie_)) return;
  INITCOMMONCONTROLSEX init{sizeof(init), ICC_WIN95_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&init);
}

CommonControls6::~CommonControls6() {
  if (cookie_) DeactivateActCtx(0, cookie_);
  if (context_ != INVALID_HANDLE_VALUE) ReleaseActCtx(context_);
}

OpenDialog::OpenDialog(HMODULE module, int id, LANGID language) {
  HRSRC found = FindResourceExW(module, MAKEINTRESOURCEW(5), MAKEINTRESOURCEW(id), language);
  if (!found) return;
  auto* dialog = static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(module, found)));
  // Off the screen, never active: the check needs visible controls, not the focus.
  host_ = CreateWindowExW(WS_EX_CONTROLPARENT | WS_EX_NOACTIVATE, L"Static", L"", WS_POPUP, -8000, -8000, 4000, 3000,
                          nullptr, nullptr, nullptr, nullptr);
  ShowWindow(host_, SW_SHOWNOACTIVATE);
  dialog_ = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), dialog, host_, &NoHandling, 0);
  if (!dialog_) return;
  if (!(Style(dialog_) & WS_CHILD)) SetWindowPos(dialog_, nullptr, -8000, -8000, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(dialog_, SW_SHOWNOACTIVATE);
}

OpenDialog::~OpenDialog() {
  if (dialog_) DestroyWindow(dialog_);
  if (host_) DestroyWindow(host_);
}

bool OpenDialog::Screenshot(const std::u16string& path) {
  const bool child = Style(dialog_) & WS_CHILD;
  RECT rect;
  GetWindowRect(dialog_, &rect);
  HWND top = child ? host_ : dialog_;
  const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  SetWindowPos(top, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top, child ? flags : flags | SWP_NOSIZE);
  RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  const bool saved = SaveWindowScreenshot(top, path);
  SetWindowPos(top, nullptr, -8000, -8000, 0, 0, flags | SWP_NOSIZE);
  return saved;
}

std::vector<HWND> OpenDialog::Controls() const {
  std::vector<HWND> controls;
  for (HWND child = GetWindow(dialog_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) controls.push_back(child);
  return controls;
}

std::string Kind(HWND control) {
  wchar_t kind[64] = {};
  GetClassNameW(control, kind, 64);
  return Utf8(kind);
}

std::string Describe(HWND control) {
  const std::wstring text = Text(control);
  const std::string id = "control " + std::to_string(GetDlgCtrlID(control));
  return text.empty() || !(IsTextStatic(control) || ButtonType(control) >= 0) ? id + " (" + Kind(control) + ")"
                                                                             : id + " \"" + Utf8(text) + "\"";
}

wchar_t AccessKey(HWND control) {
  if (!IsTextStatic(control) && ButtonType(control) < 0) return 0;
  if (IsTextStatic(control) && (Style(control) & SS_NOPREFIX)) return 0;
  const std::wstring text = Text(control);
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != L'&') continue;
    if (text[i + 1] != L'&') {
      wchar_t key[2] = {text[i + 1], 0};
      CharUpperW(key);
      return key[0];
    }
    ++i;  // "&&" is a plain "&"
  }
  return 0;
}

void CheckTexts(const OpenDialog& dialog, const std::string& where, std::vector<std::string>& problems) {
  for (HWND control : dialog.Controls()) {
    SIZE needed;
    if (!Needed(control, needed)) continue;
    const SIZE has = ClientSize(control);
    if (needed.cx < 0) {
      problems.push_back(where + ", " + Describe(control) + ": the button cannot measure its text");
      continue;
    }
    // A push button's ideal height carries margins a 14-unit button does not need; its
    // one line of text always fits, so only its width counts.
    const bool heightCounts = IsTextStatic(control) || ButtonType(control) > BS_DEFPUSHBUTTON;
    if (needed.cx > has.cx || (heightCounts && needed.cy > has.cy)) {
      problems.push_back(where + ", " + Describe(control) + ": the text needs " + std::to_string(needed.cx) + " x " +
                         std::to_string(needed.cy) + " px, the control has " + std::to_string(has.cx) + " x " +
                         std::to_string(has.cy));
    }
  }
}

void CheckInputs(const OpenDialog& dialog, const std::string& where, std::vector<std::string>& problems) {
  std::set<HWND> reached;
  HWND first = GetNextDlgTabItem(dialog.window(), nullptr, FALSE);
  for (HWND at = first; at && reached.insert(at).second;) at = GetNextDlgTabItem(dialog.window(), at, FALSE);
  for (HWND control : dialog.Controls()) {
    if (!(Style(control) & WS_VISIBLE)) continue;  // never shown: nothing to reach
    const bool label = (IsTextStatic(control) || IsGroupBox(control)) && AccessKey(control);
    if (label) {
      HWND next = GetWindow(control, GW_HWNDNEXT);
      if (!next || !TakesInput(next)) problems.push_back(where + ", " + Describe(control) + " labels no input control");
    }
    if (!TakesInput(control)) continue;
    const bool enabled = !(Style(control) & WS_DISABLED);
    if (enabled ? !reached.count(control) : !(Style(control) & WS_TABSTOP))
      problems.push_back(where + ", " + Describe(control) + " is not reached by Tab");
    if (IsPressable(control) || Kind(control) == "SysTabControl32") {
      if (Text(control).empty() && Kind(control) != "SysTabControl32")
        problems.push_back(where + ", " + Describe(control) + " has no text to name it");
      continue;  // named by its own text (a tab control by its tabs)
    }
    HWND before = GetWindow(control, GW_HWNDPREV);
    if (!before || !(IsTextStatic(before) || IsGroupBox(before)) || !AccessKey(before))
      problems.push_back(where + ", " + Describe(control) + " has no label with an access key just before it");
  }
}

void CheckAccessKeys(const std::vector<const OpenDialog*>& dialogs, const std::string& where,
                     std::vector<std::string>& problems) {
  std::map<wchar_t, HWND> keys;
  for (const OpenDialog* dialog : dialogs) {
    for (HWND control : dialog->Controls()) {
      const wchar_t key = AccessKey(control);
      if (!key) continue;
      auto [at, added] = keys.emplace(key, control);
      if (!added) {
        problems.push_back(where + ": access key " + Utf8(std::wstring(1, key)) + " in " + Describe(at->second) +
                           " and " + Describe(control));
      }
    }
  }
}

void CheckLayout(const OpenDialog& dialog, const std::string& where, std::vector<std::string>& problems) {
  RECT client;
  GetClientRect(dialog.window(), &client);
  std::vector<std::pair<RECT, HWND>> placed;
  for (HWND control : dialog.Controls()) {
    if (!(Style(control) & WS_VISIBLE)) continue;
    RECT rect, common;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog.window(), reinterpret_cast<POINT*>(&rect), 2);
    if (!IntersectRect(&common, &rect, &client) || !EqualRect(&common, &rect))
      problems.push_back(where + ", " + Describe(control) + " lies outside the dialog");
    if (Kind(control) == "msctls_updown32") continue;  // sits on its buddy's edge
    for (const auto& [other, window] : placed) {
      if (!IntersectRect(&common, &rect, &other)) continue;
      const bool inGroup = (IsGroupBox(window) && EqualRect(&common, &rect)) || (IsGroupBox(control) && EqualRect(&common, &other));
      if (!inGroup) problems.push_back(where + ", " + Describe(control) + " overlaps " + Describe(window));
    }
    placed.push_back({rect, control});
  }
}

void CheckScreenFit(const OpenDialog& dialog, const std::string& where, std::vector<std::string>& problems) {
  RECT rect;
  GetWindowRect(dialog.window(), &rect);
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  const long width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width * 96 > 1024 * dpi || height * 96 > 768 * dpi) {
    problems.push_back(where + ": " + std::to_string(width) + " x " + std::to_string(height) + " px at " +
                       std::to_string(dpi) + " dots per inch is larger than 1024 x 768");
  }
}

}  // namespace dialog_check
