#pragma once
// The plain controls: static, button, edit. One message per method.
#include "win/controls/control.h"

class CStatic : public CControl {
 public:
  HICON SetIcon(HICON icon) { return reinterpret_cast<HICON>(SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(icon))); }
  HBITMAP SetBitmap(HBITMAP bitmap) {
    return reinterpret_cast<HBITMAP>(SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
  }

 protected:
  const wchar_t* ClassName() const override { return WC_STATICW; }
};

class CButton : public CControl {
 public:
  int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
  void SetCheck(int state) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(state)); }
  void Click() { SendMessage(BM_CLICK); }
  bool GetIdealSize(SIZE& size) const { return SendMessage(BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&size)) != 0; }

 protected:
  const wchar_t* ClassName() const override { return WC_BUTTONW; }
};

class CEdit : public CControl {
 public:
  void SetSel(int start, int end) { SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end); }
  void LimitText(int characters) { SendMessage(EM_SETLIMITTEXT, static_cast<WPARAM>(characters)); }
  bool GetModify() const { return SendMessage(EM_GETMODIFY) != 0; }
  void SetModify(bool modified) { SendMessage(EM_SETMODIFY, modified); }
  void SetReadOnly(bool readOnly) { SendMessage(EM_SETREADONLY, readOnly); }
  bool SetCueBanner(const char16_t* text) { return SendMessage(EM_SETCUEBANNER, FALSE, TextParam(text)) != 0; }

 protected:
  const wchar_t* ClassName() const override { return WC_EDITW; }
};
