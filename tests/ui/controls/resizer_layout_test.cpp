// Where CResizer puts its controls: every anchor flag and option bit, centre anchors,
// the parent's scroll offsets and a minimised parent.
#include "ui/controls/resizer_layout.h"

#include <gtest/gtest.h>

namespace {

constexpr ResizerRect kStart{100, 50, 160, 70};  // 60 x 20 in a 400 x 300 parent
constexpr ResizerSize kParent{400, 300};
constexpr ResizerScroll kNoScroll{};

// The rectangle one control with `flags` gets when the parent grows to `client`.
ResizerRect Place(std::uint32_t flags, ResizerSize client, std::uint32_t options = 0) {
  ResizerLayout layout(options);
  layout.Add(7, flags, kStart, kParent);
  auto placements = layout.Layout(client, kNoScroll, kNoScroll, false);
  EXPECT_EQ(placements.size(), 1u);
  return placements.empty() ? ResizerRect{} : placements[0].rect;
}

TEST(ResizerLayout, EachEdgeFollowsWhatItsFlagsSay) {
  ResizerSize grown{500, 340};  // 100 wider, 40 higher
  EXPECT_EQ(Place(0, grown), kStart);
  EXPECT_EQ(Place(0xF, grown), (ResizerRect{100, 50, 260, 110}));  // stretches
  EXPECT_EQ(Place(0xA, grown), (ResizerRect{200, 90, 260, 110}));  // moves with the lower right corner
  EXPECT_EQ(Place(0x5, grown), kStart);                             // stays at the upper left
  EXPECT_EQ(Place(0x1, grown), kStart);
  EXPECT_EQ(Place(0x2, grown), (ResizerRect{200, 50, 260, 70}));   // keeps its width
  EXPECT_EQ(Place(0x8, grown), (ResizerRect{100, 90, 160, 110}));  // keeps its height
  EXPECT_EQ(Place(0x4 | 0x8, grown), (ResizerRect{100, 50, 160, 110}));
  // Shrinking moves the same way, and a stretched control never turns inside out.
  EXPECT_EQ(Place(0xF, {350, 290}), (ResizerRect{100, 50, 110, 60}));
  EXPECT_EQ(Place(0xF, {300, 200}), (ResizerRect{100, 50, 100, 50}));
}

TEST(ResizerLayout, CentreAnchorsMoveByHalfTheDifference) {
  ResizerSize grown{500, 340};
  EXPECT_EQ(Place(0x10 | 0x20, grown), (ResizerRect{150, 50, 210, 70}));  // centred, same width
  EXPECT_EQ(Place(0x10, grown), (ResizerRect{150, 50, 210, 70}));         // one side: keeps its size
  EXPECT_EQ(Place(0x20, grown), (ResizerRect{150, 50, 210, 70}));
  EXPECT_EQ(Place(0x1 | 0x20, grown), (ResizerRect{100, 50, 210, 70}));   // left half of the parent
  EXPECT_EQ(Place(0x10 | 0x2, grown), (ResizerRect{150, 50, 260, 70}));   // right half
  EXPECT_EQ(Place(0x40 | 0x80, grown), (ResizerRect{100, 70, 160, 90}));
  EXPECT_EQ(Place(0x4 | 0x80, grown), (ResizerRect{100, 50, 160, 90}));
  EXPECT_EQ(Place(0x40 | 0x8, grown), (ResizerRect{100, 70, 160, 110}));
  // An edge with both of its flags moves.
  EXPECT_EQ(Place(0x1 | 0x10 | 0x2, grown), (ResizerRect{150, 50, 260, 70}));
  EXPECT_EQ(Place(0x1 | 0x2 | 0x20, grown), (ResizerRect{100, 50, 260, 70}));
  // Odd differences: both centre edges move by the same half, so the width stays.
  EXPECT_EQ(Place(0x30, {401, 300}), kStart);
  EXPECT_EQ(Place(0x30, {397, 300}), (ResizerRect{99, 50, 159, 70}));
}

TEST(ResizerLayout, InvalidationFollowsTheFlagsUnlessTheOptionsForbidIt) {
  ResizerLayout layout;
  layout.Add(1, 0xF, kStart, kParent);
  layout.Add(2, 0xF | kResizeInvalidate, kStart, kParent);
  layout.Add(3, 0xF | kResizeInvalidateVisible, kStart, kParent);
  auto placements = layout.Layout({420, 300}, kNoScroll, kNoScroll, false);
  ASSERT_EQ(placements.size(), 3u);
  EXPECT_EQ(placements[0].invalidate, ResizerInvalidate::kNever);
  EXPECT_EQ(placements[1].invalidate, ResizerInvalidate::kAlways);
  EXPECT_EQ(placements[2].invalidate, ResizerInvalidate::kWhenVisible);
  EXPECT_EQ(placements[2].window, 3u);

  ResizerLayout quiet(kResizerDeferred | kResizerNeverInvalidate);
  quiet.Add(1, 0xF | kResizeInvalidate | kResizeInvalidateVisible, kStart, kParent);
  EXPECT_EQ(quiet.Layout({420, 300}, kNoScroll, kNoScroll, false)[0].invalidate, ResizerInvalidate::kNever);
}

TEST(ResizerLayout, TheFirstParentSizeIsTheReference) {
  ResizerLayout layout;
  layout.Add(1, 0xA, kStart, kParent);
  layout.Add(2, 0xA, {10, 10, 20, 20}, {999, 999});  // a later size does not replace it
  auto placements = layout.Layout({410, 310}, kNoScroll, kNoScroll, false);
  ASSERT_EQ(placements.size(), 2u);
  EXPECT_EQ(placements[1].rect, (ResizerRect{20, 20, 30, 30}));
}

TEST(ResizerLayout, NothingMovesWhileTheParentIsMinimisedOrBeforeASizeIsKnown) {
  ResizerLayout empty;
  EXPECT_TRUE(empty.Layout({500, 500}, kNoScroll, kNoScroll, false).empty());
  ResizerLayout layout;
  layout.Add(1, 0xF, kStart, kParent);
  EXPECT_TRUE(layout.Layout({0, 0}, kNoScroll, kNoScroll, true).empty());
  EXPECT_EQ(layout.Layout({400, 300}, kNoScroll, kNoScroll, false)[0].rect, kStart);  // restored
}

TEST(ResizerLayout, ScrolledParentsShiftEveryControlAgainstTheScroll) {
  // Scrolled a quarter down a range of 1000 in a client 300 high: 75 pixels up.
  ResizerScroll vertical{true, 250, 0, 1000};
  ResizerScroll horizontal{true, 50, 0, 400};  // an eighth of 400: 50 pixels left
  ResizerLayout layout;
  layout.Add(1, 0x5, kStart, kParent);
  auto placements = layout.Layout(kParent, horizontal, vertical, false);
  EXPECT_EQ(placements[0].rect, (ResizerRect{50, -25, 110, -5}));

  EXPECT_EQ(ResizerScrollOffset({true, 250, 0, 1000}, 300), -75);
  EXPECT_EQ(ResizerScrollOffset({false, 250, 0, 1000}, 300), 0);  // no scroll bar
  EXPECT_EQ(ResizerScrollOffset({true, 5, 0, 0}, 300), 0);        // no range: no division by zero
  EXPECT_EQ(ResizerScrollOffset({true, 15, 10, 110}, 200), -10);  // counted from the minimum
  EXPECT_EQ(ResizerScrollOffset({true, 2000000000, 0, 2000000000}, 30000), -30000);  // no overflow
}

}  // namespace
