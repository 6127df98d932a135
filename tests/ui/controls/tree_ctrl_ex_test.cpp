// CTreeCtrlEx and CToolTipTreeCtrl under real input: the check-box notification for a press
// and release on the same box and for Space, nothing otherwise or when read-only, and the
// tool-tip text of the item under the pointer.
#include "ui/controls/tree_ctrl_ex.h"

#include "controls_test_support.h"

namespace controls_test {
namespace {

using parental::util::CTreeCtrlEx;
using parental::util::kTreeCheckChanged;
using wintest::MovePointerTo;
using wintest::PressKey;
using wintest::Pump;

class TreeCtrlExTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    ASSERT_TRUE(parent_.Create(frame_));
    ASSERT_TRUE(tree_.Create(WS_VISIBLE | WS_BORDER | WS_TABSTOP | TVS_CHECKBOXES | TVS_SHOWSELALWAYS,
                             RECT{10, 10, 300, 200}, parent_, 7));
    tree_.EnableCheckBoxes();
    for (const char16_t* name : {u"Alice", u"Bob", u"Carol"}) items_.push_back(tree_.InsertItem(name));
    for (HTREEITEM item : items_) tree_.SetCheck(item, false);
    tree_.SelectItem(items_[0]);
    tree_.SetFocus();
    Pump();
    parent_.log.Clear();
  }

  // A point on the item's check box, found by the tree's own hit test.
  POINT CheckBoxOf(HTREEITEM item) const {
    RECT rect{};
    tree_.GetItemRect(item, rect, true);
    for (POINT point{0, (rect.top + rect.bottom) / 2}; point.x < rect.left; ++point.x) {
      UINT flags = 0;
      if (tree_.HitTest(point, &flags) == item && (flags & TVHT_ONITEMSTATEICON)) return POINT{point.x + 4, point.y};
    }
    ADD_FAILURE() << "no check box found";
    return POINT{};
  }

  MessageStep Changed(HTREEITEM item) const { return Notify(kTreeCheckChanged, reinterpret_cast<LPARAM>(item)); }

  ControlParent parent_;
  CTreeCtrlEx tree_;
  std::vector<HTREEITEM> items_;
};

TEST_F(TreeCtrlExTest, PressAndReleaseOnOneCheckBoxToggleItAndTellTheParent) {
  PressAt(tree_, CheckBoxOf(items_[1]));
  ReleaseAt(tree_, CheckBoxOf(items_[1]));
  EXPECT_TRUE(MatchesSequence(parent_.log, {kButtonDownNotice, Changed(items_[1])}));
  EXPECT_TRUE(tree_.GetCheck(items_[1]));
  EXPECT_FALSE(tree_.GetCheck(items_[0]));
  wintest::Screenshot(frame_, "tree_ctrl_ex");  // painted off screen
}

TEST_F(TreeCtrlExTest, ReleasingOverAnotherItemChangesNothing) {
  PressAt(tree_, CheckBoxOf(items_[0]));
  ReleaseAt(tree_, CheckBoxOf(items_[2]));
  EXPECT_TRUE(MatchesSequence(parent_.log, {kButtonDownNotice}));
  for (HTREEITEM item : items_) EXPECT_FALSE(tree_.GetCheck(item));
}

TEST_F(TreeCtrlExTest, SpaceTogglesTheSelectedItemAndTellsTheParent) {
  tree_.SelectItem(items_[2]);
  parent_.log.Clear();
  PressKey(VK_SPACE);
  Pump(150);
  EXPECT_TRUE(MatchesSequence(parent_.log, {Notify(static_cast<UINT>(TVN_KEYDOWN), 0, true), Changed(items_[2])}));
  EXPECT_TRUE(tree_.GetCheck(items_[2]));
}

TEST_F(TreeCtrlExTest, TheTipIsTheTextOfTheItemUnderThePointer) {
  tree_.SetItemTip(items_[1], u"Bob's role: teenager");
  ASSERT_TRUE(tree_.ToolTip());
  RECT rect{};
  tree_.GetItemRect(items_[1], rect, true);
  MovePointerTo(tree_, POINT{rect.left + 3, (rect.top + rect.bottom) / 2});

  NMTTDISPINFOW wide{};
  wide.hdr = {tree_.ToolTip(), 1, TTN_GETDISPINFOW};
  SendMessageW(tree_, WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&wide));
  ASSERT_TRUE(wide.lpszText);
  EXPECT_STREQ(wide.lpszText, L"Bob's role: teenager");
  NMTTDISPINFOA narrow{};
  narrow.hdr = {tree_.ToolTip(), 1, TTN_GETDISPINFOA};
  SendMessageW(tree_, WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&narrow));
  EXPECT_STREQ(narrow.lpszText, "Bob's role: teenager");

  tree_.GetItemRect(items_[0], rect, true);  // an item without a tip shows none
  MovePointerTo(tree_, POINT{rect.left + 3, (rect.top + rect.bottom) / 2});
  wide.lpszText = nullptr;
  SendMessageW(tree_, WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&wide));
  EXPECT_STREQ(wide.lpszText, L"");

  tree_.DeleteItem(items_[1]);  // a deleted item's tip goes with it
  EXPECT_EQ(tree_.ItemTip(items_[1]), u"");
}

}  // namespace
}  // namespace controls_test
