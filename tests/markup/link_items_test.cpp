// The document's items as accessibility clients number them: text links and focusable
// objects in focus order, with names and rectangles, and the way back from an item.
#include <gtest/gtest.h>

#include "markup/link_items.h"
#include "markup_test_support.h"

namespace {

struct LinkItems : MarkupFixture, ::testing::Test {};

TEST_F(LinkItems, LinksAndObjectsInFocusOrder) {
  Load(u"<A>one</A> <BUTTON ID=\"b\" CAPTION=\"Go\"/> <BUTTON ID=\"t\" TOOLTIP=\"Only a tip\"/> "
       u"<A>two and\nmore lines</A><BUTTON VISIBLE=\"0\" CAPTION=\"hidden\"/>",
       200);
  ASSERT_EQ(LinkItemCount(document), 4);
  LinkItem item;
  ASSERT_TRUE(LinkItemAt(document, 1, item));
  EXPECT_EQ(item.name, u"one");
  EXPECT_FALSE(item.button);
  EXPECT_EQ(item.object, document.Main());
  ASSERT_TRUE(LinkItemAt(document, 2, item));
  EXPECT_EQ(item.name, u"Go");
  EXPECT_TRUE(item.button);
  EXPECT_EQ(item.link, 0);
  EXPECT_EQ(item.object, document.FindObject(u"b"));
  EXPECT_EQ(item.rect.Width(), document.FindObject(u"b")->GetRect().Width());
  ASSERT_TRUE(LinkItemAt(document, 3, item));
  EXPECT_EQ(item.name, u"Only a tip");  // no caption: the tool tip names it
  ASSERT_TRUE(LinkItemAt(document, 4, item));
  EXPECT_EQ(item.name, u"two and more lines");
  EXPECT_GE(item.rect.Height(), 20);  // the rectangle takes in both lines
  EXPECT_FALSE(LinkItemAt(document, 5, item));
  EXPECT_FALSE(LinkItemAt(document, 0, item));
}

TEST_F(LinkItems, NumbersOfObjectsAndLinks) {
  Load(u"<A>one</A> <BUTTON ID=\"b\" CAPTION=\"Go\"/> <A>two</A>");
  EXPECT_EQ(LinkItemNumber(document, document.Main(), 1), 1);
  EXPECT_EQ(LinkItemNumber(document, document.FindObject(u"b"), -1), 2);  // objects count as link 0
  EXPECT_EQ(LinkItemNumber(document, document.Main(), 3), 3);  // the button took link number 2
  EXPECT_EQ(LinkItemNumber(document, document.Main(), 9), 0);
  EXPECT_EQ(LinkItemNumber(document, nullptr, 0), 0);
  // The focus walk and the numbers agree.
  ASSERT_TRUE(document.MoveFocus(false));
  ASSERT_TRUE(document.MoveFocus(false));
  EXPECT_EQ(LinkItemNumber(document, document.focus.object, document.focus.link), 2);
}

}  // namespace
