#pragma once
// The list box: one message per method.
#include "win/controls/control.h"

class CListBox : public CControl {
 public:
  int AddString(const char16_t* text) { return static_cast<int>(SendMessage(LB_ADDSTRING, 0, TextParam(text))); }
  int InsertString(int index, const char16_t* text) {
    return static_cast<int>(SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(index), TextParam(text)));
  }
  int DeleteString(int index) { return static_cast<int>(SendMessage(LB_DELETESTRING, static_cast<WPARAM>(index))); }
  void ResetContent() { SendMessage(LB_RESETCONTENT); }
  int GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
  int GetCurSel() const { return static_cast<int>(SendMessage(LB_GETCURSEL)); }
  int SetCurSel(int index) { return static_cast<int>(SendMessage(LB_SETCURSEL, static_cast<WPARAM>(index))); }
  int GetTopIndex() const { return static_cast<int>(SendMessage(LB_GETTOPINDEX)); }
  LRESULT GetItemData(int index) const { return SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(index)); }
  int SetItemData(int index, LPARAM data) {
    return static_cast<int>(SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(index), data));
  }
  bool GetItemRect(int index, RECT& rect) const {
    return SendMessage(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect)) != LB_ERR;
  }
  int SetItemHeight(int index, int height) {
    return static_cast<int>(SendMessage(LB_SETITEMHEIGHT, static_cast<WPARAM>(index), MAKELPARAM(height, 0)));
  }
  // The item nearest a client point: low word the index, high word 1 when outside every item.
  DWORD ItemFromPoint(POINT point) const {
    return static_cast<DWORD>(SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y)));
  }

 protected:
  const wchar_t* ClassName() const override { return WC_LISTBOXW; }
};
