#pragma once
// DPI: the thread's awareness while the plug-in creates windows, and the scale of a
// window. Resolved at run time: systems without per-thread awareness keep the process's.
#include <windows.h>

// Makes the thread per-monitor aware for its lifetime (version 2 where the system accepts
// it, else version 1, which is all Wine 8 takes), then restores what was there.
class ThreadDpiScope {
 public:
  ThreadDpiScope();
  ~ThreadDpiScope();
  ThreadDpiScope(const ThreadDpiScope&) = delete;
  ThreadDpiScope& operator=(const ThreadDpiScope&) = delete;

 private:
  void* previous_ = nullptr;
};

// Sent to a top-level window whose DPI changed, and to a child after its parent's (newer
// systems only; the headers' target is older).
constexpr UINT kDpiChanged = 0x02E0;
constexpr UINT kDpiChangedAfterParent = 0x02E3;

// The window's DPI (the system's, or the screen's logical pixels, where the window's is unknown).
UINT DpiOf(HWND window);
// A system metric at `dpi` (GetSystemMetricsForDpi; where it is missing, the system's own).
int SystemMetricForDpi(int index, UINT dpi);
// A length given at 96 DPI, at `dpi`.
inline int ScaleToDpi(int length, UINT dpi) { return MulDiv(length, static_cast<int>(dpi), 96); }
