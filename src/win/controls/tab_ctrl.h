#pragma once
// The tab control: one message per method.
#include "win/controls/control.h"

class CTabCtrl : public CControl {
 public:
  int InsertItem(int index, const char16_t* text) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<LPWSTR>(reinterpret_cast<LPCWSTR>(text));
    return static_cast<int>(SendMessage(TCM_INSERTITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
  }
  int GetItemCount() const { return static_cast<int>(SendMessage(TCM_GETITEMCOUNT)); }
  int GetCurSel() const { return static_cast<int>(SendMessage(TCM_GETCURSEL)); }
  int SetCurSel(int index) { return static_cast<int>(SendMessage(TCM_SETCURSEL, static_cast<WPARAM>(index))); }
  bool DeleteAllItems() { return SendMessage(TCM_DELETEALLITEMS) != 0; }
  bool GetItemRect(int index, RECT& rect) const {
    return SendMessage(TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect)) != 0;
  }
  // The display area of a window rectangle (larger = false), or the reverse.
  void AdjustRect(bool larger, RECT& rect) const { SendMessage(TCM_ADJUSTRECT, larger, reinterpret_cast<LPARAM>(&rect)); }

 protected:
  const wchar_t* ClassName() const override { return WC_TABCONTROLW; }
};
