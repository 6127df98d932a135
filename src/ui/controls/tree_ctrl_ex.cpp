#include "ui/controls/tree_ctrl_ex.h"

namespace parental::util {

namespace {

// Posted to the tree after Space, once the tree has handled the key (and its character).
UINT SpaceHandledMessage() {
  static const UINT message = RegisterWindowMessageW(L"parental.tree.space-handled");
  return message;
}

}  // namespace

void CTreeCtrlEx::EnableCheckBoxes() {
  DWORD style = GetStyle();
  SetWindowLongPtrW(GetSafeHwnd(), GWL_STYLE, style & ~TVS_CHECKBOXES);
  SetWindowLongPtrW(GetSafeHwnd(), GWL_STYLE, style | TVS_CHECKBOXES);
}

HTREEITEM CTreeCtrlEx::CheckBoxAt(POINT point) const {
  UINT flags = 0;
  HTREEITEM item = HitTest(point, &flags);
  return flags & TVHT_ONITEMSTATEICON ? item : nullptr;
}

void CTreeCtrlEx::PressCheckBox(POINT point) {
  pressed_ = HasCheckBoxes() ? CheckBoxAt(point) : nullptr;
  if (pressed_) {
    SetCapture(GetSafeHwnd());  // the release arrives even outside the tree
  } else {
    Default();
  }
}

void CTreeCtrlEx::OnLButtonDown(UINT, POINT point) { PressCheckBox(point); }
void CTreeCtrlEx::OnLButtonDblClk(UINT, POINT point) { PressCheckBox(point); }

void CTreeCtrlEx::OnLButtonUp(UINT flags, POINT point) {
  HTREEITEM pressed = pressed_;
  pressed_ = nullptr;
  if (!pressed) {
    CToolTipTreeCtrl::OnLButtonUp(flags, point);
    return;
  }
  if (GetCapture() == GetSafeHwnd()) ReleaseCapture();
  if (CheckBoxAt(point) != pressed) return;
  SetCheck(pressed, !GetCheck(pressed));
  NotifyChanged(pressed);
}

void CTreeCtrlEx::OnKeyDown(UINT key, UINT repeat, UINT flags) {
  if (key != VK_SPACE || !HasCheckBoxes()) {
    CToolTipTreeCtrl::OnKeyDown(key, repeat, flags);
    return;
  }
  spaceItem_ = GetSelectedItem();
  spaceChecked_ = spaceItem_ && GetCheck(spaceItem_);
  CToolTipTreeCtrl::OnKeyDown(key, repeat, flags);
  if (spaceItem_) PostMessage(SpaceHandledMessage());
}

LRESULT CTreeCtrlEx::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != SpaceHandledMessage()) return CToolTipTreeCtrl::WindowProc(message, wParam, lParam);
  HTREEITEM item = spaceItem_;
  spaceItem_ = nullptr;
  if (item && GetCheck(item) != spaceChecked_) NotifyChanged(item);
  return 0;
}

void CTreeCtrlEx::NotifyChanged(HTREEITEM item) {
  NMTREEVIEWW notice{};
  notice.hdr.hwndFrom = GetSafeHwnd();
  notice.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
  notice.hdr.code = kTreeCheckChanged;
  notice.itemNew.mask = TVIF_HANDLE | TVIF_STATE | TVIF_PARAM;
  notice.itemNew.hItem = item;
  notice.itemNew.state = GetItemState(item, TVIS_STATEIMAGEMASK);
  notice.itemNew.stateMask = TVIS_STATEIMAGEMASK;
  notice.itemNew.lParam = GetItemData(item);
  // A parent on this thread handles it before the call returns, so the record may live here.
  SendNotifyMessageW(GetParent(), WM_NOTIFY, notice.hdr.idFrom, reinterpret_cast<LPARAM>(&notice));
}

}  // namespace parental::util
