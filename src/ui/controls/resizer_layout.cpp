#include "ui/controls/resizer_layout.h"

#include <algorithm>

namespace {

// Moves one dimension's edges (low = left or top, high = right or bottom) for a size
// difference. An edge that follows a border moves by the whole difference, one that
// follows the centre by half; where one edge carries both of its flags, the moving one
// counts. With only one edge anchored the control keeps its size; with neither it stays.
void MoveSpan(int& low, int& high, int delta, bool lowFixed, bool lowCentre, bool highBorder,
              bool highCentre) {
  bool lowAnchored = lowFixed || lowCentre;
  bool highAnchored = highBorder || highCentre;
  if (!lowAnchored && !highAnchored) return;
  int lowMove = lowCentre ? delta / 2 : 0;
  int highMove = highBorder ? delta : highCentre ? delta / 2 : 0;
  if (!lowAnchored) lowMove = highMove;
  if (!highAnchored) highMove = lowMove;
  low += lowMove;
  high = std::max(high + highMove, low);  // a parent smaller than at the start: no negative size
}

ResizerInvalidate InvalidateRule(std::uint32_t flags, std::uint32_t options) {
  if (options & kResizerNeverInvalidate) return ResizerInvalidate::kNever;
  if (flags & kResizeInvalidate) return ResizerInvalidate::kAlways;
  if (flags & kResizeInvalidateVisible) return ResizerInvalidate::kWhenVisible;
  return ResizerInvalidate::kNever;
}

}  // namespace

int ResizerScrollOffset(const ResizerScroll& scroll, int extent) {
  std::int64_t range = std::int64_t(scroll.maximum) - scroll.minimum;
  if (!scroll.present || range <= 0) return 0;
  return int(-(std::int64_t(scroll.position) - scroll.minimum) * extent / range);
}

void ResizerLayout::Add(std::uintptr_t window, std::uint32_t flags, ResizerRect initial,
                        ResizerSize parentClient) {
  if (!known_) {
    initialClient_ = parentClient;
    known_ = true;
  }
  entries_.push_back({window, flags, initial});
}

std::vector<ResizerPlacement> ResizerLayout::Layout(ResizerSize client, ResizerScroll horizontal,
                                                    ResizerScroll vertical, bool minimised) const {
  std::vector<ResizerPlacement> placements;
  if (minimised || !known_) return placements;
  int dx = client.width - initialClient_.width;
  int dy = client.height - initialClient_.height;
  int offsetX = ResizerScrollOffset(horizontal, client.width);
  int offsetY = ResizerScrollOffset(vertical, client.height);
  placements.reserve(entries_.size());
  for (const Entry& entry : entries_) {
    ResizerRect r = entry.initial;
    std::uint32_t f = entry.flags;
    MoveSpan(r.left, r.right, dx, f & kResizeLeftFixed, f & kResizeLeftToCentre,
             f & kResizeRightToBorder, f & kResizeRightToCentre);
    MoveSpan(r.top, r.bottom, dy, f & kResizeTopFixed, f & kResizeTopToCentre,
             f & kResizeBottomToBorder, f & kResizeBottomToCentre);
    r = {r.left + offsetX, r.top + offsetY, r.right + offsetX, r.bottom + offsetY};
    placements.push_back({entry.window, r, InvalidateRule(f, options_)});
  }
  return placements;
}
