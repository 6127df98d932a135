#pragma once
// The arithmetic of CResizer: where each registered control goes when its parent's client
// area changes size, from the rectangles recorded when the controls were added. No window
// is touched here; CResizer (resizer.h) moves and invalidates.
#include <cstdint>
#include <vector>

// Anchor flags of one control.
enum ResizerFlags : std::uint32_t {
  kResizeLeftFixed = 0x1,          // left edge stays
  kResizeRightToBorder = 0x2,      // right edge follows the right border
  kResizeTopFixed = 0x4,           // top edge stays
  kResizeBottomToBorder = 0x8,     // bottom edge follows the bottom border
  kResizeLeftToCentre = 0x10,      // left edge follows the horizontal centre
  kResizeRightToCentre = 0x20,     // right edge follows the horizontal centre
  kResizeTopToCentre = 0x40,       // top edge follows the vertical centre
  kResizeBottomToCentre = 0x80,    // bottom edge follows the vertical centre
  kResizeInvalidate = 0x10000,     // invalidate the control's area in the parent after moving
  kResizeInvalidateVisible = 0x20000,  // the same, only while the control is visible
};

// Option bits of a resizer.
enum ResizerOptions : std::uint32_t {
  kResizerDeferred = 0x1,      // move every control in one deferred batch
  kResizerClipChildren = 0x2,  // give the parent WS_CLIPCHILDREN when a control is added
  kResizerNeverInvalidate = 0x4,
};

struct ResizerRect {
  int left, top, right, bottom;
  bool operator==(const ResizerRect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
};

struct ResizerSize {
  int width, height;
};

// One scroll bar of the parent as GetScrollInfo reports it.
struct ResizerScroll {
  bool present = false;
  int position = 0, minimum = 0, maximum = 0;
};

enum class ResizerInvalidate { kNever, kAlways, kWhenVisible };

struct ResizerPlacement {
  std::uintptr_t window;
  ResizerRect rect;
  ResizerInvalidate invalidate;
};

class ResizerLayout {
 public:
  explicit ResizerLayout(std::uint32_t options = 0) : options_(options) {}

  // Registers a control with its rectangle in parent client coordinates; the parent's
  // client size is recorded the first time.
  void Add(std::uintptr_t window, std::uint32_t flags, ResizerRect initial, ResizerSize parentClient);

  // Where every control goes for the parent's current client size, with the parent's scroll
  // offsets applied. Nothing while the parent is minimised or before a size is known.
  std::vector<ResizerPlacement> Layout(ResizerSize client, ResizerScroll horizontal,
                                       ResizerScroll vertical, bool minimised) const;

  std::uint32_t Options() const { return options_; }
  std::size_t Count() const { return entries_.size(); }

 private:
  struct Entry {
    std::uintptr_t window;
    std::uint32_t flags;
    ResizerRect initial;
  };
  std::vector<Entry> entries_;
  ResizerSize initialClient_{0, 0};
  bool known_ = false;
  std::uint32_t options_;
};

// The offset that a scroll bar's position gives the content along an extent: position ×
// extent / range, negated; 0 without a scroll bar or range.
int ResizerScrollOffset(const ResizerScroll& scroll, int extent);
