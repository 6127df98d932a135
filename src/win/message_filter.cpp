#include "win/message_filter.h"

#include "frame/protocol/process.h"
#include "win/window.h"

namespace {

thread_local int t_windows = 0;
thread_local HHOOK t_hook = nullptr;

bool IsInput(UINT message) {
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST);
}

LRESULT CALLBACK GetMessageHook(int code, WPARAM removal, LPARAM lParam) {
  auto* message = reinterpret_cast<MSG*>(lParam);
  if (code == HC_ACTION && removal == PM_REMOVE && message && IsInput(message->message)) {
    try {
      ModuleScope scope;
      if (PreTranslateInput(message)) message->message = WM_NULL;
    } catch (...) {
    }
  }
  return CallNextHookEx(nullptr, code, removal, lParam);
}

}  // namespace

namespace MessageFilter {

void WindowAttached() {
  if (t_windows++ == 0 && !t_hook) {
    t_hook = SetWindowsHookExW(WH_GETMESSAGE, &GetMessageHook, nullptr, GetCurrentThreadId());
  }
}

void WindowDetached() {
  if (t_windows > 0 && --t_windows == 0 && t_hook) {
    UnhookWindowsHookEx(t_hook);
    t_hook = nullptr;
  }
}

bool Installed() { return t_hook != nullptr; }

}  // namespace MessageFilter

bool PreTranslateInput(MSG* message) {
  for (HWND window = message->hwnd; window;) {
    if (CWnd* object = CWnd::FromHandle(window); object && object->PreTranslateMessage(message)) return true;
    if (!(GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD)) break;
    window = GetParent(window);
  }
  return false;
}
