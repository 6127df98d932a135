#include "mainwin/main_window.h"

#include <commctrl.h>

#include <algorithm>

#include "common/text.h"
#include "frame/protocol/status_records.h"
#include "language/host_language.h"
#include "module_state.h"
#include "status_icons.h"
#include "ui/host_texts.h"

namespace host {
namespace {

using parental::common::AsWide;

constexpr wchar_t kClass[] = L"ParentalHostMain";
constexpr UINT kRefreshAll = WM_APP + 1;  // lParam: the panel, or 0 for every panel
constexpr COLORREF kNavigationColour = RGB(0x23, 0x3A, 0x57), kEntryColour = RGB(0x34, 0x5A, 0x86),
                   kPageColour = RGB(0xE6, 0xEA, 0xF0);
constexpr UINT kMenuOn = kStateOn, kMenuOff = kStateOff;

std::wstring Text(UINT id) { return HostString(GetModuleHandleW(nullptr), id); }

// The width `text` needs on a push button in `font`: the text and a margin on each side.
int ButtonWidth(HWND button, HFONT font, const std::wstring& text, int margin) {
  HDC dc = GetDC(button);
  HGDIOBJ old = SelectObject(dc, font);
  RECT box{};
  DrawTextW(dc, text.c_str(), -1, &box, DT_SINGLELINE | DT_CALCRECT);
  SelectObject(dc, old);
  ReleaseDC(button, dc);
  return box.right + 2 * margin;
}

std::u16string TextAt(std::uint64_t address) {
  const auto* text = FromAddress<const char16_t>(address);
  return text ? std::u16string(text) : std::u16string();
}

HFONT MakeFont(int height, int weight) {
  return CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH, L"Tahoma");
}

}  // namespace

MainWindow::MainWindow(Context context) : context_(std::move(context)), images_(*context_.bitmaps) {}

MainWindow::~MainWindow() {
  panels_.clear();
  if (window_) DestroyWindow(window_);
  if (placeholder_) DeleteObject(placeholder_);
  if (font_) DeleteObject(font_);
  if (bold_) DeleteObject(bold_);
}

bool MainWindow::Open() {
  if (window_) return true;
  if (!context_.page) {
    context_.log("no status page: no main window");
    return false;
  }
  static const bool registered = [] {
    WNDCLASSEXW type{};
    type.cbSize = sizeof(type);
    type.lpfnWndProc = &Procedure;
    type.hInstance = GetModuleHandleW(nullptr);
    type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    type.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    type.lpszClassName = kClass;
    return RegisterClassExW(&type) != 0;
  }();
  StatusPageInfoRecord info{};
  StatusPageEntryRecord entry{};
  if (!registered || !context_.page->GetStatusPageInfo(&info) || !context_.page->GetStatusPageEntry(&entry)) {
    context_.log("the status page gave no page info: no main window");
    return false;
  }
  entryTitle_ = TextAt(entry.title);
  entryToolTip_ = TextAt(entry.toolTip);
  const std::u16string caption = parental::common::AsText(
      HostString(GetModuleHandleW(nullptr), IDS_MAIN_CAPTION, {AsWide(TextAt(info.title).c_str())}).c_str());
  dpi_ = DpiOf(nullptr);
  window_ = CreateWindowExW(WS_EX_CONTROLPARENT, kClass, AsWide(caption.c_str()),
                            WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN | WS_VSCROLL, 40, 30,
                            Px(kNavigation + kPanelWidth + 2 * kMargin + 8), Px(400), nullptr, nullptr, GetModuleHandleW(nullptr), this);
  if (!window_) {
    context_.log("the main window could not be created (error " + std::to_string(GetLastError()) + ")");
    return false;
  }
  font_ = MakeFont(Px(-11), FW_NORMAL);
  bold_ = MakeFont(Px(-12), FW_BOLD);
  placeholder_ = MakeAccountPlaceholder(Px(kPictureSize));
  const std::wstring setupText = Text(IDS_ADVANCED_SETUP);
  setupButton_ = CreateWindowExW(0, L"BUTTON", setupText.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0,
                                 0, Px(kButtonWidth), Px(kButtonHeight), window_, HMENU(INT_PTR(kSetupButton)),
                                 GetModuleHandleW(nullptr), nullptr);
  SendMessageW(setupButton_, WM_SETFONT, WPARAM(font_), FALSE);
  buttonWidth_ = std::max(Px(kButtonWidth), ButtonWidth(setupButton_, font_, setupText, Px(kMargin)));
  SetWindowPos(setupButton_, nullptr, 0, 0, buttonWidth_, Px(kButtonHeight), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // The page's entry in the navigation strip tells its tool tip.
  toolTip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, window_,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_SUBCLASS;
  tool.hwnd = window_;
  tool.rect = RECT{0, Px(kMargin), Px(kNavigation), Px(kMargin + kEntryHeight)};
  tool.lpszText = const_cast<wchar_t*>(AsWide(entryToolTip_.c_str()));
  SendMessageW(toolTip_, TTM_ADDTOOLW, 0, LPARAM(&tool));
  PanelView::Context panelContext{&images_, placeholder_, context_.runCommand,
                                  [this](bool starts) { Clicking(starts); }, context_.log, dpi_};
  for (std::uint32_t index = 0; CPanelTemplate* panel = context_.page->GetPanel(index); ++index)
    panels_.push_back(std::make_unique<PanelView>(*panel, index, window_, panelContext));
  open_ = this;
  focusHook_ = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, &OnFocusEvent, GetCurrentProcessId(),
                               GetCurrentThreadId(), WINEVENT_OUTOFCONTEXT);
  context_.log("main window opened: " + parental::common::ToUtf8(caption) + ", " + std::to_string(panels_.size()) +
               " panels");
  Refresh(nullptr);
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
  SetFocus(setupButton_);
  return true;
}

void MainWindow::RequestRefresh(const void* panel) {
  if (window_) PostMessageW(window_, kRefreshAll, 0, LPARAM(panel));
}

HWND MainWindow::PanelWindow(const void* panel) const {
  for (const auto& view : panels_)
    if (&view->Panel() == panel) return view->Window();
  return nullptr;
}

bool MainWindow::FindLink(const std::u16string& text, const std::u16string& within, POINT& screen) const {
  for (const auto& view : panels_)
    if (view->Height() && view->FindLink(text, within, screen)) return true;
  return false;
}

std::vector<std::string> MainWindow::Describe() const {
  std::vector<std::string> lines;
  for (const auto& view : panels_)
    for (std::string& line : view->Describe()) lines.push_back(std::move(line));
  return lines;
}

std::uint32_t MainWindow::ChooseState(POINT screen, std::uint32_t current) {
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING | (current == kStateOn ? MF_CHECKED : 0), kMenuOn, Text(IDS_MENU_ENABLE).c_str());
  AppendMenuW(menu, MF_STRING | (current != kStateOn ? MF_CHECKED : 0), kMenuOff, Text(IDS_MENU_DISABLE).c_str());
  SetForegroundWindow(window_);
  const UINT chosen = UINT(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_TOPALIGN,
                                          screen.x, screen.y, 0, window_, nullptr));
  DestroyMenu(menu);
  return chosen;
}

void MainWindow::Clicking(bool starts) {
  clicking_ += starts ? 1 : -1;
  if (starts || clicking_ > 0) return;
  if (closeWaits_) {  // closed while a click was handled: close now that its panel is free
    PostMessageW(window_, WM_CLOSE, 0, 0);
    return;
  }
  if (context_.afterAction) context_.afterAction();
  if (refreshWaits_) RequestRefresh(nullptr);
  refreshWaits_ = false;
}

void MainWindow::Refresh(const void* panel) {
  if (clicking_ > 0) {
    refreshWaits_ = true;
    return;
  }
  for (auto& view : panels_)
    if (!panel || &view->Panel() == panel) view->Refresh(Px(kPanelWidth));
  LayOut();
}

void MainWindow::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  RECT client;
  GetClientRect(window_, &client);
  auto fill = [dc](RECT area, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
  };
  fill(RECT{Px(kNavigation), 0, client.right, client.bottom}, kPageColour);
  fill(RECT{0, 0, Px(kNavigation), client.bottom}, kNavigationColour);
  // The page's entry, selected: the only page this host shows.
  const RECT entry{0, Px(kMargin), Px(kNavigation), Px(kMargin + kEntryHeight)};
  fill(entry, kEntryColour);
  fill(RECT{0, entry.top, Px(4), entry.bottom}, RGB(0x7F, 0xC2, 0xFF));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 255, 255));
  HGDIOBJ old = SelectObject(dc, bold_);
  RECT text{Px(14), entry.top, Px(kNavigation - 6), entry.bottom};
  DrawTextW(dc, AsWide(entryTitle_.c_str()), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
  SelectObject(dc, old);
  EndPaint(window_, &paint);
}

LRESULT MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case kRefreshAll:
    case CPanelTemplate::kRefreshMessage:
      Refresh(reinterpret_cast<const void*>(lParam));
      return 0;
    case WM_SETFOCUS:  // the window itself takes no keys: its button does
      SetFocus(setupButton_);
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == kSetupButton && context_.openSetup) context_.openSetup();
      return 0;
    case WM_VSCROLL:
      OnVScroll(LOWORD(wParam));
      return 0;
    case WM_MOUSEWHEEL: {  // a notch is three lines; the focused control passes the wheel on
      UINT lines = 3;
      SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
      ScrollTo(scroll_ - GET_WHEEL_DELTA_WPARAM(wParam) * int(lines) * Px(kLine) / WHEEL_DELTA);
      return 0;
    }
    case WM_CLOSE:
      if (clicking_ > 0) {  // a panel is inside a click (a dialog of its link is open): not yet
        closeWaits_ = true;
        return 0;
      }
      context_.log("main window closed");
      panels_.clear();
      DestroyWindow(window_);
      return 0;
    case WM_DESTROY:
      if (focusHook_) UnhookWinEvent(focusHook_);
      focusHook_ = nullptr;
      open_ = nullptr;
      window_ = nullptr;
      return 0;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CALLBACK MainWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, LONG_PTR(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self || !self->window_) return DefWindowProcW(window, message, wParam, lParam);
  return self->OnMessage(message, wParam, lParam);
}

}  // namespace host
