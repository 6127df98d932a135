// CStaticII's input: hover and cursor, tool tips, the mouse, keys before the dialog sees
// them, the keyboard focus and the tab message of an embedding control; activation.
#include <oleacc.h>

#include "common/text.h"
#include "markup/link_items.h"
#include "win/richtext/static_ii.h"

using parental::common::EqualsNoCase;

namespace {

bool KeyHeld(int key) { return GetKeyState(key) < 0; }

bool IsComboBox(CLineObject* object) {
  return object->GetKind() == CLineObject::kButton && EqualsNoCase(object->GetAttributeValue(u"TYPE"), u"combobox");
}

}  // namespace

bool CStaticII::UpdateHover() {
  POINT point{};
  GetCursorPos(&point);
  ScreenToClient(GetSafeHwnd(), &point);
  const HitInfo hit = document_.HitTest(point.x, point.y);
  if (hit.object && !hit.tooltip.empty()) {
    tipText_ = hit.tooltip;
    tipRect_ = hit.tipRect;
    tipId_ = (reinterpret_cast<UINT_PTR>(hit.object) << 16) + static_cast<UINT_PTR>(hit.link) * 256 + hit.tooltip.size();
  } else if (!hit.object) {
    tipText_.clear();
  }
  document_.ApplyHover(hit);
  UpdateToolTip();
  return hit.object && hit.hand;
}

// A new link or text makes a new tool; an empty text leaves no tool.
void CStaticII::UpdateToolTip() {
  if (!toolTip_.GetSafeHwnd()) return;
  const UINT_PTR wanted = tipText_.empty() ? 0 : tipId_;
  if (wanted == shownTip_) return;
  if (shownTip_) toolTip_.DelTool(GetSafeHwnd(), shownTip_);
  shownTip_ = wanted;
  if (!wanted) return;
  toolTip_.SetMaxTipWidth(kToolTipWidth);
  toolTip_.AddTool(GetSafeHwnd(), wanted, RECT{tipRect_.left, tipRect_.top, tipRect_.right, tipRect_.bottom},
                   tipText_.c_str());
}

void CStaticII::EnableToolTips() {
  if (!toolTip_.GetSafeHwnd()) toolTip_.Create(GetSafeHwnd(), TTS_ALWAYSTIP | TTS_NOPREFIX);
}

bool CStaticII::OnSetCursor(HWND window, UINT hitTest, UINT message) {
  if (window != GetSafeHwnd() || hitTest != HTCLIENT) return Default() != 0;
  if (!UpdateHover()) return Default() != 0;
  SetCursor(hand_);
  return true;
}

void CStaticII::OnMouseMove(UINT flags, POINT point) {
  if (!tracking_) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, GetSafeHwnd(), 0};
    tracking_ = TrackMouseEvent(&track) != FALSE;
  }
  Default();
}

void CStaticII::OnMouseLeave() {
  tracking_ = false;
  UpdateHover();
}

void CStaticII::OnLButtonDown(UINT flags, POINT point) {
  SetCapture(GetSafeHwnd());
  capture_ = true;
  if (!HasFocus()) SetFocus();
  document_.PointerDown(point.x, point.y);
}

void CStaticII::OnLButtonUp(UINT flags, POINT point) {
  if (capture_) {
    capture_ = false;
    ReleaseCapture();
  }
  const CChDocument::HoverState hover = document_.hover;
  if (!hover.object || hover.link < 0 || !hover.pressed) return;
  FocusItem(hover.object, hover.link);
  document_.PointerUp(point.x, point.y);  // releases the object and activates it
}

void CStaticII::Activate(CLineObject* object, int link) {
  if (object) document_.Activate(object, link);  // the object's own action, then ReportActivation
}

void CStaticII::ReportActivation(CLineObject* object, int link) {
  HWND parent = GetParent();
  auto notify = [&](int code) {  // without a parent nothing is sent
    if (parent) ::SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), code), reinterpret_cast<LPARAM>(GetSafeHwnd()));
  };
  if (IsComboBox(object)) return notify(kComboActivated);
  if (click_ && click_(object, link, *this)) return;
  notify(kLinkActivated);
}

bool CStaticII::PreTranslateMessage(MSG* message) {
  if (message->hwnd == GetSafeHwnd() && message->message >= WM_MOUSEFIRST && message->message <= WM_MOUSELAST &&
      toolTip_.GetSafeHwnd()) {
    toolTip_.RelayEvent(message);
  }
  if (message->message != WM_KEYDOWN || message->hwnd != GetSafeHwnd()) return false;
  const WPARAM key = message->wParam;
  if (key == VK_TAB && tabNavigation_ && !KeyHeld(VK_CONTROL)) {
    if (document_.MoveFocus(KeyHeld(VK_SHIFT))) {
      message->wParam = VK_CONTROL;  // the dialog must not move the focus as well
      NotifyFocusEvents();
    } else {
      EnterFocus(KeyHeld(VK_SHIFT));  // as on WM_SETFOCUS; the Tab goes on to the dialog
    }
    return false;
  }
  if ((key == VK_RETURN || key == VK_SPACE) && document_.focus.shown && document_.focus.object) {
    document_.hover.keyboardClick = true;
    const CChDocument::FocusState focus = document_.focus;
    Activate(focus.object, focus.link);
    document_.hover.keyboardClick = false;
    return true;
  }
  return false;
}

bool CStaticII::EnterFocus(bool backward) {
  const CChDocument::FocusState before = document_.focus;
  if (before.object) before.object->InvalidateLink(before.link);
  document_.focus = {nullptr, -1, document_.focus.shown};
  return document_.MoveFocus(backward);
}

void CStaticII::OnSetFocus(HWND previous) {
  document_.focus.shown = true;
  if (EnterFocus(KeyHeld(VK_SHIFT))) NotifyFocusEvents();
  Default();
}

void CStaticII::OnKillFocus(HWND next) {
  document_.focus.shown = false;
  UpdateHover();
  if (CLineObject* focused = document_.focus.object) focused->InvalidateLink(document_.focus.link);
  document_.focus = {nullptr, -1, false};
  Default();
}

bool CStaticII::FocusItem(CLineObject* object, int link) {
  const CChDocument::FocusState& focus = document_.focus;
  auto at = [&] { return focus.object == object && (focus.link < 0 ? 0 : focus.link) == (link < 0 ? 0 : link); };
  if (at()) return true;
  const CLineObject* startObject = focus.object;
  const int startLink = focus.link;
  for (int steps = 0; steps <= LinkItemCount(document_); ++steps) {
    if (!document_.MoveFocus(false) && !EnterFocus(false)) return false;
    if (at()) return true;
    if (focus.object == startObject && focus.link == startLink) return false;
  }
  return false;
}

LRESULT CStaticII::OnTabKeyboardCommand(WPARAM query, LPARAM direction) {
  tabNavigation_ = false;
  if (query) return direction == 15;
  const bool backward = direction != 0;
  const bool moved = document_.focus.object ? document_.MoveFocus(backward) : EnterFocus(backward);
  if (moved) NotifyFocusEvents();
  return moved;
}

void CStaticII::NotifyFocusEvents() {
  const int child = LinkItemNumber(document_, document_.focus.object, document_.focus.link);
  if (!child) return;
  for (DWORD event : {EVENT_OBJECT_FOCUS, EVENT_OBJECT_SELECTION, EVENT_OBJECT_STATECHANGE}) {
    NotifyWinEvent(event, GetSafeHwnd(), OBJID_CLIENT, child);
  }
}
