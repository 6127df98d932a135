#include "ui/dialogs/grid_scroll.h"

#include <algorithm>

namespace parental::corvui {

int GridScroll::Scrolled(int code, int thumb) const {
  // A line is at least one pixel, so that the arrows move short content too.
  const int line = std::max(content / 100, 1), page = content / 10;
  const int last = std::max(content - visible, 0);
  switch (static_cast<ScrollCode>(code)) {
    case ScrollCode::LineUp:
      return position - std::min(line, position);
    case ScrollCode::PageUp:
      return position - std::min(page, position);
    case ScrollCode::LineDown:
      return position + std::clamp(last - position, 0, line);
    case ScrollCode::PageDown:
      return position + std::clamp(last - position, 0, page);
    case ScrollCode::ThumbPosition:
    case ScrollCode::ThumbTrack:
      return std::clamp(thumb, 0, last);
  }
  return position;
}

}  // namespace parental::corvui
