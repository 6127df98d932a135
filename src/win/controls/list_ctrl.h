#pragma once
// The list view: one message per method.
#include "win/controls/control.h"

class CListCtrl : public CControl {
 public:
  DWORD SetExtendedStyle(DWORD style) {
    return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(style)));
  }
  int InsertColumn(int index, const char16_t* heading, int width, int format = LVCFMT_LEFT) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.fmt = format;
    column.cx = width;
    column.pszText = const_cast<LPWSTR>(reinterpret_cast<LPCWSTR>(heading));
    return static_cast<int>(SendMessage(LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column)));
  }
  int GetStringWidth(const char16_t* text) const {  // in the list's font
    return static_cast<int>(SendMessage(LVM_GETSTRINGWIDTHW, 0, TextParam(text)));
  }
  bool SetColumnWidth(int column, int width) {
    return SendMessage(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(width, 0)) != 0;
  }
  int InsertItem(int index, const char16_t* text, LPARAM data = 0) {
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = index;
    item.pszText = const_cast<LPWSTR>(reinterpret_cast<LPCWSTR>(text));
    item.lParam = data;
    return static_cast<int>(SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  }
  bool SetItemText(int index, int column, const char16_t* text) {
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = const_cast<LPWSTR>(reinterpret_cast<LPCWSTR>(text));
    return SendMessage(LVM_SETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) != 0;
  }
  std::u16string GetItemText(int index, int column) const {
    std::u16string text(512, u'\0');
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = WideBuffer(text);
    item.cchTextMax = static_cast<int>(text.size());
    text.resize(static_cast<size_t>(SendMessage(LVM_GETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item))));
    return text;
  }
  bool DeleteItem(int index) { return SendMessage(LVM_DELETEITEM, static_cast<WPARAM>(index)) != 0; }
  bool DeleteAllItems() { return SendMessage(LVM_DELETEALLITEMS) != 0; }
  int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
  LPARAM GetItemData(int index) const {
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = index;
    return SendMessage(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)) ? item.lParam : 0;
  }
  bool SetItemState(int index, UINT state, UINT mask) {
    LVITEMW item{};
    item.state = state;
    item.stateMask = mask;
    return SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) != 0;
  }
  UINT GetItemState(int index, UINT mask) const {
    return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, static_cast<WPARAM>(index), static_cast<LPARAM>(mask)));
  }
  // Check boxes are state images 1 (clear) and 2 (checked).
  bool GetCheck(int index) const { return (GetItemState(index, LVIS_STATEIMAGEMASK) >> 12) == 2; }
  bool SetCheck(int index, bool checked) { return SetItemState(index, INDEXTOSTATEIMAGEMASK(checked ? 2 : 1), LVIS_STATEIMAGEMASK); }
  int GetNextItem(int start, UINT flags) const {
    return static_cast<int>(SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(start), MAKELPARAM(flags, 0)));
  }
  bool EnsureVisible(int index) { return SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE) != 0; }
  HIMAGELIST SetImageList(HIMAGELIST list, int kind) {
    return reinterpret_cast<HIMAGELIST>(SendMessage(LVM_SETIMAGELIST, static_cast<WPARAM>(kind), reinterpret_cast<LPARAM>(list)));
  }

 protected:
  const wchar_t* ClassName() const override { return WC_LISTVIEWW; }
};
