#pragma once
// CResizer: keeps a parent's controls anchored as the parent changes size. The rectangles
// come from resizer_layout.h; this part records the windows, moves them and invalidates.
#include <windows.h>

#include <cstdint>

#include "ui/controls/resizer_layout.h"

class CResizer {
 public:
  explicit CResizer(std::uint32_t options = 0) : layout_(options) {}
  CResizer(const CResizer&) = delete;
  CResizer& operator=(const CResizer&) = delete;

  // Registers a child of `parent` with its anchor flags (ResizerFlags); its rectangle and,
  // the first time, the parent's client size are taken now. False for a window that is
  // not a child of the parent, or a parent other than the first.
  bool Add(HWND parent, HWND control, std::uint32_t flags);
  bool Add(HWND parent, int controlId, std::uint32_t flags) {
    return Add(parent, ::GetDlgItem(parent, controlId), flags);
  }

  // Moves every control for the parent's current size (call it from the parent's WM_SIZE).
  // Nothing while the parent is minimised.
  void Layout();

 private:
  ResizerLayout layout_;
  HWND parent_ = nullptr;
};
