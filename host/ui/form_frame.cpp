#include "ui/form_frame.h"

#include "ui/view_font.h"

namespace host {
namespace {

constexpr wchar_t kFrameClass[] = L"ParentalHostFormFrame";

struct Frame {
  IDialogView* view;
  HWND form = nullptr;
  bool closing = false;
};
Frame* g_current = nullptr;  // forms run one at a time on the host's thread

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* frame = reinterpret_cast<Frame*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_COMMAND:  // Enter and Esc arrive here through IsDialogMessage: they belong to the form
      if (frame && frame->form && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) && !lParam) {
        HWND button = GetDlgItem(frame->form, LOWORD(wParam));
        if (!button || IsWindowEnabled(button))
          SendMessageW(frame->form, WM_COMMAND, MAKEWPARAM(LOWORD(wParam), BN_CLICKED), LPARAM(button));
        return 0;
      }
      break;
    case WM_NEXTDLGCTL: {  // a label's access key: IsDialogMessage asks the frame to move the focus
      HWND next = lParam ? HWND(wParam) : GetNextDlgTabItem(window, GetFocus(), BOOL(wParam));
      if (next) SetFocus(next);
      if (next && (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)) SendMessageW(next, EM_SETSEL, 0, -1);
      return 0;
    }
    case WM_CLOSE:  // the form ended, or the user closed the frame (Cancel)
      if (frame) {
        if (frame->view->GetResult() == kDialogRunning && frame->form)
          SendMessageW(frame->form, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        frame->closing = true;
      }
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterFrameClass() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSEXW cls{};
  cls.cbSize = sizeof(cls);
  cls.lpfnWndProc = &FrameProc;
  cls.hInstance = GetModuleHandleW(nullptr);
  cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  cls.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  cls.lpszClassName = kFrameClass;
  registered = RegisterClassExW(&cls) != 0;
}

// Sizes the frame around the form and centres it over the owner.
void FitAround(HWND frame, HWND form, HWND owner) {
  RECT inner;
  GetWindowRect(form, &inner);
  RECT outer{0, 0, inner.right - inner.left, inner.bottom - inner.top};
  AdjustWindowRectEx(&outer, DWORD(GetWindowLongPtrW(frame, GWL_STYLE)), FALSE,
                     DWORD(GetWindowLongPtrW(frame, GWL_EXSTYLE)));
  RECT around{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (owner) GetWindowRect(owner, &around);
  const int width = outer.right - outer.left, height = outer.bottom - outer.top;
  SetWindowPos(frame, nullptr, around.left + (around.right - around.left - width) / 2,
               around.top + (around.bottom - around.top - height) / 2, width, height, SWP_NOZORDER);
  SetWindowPos(form, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

}  // namespace

HWND CurrentForm() { return g_current ? g_current->form : nullptr; }

std::int64_t RunFormFrame(IDialogView* view, HWND owner) {
  if (!view) return -1;
  RegisterFrameClass();
  owner = owner ? GetAncestor(owner, GA_ROOT) : nullptr;
  HWND window = CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, kFrameClass, L"",
                                WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 100, 100, owner, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  if (!window) return -1;
  Frame frame{view};
  SetWindowLongPtrW(window, GWLP_USERDATA, LONG_PTR(&frame));
  if (!view->CreateView(window, u"", true, &ApplyHostDialogFont) || !view->GetWindow()) {
    DestroyWindow(window);
    return -1;
  }
  Frame* outer = g_current;
  g_current = &frame;
  frame.form = static_cast<HWND>(view->GetWindow());
  wchar_t title[256] = {};
  GetWindowTextW(frame.form, title, 256);
  SetWindowTextW(window, title);
  FitAround(window, frame.form, owner);
  ShowWindow(frame.form, SW_SHOW);
  if (owner) EnableWindow(owner, FALSE);
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  if (HWND first = GetNextDlgTabItem(frame.form, nullptr, FALSE)) SetFocus(first);  // not the frame itself

  MSG message{};
  while (!frame.closing && GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (message.message == WM_QUIT && frame.closing == false) PostQuitMessage(int(message.wParam));
  g_current = outer;
  if (owner) EnableWindow(owner, TRUE);  // before the frame goes, so that activation returns to the owner
  DestroyWindow(window);
  const std::uint32_t result = view->GetResult();
  return result == kDialogRunning ? kDialogCancel : result;
}

}  // namespace host
