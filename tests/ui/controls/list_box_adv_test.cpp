// CListBoxAdv under real input: what it sends its parent for clicks on an entry's image
// and action image, for Delete and Space, and how its entries move and swap.
#include "ui/controls/list_box_adv.h"

#include "controls_test_support.h"

namespace controls_test {
namespace {

using wintest::ClickAt;
using wintest::MovePointerTo;
using wintest::PressKey;
using wintest::Pump;

constexpr int kListId = 2003;
// Both requests come with parameters 0.
const MessageStep kToggle{kListBoxAdvToggle, 0, 0, MessageStep::kWParam | MessageStep::kLParam};
const MessageStep kDelete{kListBoxAdvDelete, 0, 0, MessageStep::kWParam | MessageStep::kLParam};

class ListBoxAdvTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    ASSERT_TRUE(parent_.Create(frame_));
    DWORD style = WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_OWNERDRAWVARIABLE |
                  LBS_WANTKEYBOARDINPUT | LBS_NOINTEGRALHEIGHT;
    ASSERT_TRUE(list_.Create(style, RECT{10, 10, 410, 250}, parent_, kListId));
    list_.SetFont(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)), false);
    const char16_t* pages[] = {u"example.com", u"games.example.org/play?level=1&sound=on", u"news.example.net",
                               u"shop.example.com/toys", u"video.example.org"};
    for (int i = 0; i < 5; ++i) list_.AddItem(pages[i], i % 2 ? images_.blocked : images_.allowed);
    list_.SetActionImage(images_.action);
    list_.SetFocus();
    Pump();
    parent_.log.Clear();
  }

  POINT ImagePoint(int index) const { return Point(index, 6); }
  POINT ActionPoint(int index) const { return Point(index, list_.GetClientRect().right - 10); }
  POINT TextPoint(int index) const { return Point(index, 120); }
  POINT Point(int index, int x) const {
    RECT item{};
    list_.GetItemRect(index, item);
    return POINT{x, (item.top + item.bottom) / 2};
  }
  std::u16string Texts() const {
    std::u16string texts;
    for (int i = 0; i < list_.ItemCount(); ++i) texts += list_.GetItem(i)->text.substr(0, 4) + u"|";
    return texts;
  }

  ControlParent parent_;
  CListBoxAdv list_;
  PageImages images_;
};

TEST_F(ListBoxAdvTest, AClickOnAnEntrysImageAsksToToggleIt) {
  ClickAt(list_, ImagePoint(1));
  Pump(100);
  EXPECT_TRUE(MatchesSequence(parent_.log, {kButtonDownNotice, kToggle}));
  EXPECT_EQ(list_.CurrentItem(), 1);
  EXPECT_EQ(list_.GetCurSel(), 1);
  EXPECT_EQ(list_.ItemCount(), 5);

  parent_.log.Clear();
  ClickAt(list_, TextPoint(3));  // the text only selects
  Pump(100);
  EXPECT_TRUE(MatchesSequence(parent_.log, {kButtonDownNotice}));
  EXPECT_EQ(list_.GetCurSel(), 3);
}

TEST_F(ListBoxAdvTest, AClickOnTheActionImageDeletesTheEntryAfterTellingTheParent) {
  MovePointerTo(list_, ActionPoint(2));
  EXPECT_EQ(list_.HotItem(), 2);
  // The pointed-at entry shows the action image's second frame (red), the others the first (grey).
  EXPECT_GT(GetRValue(ScreenColour(list_, Point(2, list_.GetClientRect().right - 10))), 150);
  EXPECT_LT(GetRValue(ScreenColour(list_, Point(3, list_.GetClientRect().right - 10))), 150);
  MovePointerTo(list_, TextPoint(2));
  EXPECT_EQ(list_.HotItem(), -1);

  ClickAt(list_, ActionPoint(2));
  Pump(100);
  EXPECT_TRUE(MatchesSequence(parent_.log, {kButtonDownNotice, kDelete}));
  EXPECT_EQ(Texts(), u"exam|game|shop|vide|");
}

TEST_F(ListBoxAdvTest, DeleteAndSpaceWorkOnTheSelectedEntry) {
  list_.SetCurSel(1);
  PressKey(VK_SPACE);
  Pump(100);
  PressKey(VK_DELETE);
  Pump(100);
  EXPECT_TRUE(MatchesSequence(parent_.log, {kToggle, kDelete}));
  EXPECT_EQ(Texts(), u"exam|news|shop|vide|");
  EXPECT_EQ(list_.GetCurSel(), 1);  // the same index

  parent_.log.Clear();
  list_.SetCurSel(3);
  PressKey(VK_DELETE);  // the last entry: the new last one is selected
  Pump(100);
  EXPECT_TRUE(MatchesSequence(parent_.log, {kDelete}));
  EXPECT_EQ(list_.GetCurSel(), 2);

  parent_.log.Clear();
  list_.SetActionImage(nullptr);  // without an action image Delete is the list's own
  PressKey(VK_DELETE);
  Pump(100);
  EXPECT_TRUE(MatchesSequence(parent_.log, {}));
  EXPECT_EQ(list_.ItemCount(), 3);
}

TEST_F(ListBoxAdvTest, UpAndDownMoveTheSelectionAndStopAtTheEnds) {
  list_.SetCurSel(0);
  PressKey(VK_DOWN);
  PressKey(VK_DOWN);
  Pump(100);
  EXPECT_EQ(list_.GetCurSel(), 2);
  PressKey(VK_UP);
  PressKey(VK_UP);
  PressKey(VK_UP);  // left to the list at the first entry
  Pump(100);
  EXPECT_EQ(list_.GetCurSel(), 0);
  EXPECT_TRUE(MatchesSequence(parent_.log, {}));
}

TEST_F(ListBoxAdvTest, EntriesMoveAndSwapWithTheirSelection) {
  EXPECT_TRUE(list_.SwapItems(0, 4));
  EXPECT_EQ(Texts(), u"vide|game|news|shop|exam|");
  EXPECT_EQ(list_.GetCurSel(), 4);
  EXPECT_FALSE(list_.SwapItems(0, 5));

  EXPECT_TRUE(list_.MoveItem(4, 0));  // to the top
  EXPECT_EQ(Texts(), u"exam|vide|game|news|shop|");
  EXPECT_EQ(list_.GetCurSel(), 0);
  EXPECT_TRUE(list_.MoveItem(1, 5));  // to the bottom
  EXPECT_EQ(Texts(), u"exam|game|news|shop|vide|");
  EXPECT_EQ(list_.GetCurSel(), 4);
  EXPECT_FALSE(list_.MoveItem(2, 2));
  EXPECT_FALSE(list_.MoveItem(5, 0));
  EXPECT_FALSE(list_.MoveItem(0, 6));
  // Item data and entries stay together.
  for (int i = 0; i < list_.ItemCount(); ++i) {
    EXPECT_EQ(list_.GetItemData(i), reinterpret_cast<LRESULT>(list_.GetItem(i)));
  }
  list_.DeleteAllItems();
  EXPECT_EQ(list_.GetCount(), 0);
  EXPECT_EQ(list_.ItemCount(), 0);
}

TEST_F(ListBoxAdvTest, EntriesAddedAfterAFontChangeTakeTheNewFontsHeight) {
  RECT small{}, large{};
  list_.GetItemRect(0, small);
  LOGFONTW description{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(description), &description);
  description.lfHeight = -40;
  HFONT font = CreateFontIndirectW(&description);
  list_.SetFont(font, false);
  list_.AddItem(u"large.example", images_.allowed);
  list_.GetItemRect(5, large);
  EXPECT_GT(large.bottom - large.top, small.bottom - small.top + 20);
  list_.DeleteAllItems();
  list_.SetFont(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)), false);
  DeleteObject(font);
}

}  // namespace
}  // namespace controls_test
