// Scrolling the category grid: steps, bounds, the thumb and the wheel.
#include <gtest/gtest.h>

#include "ui/dialogs/grid_scroll.h"

namespace {

using parental::corvui::GridScroll;
using parental::corvui::ScrollCode;

int Scroll(GridScroll s, ScrollCode code, int thumb = 0) { return s.Scrolled(static_cast<int>(code), thumb); }

TEST(GridScroll, StepsStopAtTheTopAndWhereTheEndComesIntoView) {
  const GridScroll top{0, 300, 1000};  // line 10, page 100, last position 700
  EXPECT_EQ(Scroll(top, ScrollCode::LineUp), 0);
  EXPECT_EQ(Scroll(top, ScrollCode::PageUp), 0);
  EXPECT_EQ(Scroll(top, ScrollCode::LineDown), 10);
  EXPECT_EQ(Scroll(top, ScrollCode::PageDown), 100);
  EXPECT_EQ(Scroll({55, 300, 1000}, ScrollCode::PageUp), 0);
  EXPECT_EQ(Scroll({655, 300, 1000}, ScrollCode::PageDown), 700);
  EXPECT_EQ(Scroll({695, 300, 1000}, ScrollCode::LineDown), 700);
  EXPECT_EQ(Scroll({750, 300, 1000}, ScrollCode::LineDown), 750) << "never further down, nor back";
  EXPECT_EQ(Scroll({0, 1200, 1000}, ScrollCode::PageDown), 0) << "all of it in view";
  EXPECT_EQ(Scroll({0, 40, 90}, ScrollCode::LineDown), 1) << "short content still moves a pixel a line";
  EXPECT_EQ(Scroll({50, 40, 90}, ScrollCode::LineDown), 50);
}

TEST(GridScroll, TheThumbJumpsWithinTheRangeAndOtherCodesChangeNothing) {
  const GridScroll s{100, 300, 1000};
  EXPECT_EQ(Scroll(s, ScrollCode::ThumbTrack, 420), 420);
  EXPECT_EQ(Scroll(s, ScrollCode::ThumbPosition, 900), 700);
  EXPECT_EQ(s.Scrolled(8, 0), 100);  // end of scrolling
  EXPECT_EQ(s.Scrolled(6, 0), 100);  // top
  EXPECT_EQ(s.Wheeled(-120), 200);
  EXPECT_EQ(s.Wheeled(120), 0);
}

}  // namespace
