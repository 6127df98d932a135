// CResizer on real windows: anchored controls follow the parent's size, in one deferred
// batch or one by one, and stay put while the parent is minimised.
#include "ui/controls/resizer.h"

#include "controls_test_support.h"

namespace controls_test {
namespace {

RECT ChildRect(HWND child) { return wintest::ClientRectOf(GetParent(child), child); }

TEST_F(ControlsTest, TheResizerKeepsButtonsInTheCornerAndStretchesTheRest) {
  for (std::uint32_t options : {0u, std::uint32_t{kResizerDeferred | kResizerClipChildren}}) {
    wintest::ResizeFrame(frame_, 400, 300);
    HWND button = CreateWindowExW(0, L"Button", L"OK", WS_CHILD | WS_VISIBLE, 300, 260, 80, 24, frame_, nullptr,
                                  nullptr, nullptr);
    HWND pane = CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 380, 240, frame_,
                                nullptr, nullptr, nullptr);
    CResizer resizer(options);
    ASSERT_TRUE(resizer.Add(frame_, button, kResizeRightToBorder | kResizeBottomToBorder));
    ASSERT_TRUE(resizer.Add(frame_, pane, 0xF | kResizeInvalidate));
    EXPECT_FALSE(resizer.Add(frame_, frame_, 0xF));  // not a child
    EXPECT_EQ(static_cast<bool>(GetWindowLongW(frame_, GWL_STYLE) & WS_CLIPCHILDREN),
              static_cast<bool>(options & kResizerClipChildren));

    wintest::ResizeFrame(frame_, 500, 340);
    resizer.Layout();
    EXPECT_EQ(ChildRect(button).left, 400);
    EXPECT_EQ(ChildRect(button).top, 300);
    EXPECT_EQ(ChildRect(pane).right, 490);
    EXPECT_EQ(ChildRect(pane).bottom, 290);

    ShowWindow(frame_, SW_MINIMIZE);
    resizer.Layout();
    EXPECT_EQ(ChildRect(button).left, 400);
    ShowWindow(frame_, SW_RESTORE);
    SetWindowLongW(frame_, GWL_STYLE, GetWindowLongW(frame_, GWL_STYLE) & ~WS_CLIPCHILDREN);
    DestroyWindow(button);
    DestroyWindow(pane);
  }
}

}  // namespace
}  // namespace controls_test
