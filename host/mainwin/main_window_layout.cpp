// The main window's panel area: placing the panels and the button, scrolling it.
#include "mainwin/main_window.h"

#include <algorithm>

namespace host {

// The panels and the button one below the other; the window as high as they are, or as the
// screen's work area allows, with a scroll bar for the rest.
void MainWindow::LayOut() {
  content_ = PlaceChildren();
  const DWORD style = DWORD(GetWindowLongW(window_, GWL_STYLE));
  RECT frame{0, 0, 0, 0}, window{};
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  GetWindowRect(window_, &window);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST), &monitor);
  const int room = monitor.rcWork.bottom - std::max(window.top, monitor.rcWork.top) - (frame.bottom - frame.top);
  view_ = std::max(Px(kButtonHeight + 2 * kMargin), std::min(content_, room));
  const bool scrolls = content_ > view_;
  RECT size{0, 0, Px(kNavigation + kPanelWidth + 2 * kMargin) + (scrolls ? GetSystemMetrics(SM_CXVSCROLL) : 0), view_};
  AdjustWindowRectEx(&size, style, FALSE, 0);
  SetWindowPos(window_, nullptr, 0, 0, size.right - size.left, size.bottom - size.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ScrollTo(scroll_);
  InvalidateRect(window_, nullptr, TRUE);
}

int MainWindow::PlaceChildren() {
  int top = Px(kMargin) - scroll_;
  for (auto& view : panels_) {
    if (!view->Height()) continue;
    view->Place(Px(kNavigation + kMargin), top);
    top += view->Height() + Px(kMargin);
  }
  SetWindowPos(setupButton_, nullptr, Px(kNavigation + kMargin + kPanelWidth) - buttonWidth_, top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return top + scroll_ + Px(kButtonHeight + kMargin);
}

void MainWindow::ScrollTo(int position) {
  position = std::clamp(position, 0, std::max(content_ - view_, 0));
  if (position != scroll_) {
    scroll_ = position;
    PlaceChildren();
    RECT area{Px(kNavigation), 0, Px(kNavigation + kPanelWidth + 2 * kMargin), view_};
    InvalidateRect(window_, &area, TRUE);
  }
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMax = content_ - 1;
  info.nPage = UINT(view_);
  info.nPos = scroll_;
  SetScrollInfo(window_, SB_VERT, &info, TRUE);
}

void MainWindow::OnVScroll(int code) {
  const int line = Px(kLine), page = std::max(view_ - line, line);
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_TRACKPOS;
  GetScrollInfo(window_, SB_VERT, &info);
  switch (code) {
    case SB_LINEUP: return ScrollTo(scroll_ - line);
    case SB_LINEDOWN: return ScrollTo(scroll_ + line);
    case SB_PAGEUP: return ScrollTo(scroll_ - page);
    case SB_PAGEDOWN: return ScrollTo(scroll_ + page);
    case SB_TOP: return ScrollTo(0);
    case SB_BOTTOM: return ScrollTo(content_);
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: return ScrollTo(info.nTrackPos);
  }
}

// A control that takes the focus (by Tab, an access key or a click) is scrolled into view.
void MainWindow::ShowFocused(HWND focused) {
  if (!focused || focused == window_ || !IsChild(window_, focused)) return;
  RECT rect;
  GetWindowRect(focused, &rect);
  MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&rect), 2);
  if (rect.top < 0) ScrollTo(scroll_ + rect.top - Px(kMargin));
  else if (rect.bottom > view_) ScrollTo(scroll_ + std::min(rect.bottom - view_ + Px(kMargin), rect.top));
}

void CALLBACK MainWindow::OnFocusEvent(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG, DWORD, DWORD) {
  if (object == OBJID_CLIENT && open_) open_->ShowFocused(window);
}

}  // namespace host
