#pragma once
// The tree view: one message per method.
#include "win/controls/control.h"

class CTreeCtrl : public CControl {
 public:
  HTREEITEM InsertItem(const char16_t* text, HTREEITEM parent = TVI_ROOT, HTREEITEM after = TVI_LAST, LPARAM data = 0) {
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = const_cast<LPWSTR>(reinterpret_cast<LPCWSTR>(text));
    insert.item.lParam = data;
    return reinterpret_cast<HTREEITEM>(SendMessage(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
  }
  bool DeleteItem(HTREEITEM item) { return SendMessage(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item)) != 0; }
  bool DeleteAllItems() { return DeleteItem(TVI_ROOT); }
  HTREEITEM GetNextItem(HTREEITEM item, UINT code) const {
    return reinterpret_cast<HTREEITEM>(SendMessage(TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
  }
  HTREEITEM GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }
  HTREEITEM GetChildItem(HTREEITEM item) const { return GetNextItem(item, TVGN_CHILD); }
  HTREEITEM GetNextSiblingItem(HTREEITEM item) const { return GetNextItem(item, TVGN_NEXT); }
  HTREEITEM GetParentItem(HTREEITEM item) const { return GetNextItem(item, TVGN_PARENT); }
  HTREEITEM GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }
  bool SelectItem(HTREEITEM item) { return SendMessage(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)) != 0; }
  bool Expand(HTREEITEM item, UINT code = TVE_EXPAND) { return SendMessage(TVM_EXPAND, code, reinterpret_cast<LPARAM>(item)) != 0; }
  bool EnsureVisible(HTREEITEM item) { return SendMessage(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item)) != 0; }
  std::u16string GetItemText(HTREEITEM handle) const {
    std::u16string text(512, u'\0');
    TVITEMW item{};
    item.mask = TVIF_TEXT;
    item.hItem = handle;
    item.pszText = WideBuffer(text);
    item.cchTextMax = static_cast<int>(text.size());
    if (!SendMessage(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return {};
    text.resize(std::char_traits<char16_t>::length(text.c_str()));
    return text;
  }
  LPARAM GetItemData(HTREEITEM handle) const {
    TVITEMW item{};
    item.mask = TVIF_PARAM;
    item.hItem = handle;
    return SendMessage(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)) ? item.lParam : 0;
  }
  UINT GetItemState(HTREEITEM handle, UINT mask) const {
    return static_cast<UINT>(SendMessage(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(handle), static_cast<LPARAM>(mask)));
  }
  bool SetItemState(HTREEITEM handle, UINT state, UINT mask) {
    TVITEMW item{};
    item.mask = TVIF_STATE;
    item.hItem = handle;
    item.state = state;
    item.stateMask = mask;
    return SendMessage(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item)) != 0;
  }
  // Check boxes are state images 1 (clear) and 2 (checked).
  bool GetCheck(HTREEITEM item) const { return (GetItemState(item, TVIS_STATEIMAGEMASK) >> 12) == 2; }
  bool SetCheck(HTREEITEM item, bool checked) {
    return SetItemState(item, INDEXTOSTATEIMAGEMASK(checked ? 2 : 1), TVIS_STATEIMAGEMASK);
  }
  HTREEITEM HitTest(POINT point, UINT* flags = nullptr) const {
    TVHITTESTINFO hit{};
    hit.pt = point;
    auto item = reinterpret_cast<HTREEITEM>(SendMessage(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (flags) *flags = hit.flags;
    return item;
  }
  bool GetItemRect(HTREEITEM item, RECT& rect, bool textOnly) const {
    *reinterpret_cast<HTREEITEM*>(&rect) = item;
    return SendMessage(TVM_GETITEMRECT, textOnly, reinterpret_cast<LPARAM>(&rect)) != 0;
  }
  HIMAGELIST SetImageList(HIMAGELIST list, int kind) {
    return reinterpret_cast<HIMAGELIST>(SendMessage(TVM_SETIMAGELIST, static_cast<WPARAM>(kind), reinterpret_cast<LPARAM>(list)));
  }

 protected:
  const wchar_t* ClassName() const override { return WC_TREEVIEWW; }
};
