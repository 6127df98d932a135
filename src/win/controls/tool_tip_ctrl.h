#pragma once
// The tool tip control: one message per method. Tools are windows (their identifier is the
// window handle) or rectangles of a window with a number.
#include "win/controls/control.h"

class CToolTipCtrl : public CWnd {
 public:
  // A top-level tip window owned by `owner`.
  bool Create(HWND owner, DWORD style = TTS_ALWAYSTIP | TTS_NOPREFIX) {
    return CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | style, RECT{}, owner, 0);
  }
  bool AddTool(HWND tool, const char16_t* text) {
    TOOLINFOW info = ToolInfo(::GetParent(tool), reinterpret_cast<UINT_PTR>(tool), TTF_IDISHWND | TTF_SUBCLASS, text);
    return SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) != 0;
  }
  bool AddTool(HWND window, UINT_PTR id, const RECT& rect, const char16_t* text) {
    TOOLINFOW info = ToolInfo(window, id, 0, text);
    info.rect = rect;
    return SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) != 0;
  }
  void DelTool(HWND window, UINT_PTR id) {
    TOOLINFOW info = ToolInfo(window, id, 0, nullptr);
    SendMessage(TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  }
  void UpdateTipText(HWND window, UINT_PTR id, const char16_t* text) {
    TOOLINFOW info = ToolInfo(window, id, 0, text);
    SendMessage(TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
  }
  void SetToolRect(HWND window, UINT_PTR id, const RECT& rect) {
    TOOLINFOW info = ToolInfo(window, id, 0, nullptr);
    info.rect = rect;
    SendMessage(TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
  }
    int GetToolCount() const { return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT)); }
  void Activate(bool active) { SendMessage(TTM_ACTIVATE, active); }
  void RelayEvent(MSG* message) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(message)); }
  int SetMaxTipWidth(int width) { return static_cast<int>(SendMessage(TTM_SETMAXTIPWIDTH, 0, width)); }
  void SetDelayTime(DWORD which, int milliseconds) { SendMessage(TTM_SETDELAYTIME, which, MAKELPARAM(milliseconds, 0)); }
  void Pop() { SendMessage(TTM_POP); }

 private:
  static TOOLINFOW ToolInfo(HWND window, UINT_PTR id, UINT flags, const char16_t* text) {
    TOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.uFlags = flags;
    info.hwnd = window;
    info.uId = id;
    info.lpszText = const_cast<LPWSTR>(reinterpret_cast<LPCWSTR>(text));
    return info;
  }
};
