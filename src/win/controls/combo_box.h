#pragma once
// The combo box: one message per method.
#include "win/controls/control.h"

class CComboBox : public CControl {
 public:
  int AddString(const char16_t* text) { return static_cast<int>(SendMessage(CB_ADDSTRING, 0, TextParam(text))); }
  int InsertString(int index, const char16_t* text) {
    return static_cast<int>(SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(index), TextParam(text)));
  }
  int DeleteString(int index) { return static_cast<int>(SendMessage(CB_DELETESTRING, static_cast<WPARAM>(index))); }
  void ResetContent() { SendMessage(CB_RESETCONTENT); }
  int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
  int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
  int SetCurSel(int index) { return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index))); }
  LRESULT GetItemData(int index) const { return SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(index)); }
  int SetItemData(int index, LPARAM data) {
    return static_cast<int>(SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(index), data));
  }
  int FindStringExact(int after, const char16_t* text) const {
    return static_cast<int>(SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(after), TextParam(text)));
  }
  std::u16string GetLBText(int index) const {
    const LRESULT length = SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length < 0) return {};
    std::u16string text(static_cast<size_t>(length) + 1, u'\0');
    text.resize(static_cast<size_t>(std::max<LRESULT>(
        0, SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(WideBuffer(text))))));
    return text;
  }

 protected:
  const wchar_t* ClassName() const override { return WC_COMBOBOXW; }
};
