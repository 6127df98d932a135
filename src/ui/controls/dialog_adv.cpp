#include "ui/controls/dialog_adv.h"

#include <algorithm>

#include "frame/app/plugin_app.h"
#include "frame/protocol/process.h"
#include "frame/protocol/requests.h"
#include "win/dpi.h"

namespace {

constexpr std::uint32_t kHelpCommand = 15;  // help on a context number
constexpr UINT_PTR kHelpTool = 1;

std::u16string HostText(const char16_t* key) {
  IHostSettings* settings = Process().settings;
  const char16_t* text = settings ? settings->GetText(key) : nullptr;
  return text ? text : u"";
}

}  // namespace

CDialogAdv::CDialogAdv(UINT templateId, DWORD helpContext)
    : CDialog(templateId), helpContext_(helpContext), hand_(LoadCursorW(nullptr, IDC_HAND)) {
  ProcessState& process = Process();
  header_.graphics = !(process.settings && process.settings->QueryFlag(u"gui.textmode.state", u""));
  header_.helpCaption = HostText(u"gui.help.caption");
  helpTooltip_ = HostText(u"gui.help.tooltip");
  HostMetricsRecord record{};
  if (process.metrics && process.metrics->GetMetrics(kHeaderMetrics, &record) && record.height > 0) {
    headerSize_ = SIZE{std::max(0, record.width), record.height};
  } else {  // a host without metrics: the host's usual size at the system's scale
    UINT dpi = DpiOf(nullptr);
    headerSize_ = SIZE{ScaleToDpi(64, dpi), ScaleToDpi(48, dpi)};
  }
}

BOOL CDialogAdv::OnInitDialog() {
  BOOL result = CDialog::OnInitDialog();
  header_.logoText = HostText(u"gui.logo.clicked");
  MakeRoomForHeader();
  if (strip_.Create(GetSafeHwnd(), headerSize_.cy)) {
    // The help area holds at least the caption and a small margin.
    SIZE caption{0, 0};
    HDC dc = GetDC(GetSafeHwnd());
    HGDIOBJ old = SelectObject(dc, GetFont());
    GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(header_.helpCaption.c_str()),
                          static_cast<int>(header_.helpCaption.size()), &caption);
    SelectObject(dc, old);
    ReleaseDC(GetSafeHwnd(), dc);
    header_.helpWidth = std::max<int>(headerSize_.cx, strip_.MinimumHelpWidth(caption.cx));
  }
  if (tooltip_.Create(GetSafeHwnd())) {
    tooltip_.AddTool(GetSafeHwnd(), kHelpTool, strip_.HelpArea(), helpTooltip_.c_str());
    tooltip_.Activate(true);
  }
  PlaceHeader();
  return result;
}

// The template's controls move down by the header's height and the dialog grows by it.
void CDialogAdv::MakeRoomForHeader() {
  int height = headerSize_.cy;
  for (HWND child = ::GetWindow(GetSafeHwnd(), GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    RECT rect{};
    ::GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetSafeHwnd(), reinterpret_cast<POINT*>(&rect), 2);
    SetWindowPos(child, nullptr, rect.left, rect.top + height, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  RECT window = GetWindowRect();
  SetWindowPos(GetSafeHwnd(), nullptr, 0, 0, window.right - window.left, window.bottom - window.top + height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDialogAdv::PlaceHeader() {
  if (!strip_.GetSafeHwnd()) return;
  RECT client = GetClientRect();
  strip_.MoveWindow(RECT{0, 0, client.right, headerSize_.cy});
  if (tooltip_.GetSafeHwnd()) tooltip_.SetToolRect(GetSafeHwnd(), kHelpTool, strip_.HelpArea());
}

void CDialogAdv::OnSize(UINT type, int width, int height) {
  PlaceHeader();
  CDialog::OnSize(type, width, height);
}

CDialogAdv::Area CDialogAdv::AreaAt(POINT point) const {
  if (!strip_.GetSafeHwnd()) return Area::kNone;
  RECT logo = strip_.LogoArea(), help = strip_.HelpArea();
  if (PtInRect(&help, point)) return Area::kHelp;
  if (PtInRect(&logo, point)) return Area::kLogo;
  return Area::kNone;
}

void CDialogAdv::SetHot(Area area) {
  bool logo = area == Area::kLogo, help = area == Area::kHelp;
  if (logo == header_.logoHot && help == header_.helpHot) return;
  header_.logoHot = logo;
  header_.helpHot = help;
  strip_.Invalidate();
}

bool CDialogAdv::OnSetCursor(HWND window, UINT hitTest, UINT message) {
  POINT point{};
  if (window == GetSafeHwnd() && hitTest == HTCLIENT && GetCursorPos(&point)) {
    ScreenToClient(GetSafeHwnd(), &point);
    if (AreaAt(point) != Area::kNone) {
      SetCursor(hand_);
      return true;
    }
  }
  return CDialog::OnSetCursor(window, hitTest, message);
}

void CDialogAdv::OnMouseMove(UINT flags, POINT point) {
  SetHot(AreaAt(point));
  leave_.Moved(GetSafeHwnd());
  CDialog::OnMouseMove(flags, point);
}

void CDialogAdv::OnMouseLeave() {
  leave_.Left();
  SetHot(Area::kNone);
  CDialog::OnMouseLeave();
}

void CDialogAdv::OnLButtonDown(UINT flags, POINT point) {
  pressedArea_ = AreaAt(point);
  pressed_ = pressedArea_ != Area::kNone;
  if (pressed_) {
    SetCapture(GetSafeHwnd());
    return;
  }
  CDialog::OnLButtonDown(flags, point);
}

// A click counts when the button goes up over the area it went down on.
void CDialogAdv::OnLButtonUp(UINT flags, POINT point) {
  if (!pressed_) {
    CDialog::OnLButtonUp(flags, point);
    return;
  }
  pressed_ = false;
  ReleaseCapture();
  if (AreaAt(point) != pressedArea_) return;
  if (pressedArea_ == Area::kHelp) {
    ShowHelp();
  } else if (IHostSettings* settings = Process().settings) {
    settings->QueryFlag(u"gui.logo.clicked", u"");  // the host acts on it
  }
}

bool CDialogAdv::OnHelp(HELPINFO*) {
  ShowHelp();
  return true;
}

void CDialogAdv::OnSysCommand(UINT command, LPARAM lParam) {
  if ((command & 0xFFF0) == SC_CONTEXTHELP) {
    ShowHelp();
    return;
  }
  CDialog::OnSysCommand(command, lParam);
}

void CDialogAdv::ShowHelp() {
  if (!helpContext_) return;
  if (CPluginAppTemplate* app = CPluginAppTemplate::Current()) {
    app->WinHelp(helpContext_, kHelpCommand);
  } else {
    RequestHostHelp(helpContext_, kHelpCommand);
  }
}

bool CDialogAdv::PreTranslateMessage(MSG* message) {
  if (tooltip_.GetSafeHwnd() && message->message >= WM_MOUSEFIRST && message->message <= WM_MOUSELAST) {
    tooltip_.RelayEvent(message);
  }
  return CDialog::PreTranslateMessage(message);
}
