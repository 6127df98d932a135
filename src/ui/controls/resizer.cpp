#include "ui/controls/resizer.h"

#include <vector>

namespace {

ResizerScroll ScrollOf(HWND window, int bar, DWORD style) {
  ResizerScroll scroll;
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_POS | SIF_RANGE;
  scroll.present = (style & (bar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL)) && GetScrollInfo(window, bar, &info);
  scroll.position = info.nPos;
  scroll.minimum = info.nMin;
  scroll.maximum = info.nMax;
  return scroll;
}

RECT ToRect(const ResizerRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

}  // namespace

bool CResizer::Add(HWND parent, HWND control, std::uint32_t flags) {
  if (!parent || !control || ::GetParent(control) != parent || (parent_ && parent_ != parent)) return false;
  parent_ = parent;
  RECT client{}, rect{};
  ::GetClientRect(parent, &client);
  ::GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  layout_.Add(reinterpret_cast<std::uintptr_t>(control), flags, {rect.left, rect.top, rect.right, rect.bottom},
              {client.right, client.bottom});
  if (layout_.Options() & kResizerClipChildren) {
    SetWindowLongPtrW(parent, GWL_STYLE, GetWindowLongPtrW(parent, GWL_STYLE) | WS_CLIPCHILDREN);
  }
  return true;
}

void CResizer::Layout() {
  if (!parent_ || !IsWindow(parent_)) return;
  RECT client{};
  ::GetClientRect(parent_, &client);
  DWORD style = static_cast<DWORD>(GetWindowLongPtrW(parent_, GWL_STYLE));
  std::vector<ResizerPlacement> placements =
      layout_.Layout({client.right, client.bottom}, ScrollOf(parent_, SB_HORZ, style),
                     ScrollOf(parent_, SB_VERT, style), IsIconic(parent_) != FALSE);
  if (placements.empty()) return;

  struct Move {
    HWND control;
    RECT from, to;
    ResizerInvalidate invalidate;
  };
  std::vector<Move> moves;
  for (const ResizerPlacement& placement : placements) {
    auto control = reinterpret_cast<HWND>(placement.window);
    if (!IsWindow(control)) continue;  // a control destroyed before its parent
    RECT from{};
    ::GetWindowRect(control, &from);
    MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT*>(&from), 2);
    moves.push_back({control, from, ToRect(placement.rect), placement.invalidate});
  }

  HDWP batch = layout_.Options() & kResizerDeferred ? BeginDeferWindowPos(static_cast<int>(moves.size())) : nullptr;
  for (const Move& move : moves) {
    const RECT& r = move.to;
    if (batch) {
      batch = DeferWindowPos(batch, move.control, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                             SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (!batch) ::MoveWindow(move.control, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
  }
  if (batch) EndDeferWindowPos(batch);

  // The parent repaints where a control was and where it is now.
  for (const Move& move : moves) {
    if (move.invalidate == ResizerInvalidate::kNever ||
        (move.invalidate == ResizerInvalidate::kWhenVisible && !IsWindowVisible(move.control))) {
      continue;
    }
    InvalidateRect(parent_, &move.from, TRUE);
    InvalidateRect(parent_, &move.to, TRUE);
  }
}
