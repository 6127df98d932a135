#include "win/richtext/static_ii.h"

#include <algorithm>

#include "common/text.h"
#include "markup/win/gdi_context.h"
#include "win/richtext/static_ii_accessible.h"
#include "win/dc.h"
#include "win/dpi.h"
#include "win/window_class.h"

using parental::common::AsText;
using parental::common::AsWide;


CStaticII::CStaticII()
    : background_(GetSysColor(COLOR_WINDOW)), hand_(LoadCursorW(nullptr, IDC_HAND)) {
  document_.defaultFont = DescribeFont(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)), DpiOf(nullptr));
  document_.defaultTextColour = GetSysColor(COLOR_WINDOWTEXT);
  document_.scrollBarWidth = SystemMetricForDpi(SM_CXVSCROLL, kMarkupDpi);
  document_.invalidator = [this](const Rect& area) {
    if (GetSafeHwnd()) InvalidateRect(RECT{area.left, area.top, area.right, area.bottom});
  };
  document_.clickHandler = [this](CLineObject* object, int link) {
    ReportActivation(object, link);
    return true;
  };
  document_.menuChooser = [this](const std::vector<std::u16string>& items, const Rect& button) {
    return ChooseFromMenu(items, button);
  };
}

CStaticII::~CStaticII() {
  Shutdown();
  ReleaseWindow();  // while the document and the handlers are still here
  measuring_.reset();
  if (measuringDc_) DeleteDC(measuringDc_);
}

bool CStaticII::RegisterClass() { return RegisterWindowClass(kClassName, 0, LoadCursorW(nullptr, IDC_ARROW), nullptr); }

UINT CStaticII::TabKeyboardMessage() {
  static const UINT message = RegisterWindowMessageW(L"Corvid Tab Keyboard Child Command");
  return message;
}

bool CStaticII::Create(DWORD style, const RECT& rect, HWND parent, UINT id) {
  return RegisterClass() && CreateEx(0, kClassName, L"", style | WS_CHILD, rect, parent, id);
}

bool CStaticII::Attach(HWND window) {
  if (!SubclassWindow(window)) return false;
  if (HWND parent = GetParent()) {
    if (HFONT font = reinterpret_cast<HFONT>(::SendMessageW(parent, WM_GETFONT, 0, 0))) {
      document_.defaultFont = DescribeFont(font, static_cast<int>(DpiOf(parent)));
    }
  }
  const RECT client = GetClientRect();
  width_ = client.right;
  height_ = client.bottom;
  const std::u16string text = GetWindowText();
  if (!text.empty()) SetText(text);
  EnableToolTips();
  NotifyWinEvent(EVENT_OBJECT_CREATE, GetSafeHwnd(), OBJID_CLIENT, CHILDID_SELF);
  return true;
}

int CStaticII::OnCreate(CREATESTRUCTW* create) {
  EnableToolTips();
  return 0;
}

void CStaticII::OnDestroy() {
  Shutdown();
  Default();
}

void CStaticII::Shutdown() {
  if (!GetSafeHwnd()) return;
  KillTimer(kAnimationTimer);
  if (accessible_) {  // clients may hold it longer: it answers nothing from now on
    accessible_->Disconnect();
    accessible_->Release();
    accessible_ = nullptr;
  }
  toolTip_.DestroyWindow();
}

void CStaticII::SetText(std::u16string_view text) {
  document_.SetText(text);
  ticks_ = 0;
  if (GetSafeHwnd()) {
    if (document_.Animated()) {
      SetTimer(kAnimationTimer, kAnimationPeriod);
    } else {
      KillTimer(kAnimationTimer);
    }
  }
  document_.hover = CChDocument::HoverState{};
  Layout();
  if (!GetSafeHwnd()) return;
  UpdateHover();
  Invalidate();
}

COLORREF CStaticII::SetBackgroundColour(COLORREF colour) {
  std::swap(background_, colour);
  if (GetSafeHwnd()) Invalidate();
  return colour;
}

COLORREF CStaticII::SetTextColour(COLORREF colour) {
  const COLORREF previous = document_.defaultTextColour;
  document_.defaultTextColour = colour;
  if (GetSafeHwnd()) Invalidate();
  return previous;
}

CGdiContext& CStaticII::MeasuringContext() {
  if (!measuring_) {
    measuringDc_ = CreateCompatibleDC(nullptr);
    measuring_ = std::make_unique<CGdiContext>(measuringDc_);
  }
  // The window's DPI, before it exists the screen's: the document takes it from here.
  measuring_->SetDpi(static_cast<int>(DpiOf(GetSafeHwnd())));
  return *measuring_;
}

void CStaticII::OnSize(UINT type, int width, int height) {
  width_ = width;
  height_ = height;
  Layout();
}

void CStaticII::Layout() { content_ = document_.Layout(MeasuringContext(), width_, height_); }

// Only the part to repaint is drawn off screen and copied: a hover repaints one link.
void CStaticII::OnPaint() {
  CPaintDC paint(GetSafeHwnd());
  RECT area = paint.GetClipBox();
  area.bottom += 1;
  CMemDC memory(paint, area);
  IntersectClipRect(memory, area.left, area.top, area.right, area.bottom);
  CGdiContext context(memory, document_.Dpi());
  memory.FillSolidRect(area, background_);
  document_.Draw(context);
}

void CStaticII::OnTimer(UINT_PTR id) {
  if (id != kAnimationTimer) {
    Default();
    return;
  }
  SetTimer(kAnimationTimer, kAnimationPeriod);
  document_.Tick();
  ++ticks_;
}

LRESULT CStaticII::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == TabKeyboardMessage()) return OnTabKeyboardCommand(wParam, lParam);
  if (message == kDpiChanged || message == kDpiChangedAfterParent) {  // the same document at the new DPI
    Layout();
    UpdateHover();
    Invalidate();
  }
  return CStatic::WindowProc(message, wParam, lParam);
}

LRESULT CStaticII::OnGetObject(WPARAM flags, LPARAM objectId) {
  if (static_cast<LONG>(objectId) != OBJID_CLIENT) return Default();
  if (!accessible_) accessible_ = new CStaticIIAccessible(*this);
  return LresultFromObject(__uuidof(IAccessible), flags, accessible_);
}

// The items of a combo-box button, as a menu below it; answers the item's number or 0.
int CStaticII::ChooseFromMenu(const std::vector<std::u16string>& items, const Rect& button) {
  HMENU menu = CreatePopupMenu();
  if (!menu) return 0;
  for (std::size_t i = 0; i < items.size(); ++i) {
    AppendMenuW(menu, MF_STRING, i + 1, AsWide(items[i].c_str()));
  }
  POINT corner{button.left, button.bottom};
  ClientToScreen(GetSafeHwnd(), &corner);
  const int chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_NONOTIFY, corner.x,
                                    corner.y, 0, GetSafeHwnd(), nullptr);
  DestroyMenu(menu);
  return chosen;
}
