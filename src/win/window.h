#pragma once
// CWnd: the window base of the plug-in, standing where the framework's window class would.
// One static procedure serves every window: it finds the object attached to the window,
// keeps the plug-in's module context current, hands the message to the virtual
// WindowProc (which cracks it into the typed handlers below) and catches every exception.
// A window is attached when it is created through CreateEx (at WM_NCCREATE for classes
// of our own) or when an existing window is subclassed.
#include <windows.h>

#include <string>

class CDataExchange;

class CWnd {
 public:
  CWnd() = default;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;
  virtual ~CWnd();  // ReleaseWindow

  // The object attached to a window, or null.
  static CWnd* FromHandle(HWND window);
  // The procedure of classes registered through RegisterWindowClass.
  static WNDPROC ClassProcedure();

  HWND GetSafeHwnd() const { return hwnd_; }
  operator HWND() const { return hwnd_; }

  // Creates a window of a registered class (ours or the system's) and attaches it.
  virtual bool CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* text, DWORD style,
                        const RECT& rect, HWND parent, UINT id);
  // Attaches an existing window: its messages come here first, then to its own procedure.
  bool SubclassWindow(HWND window);
  bool SubclassDlgItem(int id, HWND parent) { return SubclassWindow(::GetDlgItem(parent, id)); }
  // Gives the window its own procedure back and detaches it.
  HWND UnsubclassWindow();
  void DestroyWindow();

  // Lets a window see keyboard and mouse input before the host's loop dispatches it; true
  // means the message was used up. `message` may be changed. (See win/message_filter.h.)
  virtual bool PreTranslateMessage(MSG* message) { return false; }
  // Moves data between the controls and members (DoDataExchange); false when one failed.
  bool UpdateData(bool saveAndValidate = true);

  // One message each.
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::SendMessageW(hwnd_, message, wParam, lParam);
  }
  bool PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::PostMessageW(hwnd_, message, wParam, lParam) != FALSE;
  }
  HWND GetParent() const { return ::GetParent(hwnd_); }
  HWND GetDlgItem(int id) const { return ::GetDlgItem(hwnd_, id); }
  int GetDlgCtrlID() const { return ::GetDlgCtrlID(hwnd_); }
  std::u16string GetWindowText() const;
  void SetWindowText(const std::u16string& text) { ::SetWindowTextW(hwnd_, reinterpret_cast<LPCWSTR>(text.c_str())); }
  HFONT GetFont() const { return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)); }
  void SetFont(HFONT font, bool redraw = true) { SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw); }
  RECT GetClientRect() const;
  RECT GetWindowRect() const;
  void Invalidate(bool erase = false) { ::InvalidateRect(hwnd_, nullptr, erase); }
  void InvalidateRect(const RECT& rect, bool erase = false) { ::InvalidateRect(hwnd_, &rect, erase); }
  bool ShowWindow(int command) { return ::ShowWindow(hwnd_, command) != FALSE; }
  bool EnableWindow(bool enable = true) { return ::EnableWindow(hwnd_, enable) != FALSE; }
  bool IsWindowEnabled() const { return ::IsWindowEnabled(hwnd_) != FALSE; }
  bool IsWindowVisible() const { return ::IsWindowVisible(hwnd_) != FALSE; }
  HWND SetFocus() { return ::SetFocus(hwnd_); }
  bool HasFocus() const { return hwnd_ && ::GetFocus() == hwnd_; }
  bool MoveWindow(const RECT& rect, bool repaint = true) {
    return ::MoveWindow(hwnd_, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, repaint) != FALSE;
  }
  DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrW(hwnd_, GWL_STYLE)); }
  UINT_PTR SetTimer(UINT_PTR id, UINT milliseconds) { return ::SetTimer(hwnd_, id, milliseconds, nullptr); }
  bool KillTimer(UINT_PTR id) { return ::KillTimer(hwnd_, id) != FALSE; }

 protected:
  // Destroys a window created here, gives a subclassed one its own procedure back. A class
  // whose handlers must see the window go calls it in its own destructor (the base's
  // destructor runs when the derived handlers are no longer there).
  void ReleaseWindow();
  // Cracks a message into the handlers below (in message_cracker.cpp); override it only
  // for messages without a handler (registered messages, control messages).
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // The message being handled, to the window's default procedure.
  LRESULT Default();
  // Where Default sends a message: the subclassed procedure, or DefWindowProc.
  virtual LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);
  // After the last message (WM_NCDESTROY), once the window is detached.
  virtual void PostNcDestroy() {}
  virtual void DoDataExchange(CDataExchange& exchange) {}
  // A message about this control that its parent received (owner drawing, keys to items);
  // true when the control answered it, with the answer in `result`.
  virtual bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) { return false; }

  // Typed handlers; each one's default passes the message on (Default).
  virtual int OnCreate(CREATESTRUCTW* create);
  virtual void OnDestroy();
  virtual void OnSize(UINT type, int width, int height);
  virtual void OnPaint();
  virtual bool OnEraseBkgnd(HDC dc);
  virtual bool OnSetCursor(HWND window, UINT hitTest, UINT message);
  virtual void OnMouseMove(UINT flags, POINT point);
  virtual void OnMouseLeave();
  virtual void OnLButtonDown(UINT flags, POINT point);
  virtual void OnLButtonUp(UINT flags, POINT point);
  virtual void OnLButtonDblClk(UINT flags, POINT point);
  virtual void OnRButtonDown(UINT flags, POINT point);
  virtual void OnKeyDown(UINT key, UINT repeat, UINT flags);
  virtual void OnChar(UINT character, UINT repeat, UINT flags);
  virtual UINT OnGetDlgCode(MSG* message);
  virtual void OnSetFocus(HWND previous);
  virtual void OnKillFocus(HWND next);
  virtual void OnTimer(UINT_PTR id);
  virtual void OnCaptureChanged(HWND window);
  virtual bool OnCommand(int id, int code, HWND from);  // true: handled
  virtual LRESULT OnNotify(int id, NMHDR* header);
  virtual HBRUSH OnCtlColor(HDC dc, HWND control, UINT message);
  virtual void OnDrawItem(int id, DRAWITEMSTRUCT* item);
  virtual void OnMeasureItem(int id, MEASUREITEMSTRUCT* item);
  virtual void OnDeleteItem(int id, DELETEITEMSTRUCT* item);
  virtual int OnVKeyToItem(UINT key, HWND listBox, UINT caret);
  virtual void OnSysCommand(UINT command, LPARAM lParam);
  virtual bool OnHelp(HELPINFO* info);
  virtual void OnContextMenu(HWND window, POINT screen);
  virtual LRESULT OnGetObject(WPARAM flags, LPARAM objectId);
  virtual void OnShowWindow(bool show, UINT status);
  virtual void OnHScroll(UINT code, UINT position, HWND scrollBar);
  virtual void OnVScroll(UINT code, UINT position, HWND scrollBar);

 private:
  friend class CDialog;
  static LRESULT CALLBACK StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // Offers owner drawing and keys to items to the child control they concern first.
  bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  // Runs one message through WindowProc with it remembered for Default.
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  void Attach(HWND window);
  void Detach();

  struct CurrentMessage {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
  };
  HWND hwnd_ = nullptr;
  WNDPROC previous_ = nullptr;  // the subclassed procedure; null: DefWindowProc
  bool owned_ = false;          // created here, destroyed with the object
  CurrentMessage current_;
};
