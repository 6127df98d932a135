// CWnd::WindowProc: one switch that only takes messages apart and delegates to the typed
// handlers; each handler's default passes the message on unchanged.
#include "win/window.h"

namespace {

// Signed client or screen coordinates of a mouse message.
POINT PointOf(LPARAM lParam) {
  return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace

bool CWnd::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  HWND child = nullptr;
  switch (message) {
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      if (item->CtlType != ODT_MENU) child = item->hwndItem;
      break;
    }
    case WM_MEASUREITEM: {
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (item->CtlType != ODT_MENU) child = ::GetDlgItem(hwnd_, static_cast<int>(item->CtlID));
      break;
    }
    case WM_DELETEITEM: child = reinterpret_cast<DELETEITEMSTRUCT*>(lParam)->hwndItem; break;
    case WM_COMPAREITEM: child = reinterpret_cast<COMPAREITEMSTRUCT*>(lParam)->hwndItem; break;
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM: child = reinterpret_cast<HWND>(lParam); break;
    default: return false;
  }
  CWnd* control = FromHandle(child);
  return control && control != this && control->OnChildNotify(message, wParam, lParam, result);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  const UINT low = LOWORD(wParam), high = HIWORD(wParam);
  LRESULT reflected = 0;
  if (ReflectToChild(message, wParam, lParam, &reflected)) return reflected;
  switch (message) {
    case WM_CREATE: return OnCreate(reinterpret_cast<CREATESTRUCTW*>(lParam));
    case WM_DESTROY: OnDestroy(); return 0;
    case WM_SIZE: OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return OnEraseBkgnd(reinterpret_cast<HDC>(wParam));
    case WM_SETCURSOR: return OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam), HIWORD(lParam));
    case WM_MOUSEMOVE: OnMouseMove(static_cast<UINT>(wParam), PointOf(lParam)); return 0;
    case WM_MOUSELEAVE: OnMouseLeave(); return 0;
    case WM_LBUTTONDOWN: OnLButtonDown(static_cast<UINT>(wParam), PointOf(lParam)); return 0;
    case WM_LBUTTONUP: OnLButtonUp(static_cast<UINT>(wParam), PointOf(lParam)); return 0;
    case WM_LBUTTONDBLCLK: OnLButtonDblClk(static_cast<UINT>(wParam), PointOf(lParam)); return 0;
    case WM_RBUTTONDOWN: OnRButtonDown(static_cast<UINT>(wParam), PointOf(lParam)); return 0;
    case WM_KEYDOWN: OnKeyDown(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_CHAR: OnChar(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_GETDLGCODE: return OnGetDlgCode(reinterpret_cast<MSG*>(lParam));
    case WM_SETFOCUS: OnSetFocus(reinterpret_cast<HWND>(wParam)); return 0;
    case WM_KILLFOCUS: OnKillFocus(reinterpret_cast<HWND>(wParam)); return 0;
    case WM_TIMER: OnTimer(wParam); return 0;
    case WM_CAPTURECHANGED: OnCaptureChanged(reinterpret_cast<HWND>(lParam)); return 0;
    case WM_COMMAND: return OnCommand(low, high, reinterpret_cast<HWND>(lParam)) ? 0 : Default();
    case WM_NOTIFY: return OnNotify(static_cast<int>(wParam), reinterpret_cast<NMHDR*>(lParam));
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return reinterpret_cast<LRESULT>(OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), message));
    case WM_DRAWITEM: OnDrawItem(static_cast<int>(wParam), reinterpret_cast<DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case WM_MEASUREITEM: OnMeasureItem(static_cast<int>(wParam), reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)); return TRUE;
    case WM_DELETEITEM: OnDeleteItem(static_cast<int>(wParam), reinterpret_cast<DELETEITEMSTRUCT*>(lParam)); return TRUE;
    case WM_VKEYTOITEM: return OnVKeyToItem(low, reinterpret_cast<HWND>(lParam), high);
    case WM_SYSCOMMAND: OnSysCommand(static_cast<UINT>(wParam), lParam); return 0;
    case WM_HELP: return OnHelp(reinterpret_cast<HELPINFO*>(lParam));
    case WM_CONTEXTMENU: OnContextMenu(reinterpret_cast<HWND>(wParam), PointOf(lParam)); return 0;
    case WM_GETOBJECT: return OnGetObject(wParam, lParam);
    case WM_SHOWWINDOW: OnShowWindow(wParam != 0, static_cast<UINT>(lParam)); return 0;
    case WM_HSCROLL: OnHScroll(low, high, reinterpret_cast<HWND>(lParam)); return 0;
    case WM_VSCROLL: OnVScroll(low, high, reinterpret_cast<HWND>(lParam)); return 0;
    default: return Default();
  }
}

int CWnd::OnCreate(CREATESTRUCTW*) { return static_cast<int>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnPaint() { Default(); }
bool CWnd::OnEraseBkgnd(HDC) { return Default() != 0; }
bool CWnd::OnSetCursor(HWND, UINT, UINT) { return Default() != 0; }
void CWnd::OnMouseMove(UINT, POINT) { Default(); }
void CWnd::OnMouseLeave() { Default(); }
void CWnd::OnLButtonDown(UINT, POINT) { Default(); }
void CWnd::OnLButtonUp(UINT, POINT) { Default(); }
void CWnd::OnLButtonDblClk(UINT, POINT) { Default(); }
void CWnd::OnRButtonDown(UINT, POINT) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
UINT CWnd::OnGetDlgCode(MSG*) { return static_cast<UINT>(Default()); }
void CWnd::OnSetFocus(HWND) { Default(); }
void CWnd::OnKillFocus(HWND) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnCaptureChanged(HWND) { Default(); }
bool CWnd::OnCommand(int, int, HWND) { return false; }
LRESULT CWnd::OnNotify(int, NMHDR*) { return Default(); }
HBRUSH CWnd::OnCtlColor(HDC, HWND, UINT) { return reinterpret_cast<HBRUSH>(Default()); }
void CWnd::OnDrawItem(int, DRAWITEMSTRUCT*) { Default(); }
void CWnd::OnMeasureItem(int, MEASUREITEMSTRUCT*) { Default(); }
void CWnd::OnDeleteItem(int, DELETEITEMSTRUCT*) { Default(); }
int CWnd::OnVKeyToItem(UINT, HWND, UINT) { return static_cast<int>(Default()); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
bool CWnd::OnHelp(HELPINFO*) { return Default() != 0; }
void CWnd::OnContextMenu(HWND, POINT) { Default(); }
LRESULT CWnd::OnGetObject(WPARAM, LPARAM) { return Default(); }
void CWnd::OnShowWindow(bool, UINT) { Default(); }
void CWnd::OnHScroll(UINT, UINT, HWND) { Default(); }
void CWnd::OnVScroll(UINT, UINT, HWND) { Default(); }
