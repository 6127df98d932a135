#include "win/dpi.h"

namespace {

using SetContext = void*(WINAPI*)(void*);
using GetWindowDpi = UINT(WINAPI*)(HWND);

// DPI_AWARENESS_CONTEXT values, which older headers lack.
void* const kPerMonitorAwareV2 = reinterpret_cast<void*>(static_cast<LONG_PTR>(-4));
void* const kPerMonitorAware = reinterpret_cast<void*>(static_cast<LONG_PTR>(-3));

template <class Function>
Function User32Function(const char* name) {
  static HMODULE user32 = GetModuleHandleW(L"user32.dll");
  return user32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name))) : nullptr;
}

SetContext SetThreadContext() {
  static SetContext function = User32Function<SetContext>("SetThreadDpiAwarenessContext");
  return function;
}

}  // namespace

ThreadDpiScope::ThreadDpiScope() {
  SetContext set = SetThreadContext();
  if (!set) return;
  previous_ = set(kPerMonitorAwareV2);
  if (!previous_) previous_ = set(kPerMonitorAware);  // Wine refuses version 2 (error 87)
}

ThreadDpiScope::~ThreadDpiScope() {
  if (previous_) SetThreadContext()(previous_);
}

UINT DpiOf(HWND window) {
  static GetWindowDpi forWindow = User32Function<GetWindowDpi>("GetDpiForWindow");
  if (forWindow && window) {
    if (UINT dpi = forWindow(window)) return dpi;
  }
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

int SystemMetricForDpi(int index, UINT dpi) {
  using MetricsForDpi = int(WINAPI*)(int, UINT);
  static MetricsForDpi forDpi = User32Function<MetricsForDpi>("GetSystemMetricsForDpi");
  return forDpi ? forDpi(index, dpi) : GetSystemMetrics(index);
}
