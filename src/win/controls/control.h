#pragma once
// What the one-message control wrappers share: creation of a control of a system class as
// a child window, and text passed as UTF-16 without copies.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>

#include "win/window.h"

inline LPARAM TextParam(const char16_t* text) { return reinterpret_cast<LPARAM>(text); }
inline wchar_t* WideBuffer(std::u16string& buffer) { return reinterpret_cast<wchar_t*>(buffer.data()); }

// A child control of `className`; WS_CHILD is added to `style`.
class CControl : public CWnd {
 public:
  bool Create(DWORD style, const RECT& rect, HWND parent, UINT id, DWORD exStyle = 0) {
    return CreateEx(exStyle, ClassName(), L"", style | WS_CHILD, rect, parent, id);
  }

 protected:
  virtual const wchar_t* ClassName() const = 0;
};
