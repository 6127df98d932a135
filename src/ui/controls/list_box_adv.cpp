#include "ui/controls/list_box_adv.h"

#include <algorithm>
#include <utility>

#include "ui/controls/bitmap_draw.h"
#include "win/dpi.h"

CListBoxAdv::CListBoxAdv()
    : colours_{GetSysColor(COLOR_HIGHLIGHT), GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_MENU),
               GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_HIGHLIGHTTEXT)},
      hand_(LoadCursorW(nullptr, IDC_HAND)) {}

int CListBoxAdv::AddItem(const std::u16string& text, HBITMAP image) {
  auto entry = std::make_unique<CExtItem>(CExtItem{text, image, 0});
  SIZE size = BitmapSize(image);
  imageBox_.cx = std::max(imageBox_.cx, size.cx);
  imageBox_.cy = std::max(imageBox_.cy, size.cy);
  int index = AddString(u"");
  if (index < 0) return index;
  SetItemData(index, reinterpret_cast<LPARAM>(entry.get()));
  items_.insert(items_.begin() + std::min<std::size_t>(index, items_.size()), std::move(entry));
  return index;
}

void CListBoxAdv::DeleteItem(int index) {
  if (index < 0 || index >= ItemCount()) return;
  DeleteString(index);
  items_.erase(items_.begin() + index);
  hot_ = -1;  // indices after it have moved
  overAction_ = false;
}

void CListBoxAdv::DeleteAllItems() {
  ResetContent();
  items_.clear();
  hot_ = current_ = -1;
  overAction_ = overImage_ = false;
}

CExtItem* CListBoxAdv::GetItem(int index) const {
  return index >= 0 && index < ItemCount() ? items_[index].get() : nullptr;
}

bool CListBoxAdv::SwapItems(int first, int second) {
  if (first < 0 || second < 0 || first >= ItemCount() || second >= ItemCount()) return false;
  std::swap(items_[first], items_[second]);
  SetItemData(first, reinterpret_cast<LPARAM>(items_[first].get()));
  SetItemData(second, reinterpret_cast<LPARAM>(items_[second].get()));
  current_ = second;
  SetCurSel(second);
  RedrawItem(first);
  RedrawItem(second);
  return true;
}

bool CListBoxAdv::MoveItem(int from, int to) {
  if (from < 0 || from >= ItemCount() || to < 0 || to > ItemCount() || to == from) return false;
  if (InsertString(to, u"") < 0) return false;
  int old = to <= from ? from + 1 : from;
  std::unique_ptr<CExtItem> entry = std::move(items_[from]);
  items_.insert(items_.begin() + to, std::move(entry));  // the emptied slot is now at `old`
  SetItemData(to, reinterpret_cast<LPARAM>(items_[to].get()));
  DeleteString(old);
  items_.erase(items_.begin() + old);
  current_ = to > from ? to - 1 : to;
  SetCurSel(current_);
  hot_ = -1;
  return true;
}

void CListBoxAdv::RedrawItem(int index) {
  RECT rect{};
  if (GetItemRect(index, rect)) InvalidateRect(rect);
}

void CListBoxAdv::SetActionImage(HBITMAP image) {
  action_ = image;
  SIZE size = BitmapSize(image);
  actionFrame_ = SIZE{size.cx / 2, size.cy};
  Invalidate();
}

RECT CListBoxAdv::ActionRect(int index) const {
  RECT item{};
  if (!action_ || !GetItemRect(index, item)) return RECT{0, 0, 0, 0};
  return RECT{item.right - actionFrame_.cx - 2, item.top + 2, item.right - 2, item.top + 2 + actionFrame_.cy};
}

CListBoxAdv::Zone CListBoxAdv::ZoneAt(POINT point, int* index) const {
  DWORD hit = ItemFromPoint(point);
  *index = LOWORD(hit);
  if (HIWORD(hit) || *index >= ItemCount()) return Zone::kNone;
  if (point.x <= imageBox_.cx) return Zone::kImage;
  int width = GetClientRect().right;
  if (action_ && point.x >= width - actionFrame_.cx - 2 && point.x < width - 2) return Zone::kAction;
  return Zone::kNone;
}

// The hot entry's action image goes back to its first frame.
void CListBoxAdv::LeaveAction() {
  if (hot_ >= 0) {
    RECT area = ActionRect(hot_);
    InvalidateRect(area);
  }
  hot_ = -1;
  overAction_ = false;
}

void CListBoxAdv::UpdatePointer(POINT point) {
  int index = -1;
  Zone zone = ZoneAt(point, &index);
  overImage_ = zone == Zone::kImage;
  if (zone != Zone::kAction) {
    LeaveAction();
    return;
  }
  overAction_ = true;
  if (index == hot_) return;
  LeaveAction();
  overAction_ = true;
  hot_ = index;
  RECT area = ActionRect(index);
  InvalidateRect(area);
}

bool CListBoxAdv::OnSetCursor(HWND window, UINT hitTest, UINT message) {
  POINT point{};
  int index = -1;
  if (window == GetSafeHwnd() && hitTest == HTCLIENT && GetCursorPos(&point) &&
      ScreenToClient(GetSafeHwnd(), &point) && ZoneAt(point, &index) != Zone::kNone) {
    SetCursor(hand_);
    return true;
  }
  return CListBox::OnSetCursor(window, hitTest, message);
}

void CListBoxAdv::OnMouseMove(UINT flags, POINT point) {
  UpdatePointer(point);
  leave_.Moved(GetSafeHwnd());
  CListBox::OnMouseMove(flags, point);
}

void CListBoxAdv::OnMouseLeave() {
  leave_.Left();
  overImage_ = false;
  LeaveAction();
  CListBox::OnMouseLeave();
}

void CListBoxAdv::NotifyParent(UINT message) { ::SendMessageW(GetParent(), message, 0, 0); }

void CListBoxAdv::OnLButtonUp(UINT flags, POINT point) {
  CListBox::OnLButtonUp(flags, point);  // the list ends its own click first
  UpdatePointer(point);
  DWORD hit = ItemFromPoint(point);
  if (!HIWORD(hit) && LOWORD(hit) < ItemCount()) current_ = LOWORD(hit);
  if (current_ < 0 || current_ >= ItemCount()) return;
  if (overAction_) {
    NotifyParent(kListBoxAdvDelete);
    DeleteItem(current_);
  } else if (overImage_) {
    NotifyParent(kListBoxAdvToggle);
  }
}

// Keys through WM_VKEYTOITEM: -2 ends the key's processing, -1 leaves it to the list.
int CListBoxAdv::KeyToItem(UINT key, int caret) {
  int count = ItemCount();
  if (caret < 0 || caret >= count) return -1;
  switch (key) {
    case VK_DELETE:
      if (!action_) return -1;
      NotifyParent(kListBoxAdvDelete);
      DeleteItem(caret);
      current_ = std::min(caret, ItemCount() - 1);  // the last entry gone: the new last one
      SetCurSel(current_);
      return -2;
    case VK_SPACE:
      current_ = caret;
      SetCurSel(caret);
      NotifyParent(kListBoxAdvToggle);
      return -2;
    case VK_UP:
    case VK_DOWN: {
      int next = caret + (key == VK_UP ? -1 : 1);
      if (next < 0 || next >= count) return -1;
      current_ = next;
      SetCurSel(next);
      return -2;
    }
    default:
      return -1;
  }
}

LRESULT CListBoxAdv::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETFONT || message == kDpiChangedAfterParent) textHeight_ = 0;  // measured anew
  return CListBox::WindowProc(message, wParam, lParam);
}

bool CListBoxAdv::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  switch (message) {
    case WM_DRAWITEM:
      DrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
      *result = TRUE;
      return true;
    case WM_MEASUREITEM:
      MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
      *result = TRUE;
      return true;
    case WM_VKEYTOITEM:
      *result = KeyToItem(LOWORD(wParam), HIWORD(wParam));
      return true;
    default:
      return false;
  }
}
