#pragma once
// Asks once for WM_MOUSELEAVE while the pointer moves over a window; after the message
// comes, the next move asks again.
#include <windows.h>

class LeaveTracker {
 public:
  void Moved(HWND window) {
    if (watching_) return;
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window, 0};
    watching_ = TrackMouseEvent(&track) != FALSE;
  }
  void Left() { watching_ = false; }

 private:
  bool watching_ = false;
};
