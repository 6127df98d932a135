#pragma once
// Vertical scrolling of the category grid: the position runs from 0 to the content's
// height; a line is a hundredth of the content (at least one pixel) and a page a tenth.
namespace parental::corvui {

// The scroll bar's request codes, as the system numbers them.
enum class ScrollCode { LineUp = 0, LineDown = 1, PageUp = 2, PageDown = 3, ThumbPosition = 4, ThumbTrack = 5 };

struct GridScroll {
  int position = 0;
  int visible = 0;  // height of the window that shows the grid
  int content = 0;  // height of the grid

  // The position after a request: up by at most the position, down no further than where
  // the grid's end comes into view, the thumb where it is dragged; other codes change nothing.
  int Scrolled(int code, int thumb) const;
  // A wheel turn towards the user scrolls a page down, away from the user a page up.
  int Wheeled(int delta) const {
    return Scrolled(static_cast<int>(delta < 0 ? ScrollCode::PageDown : ScrollCode::PageUp), 0);
  }
};

}  // namespace parental::corvui
