#include "win/window.h"

#include <algorithm>

#include "win/data_exchange.h"
#include "win/message_filter.h"
#include "win/module_context.h"

namespace {

const wchar_t kObjectProperty[] = L"parental.window";

// The object whose window CreateEx is creating, for the class procedure's WM_NCCREATE.
thread_local CWnd* t_creating = nullptr;

}  // namespace

CWnd::~CWnd() { ReleaseWindow(); }

void CWnd::ReleaseWindow() {
  if (!hwnd_) return;
  if (owned_) {
    DestroyWindow();
  } else {
    UnsubclassWindow();
  }
}

CWnd* CWnd::FromHandle(HWND window) {
  return window ? static_cast<CWnd*>(GetPropW(window, kObjectProperty)) : nullptr;
}

WNDPROC CWnd::ClassProcedure() { return &StaticWindowProc; }

void CWnd::Attach(HWND window) {
  hwnd_ = window;
  SetPropW(window, kObjectProperty, this);
  MessageFilter::WindowAttached();
}

void CWnd::Detach() {
  if (!hwnd_) return;
  RemovePropW(hwnd_, kObjectProperty);
  hwnd_ = nullptr;
  previous_ = nullptr;
  owned_ = false;
  MessageFilter::WindowDetached();
}

bool CWnd::CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* text, DWORD style, const RECT& rect,
                    HWND parent, UINT id) {
  if (hwnd_) return false;
  CWnd* outer = t_creating;
  t_creating = this;
  HWND window;
  {
    CreationScope scope;
    window = CreateWindowExW(exStyle, className, text, style, rect.left, rect.top, rect.right - rect.left,
                             rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                             PluginModule(), nullptr);
  }
  t_creating = outer;
  if (!window) return false;
  if (hwnd_ != window && !SubclassWindow(window)) {  // a class of the system's
    ::DestroyWindow(window);
    return false;
  }
  owned_ = true;
  return true;
}

bool CWnd::SubclassWindow(HWND window) {
  if (hwnd_ || !window || FromHandle(window)) return false;
  auto previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StaticWindowProc)));
  if (!previous) return false;
  // A window of one of our classes has our procedure already: its default is DefWindowProc.
  previous_ = previous == &StaticWindowProc ? nullptr : previous;
  Attach(window);
  return true;
}

HWND CWnd::UnsubclassWindow() {
  HWND window = hwnd_;
  if (!window) return nullptr;
  if (previous_ &&
      reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)) == &StaticWindowProc) {
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
  }
  Detach();
  return window;
}

void CWnd::DestroyWindow() {
  if (hwnd_) ::DestroyWindow(hwnd_);  // WM_NCDESTROY detaches
}

bool CWnd::UpdateData(bool saveAndValidate) {
  CDataExchange exchange(hwnd_, saveAndValidate);
  DoDataExchange(exchange);
  return !exchange.Failed();
}

std::u16string CWnd::GetWindowText() const {
  std::u16string text(static_cast<size_t>(std::max(0, GetWindowTextLengthW(hwnd_))) + 1, u'\0');
  text.resize(static_cast<size_t>(::GetWindowTextW(hwnd_, reinterpret_cast<LPWSTR>(text.data()),
                                                   static_cast<int>(text.size()))));
  return text;
}

RECT CWnd::GetClientRect() const {
  RECT rect{};
  ::GetClientRect(hwnd_, &rect);
  return rect;
}

RECT CWnd::GetWindowRect() const {
  RECT rect{};
  ::GetWindowRect(hwnd_, &rect);
  return rect;
}

LRESULT CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  const CurrentMessage outer = current_;
  current_ = {message, wParam, lParam};
  LRESULT result = WindowProc(message, wParam, lParam);
  current_ = outer;
  return result;
}

LRESULT CWnd::Default() { return DefaultProc(current_.message, current_.wParam, current_.lParam); }

LRESULT CWnd::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return previous_ ? CallWindowProcW(previous_, hwnd_, message, wParam, lParam)
                   : DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK CWnd::StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    ModuleScope scope;
    CWnd* object = FromHandle(window);
    if (!object && message == WM_NCCREATE && t_creating && !t_creating->hwnd_) {
      object = t_creating;
      object->Attach(window);
    }
    if (!object) return DefWindowProcW(window, message, wParam, lParam);
    if (message != WM_NCDESTROY) return object->Dispatch(message, wParam, lParam);
    LRESULT result = object->Dispatch(message, wParam, lParam);
    object->UnsubclassWindow();
    object->PostNcDestroy();  // may delete the object
    return result;
  } catch (...) {
    return 0;  // as at the host boundary: nothing escapes into the host's loop
  }
}
