// Text layout with fixed metrics: 5 pixels a character, 10 a line (6 wide in bold).
#include <gtest/gtest.h>

#include "markup/leaf_objects.h"
#include "markup_test_support.h"

namespace {

struct Layout : MarkupFixture, ::testing::Test {
  // Texts drawn, with their left and top.
  std::vector<std::tuple<std::u16string, int, int>> Drawn() {
    dc.operations.clear();
    document.Draw(dc);
    std::vector<std::tuple<std::u16string, int, int>> texts;
    for (const auto& op : dc.operations) {
      if (op.kind == CFixedContext::Operation::Text) texts.emplace_back(op.text, op.rect.left, op.rect.top);
    }
    return texts;
  }
  using Texts = std::vector<std::tuple<std::u16string, int, int>>;
};

// Where each run of text is drawn: wrapping (a space never starts a line, a word wider
// than the line is cut after what fits, slashes end words), the narrowest width of 42,
// line feeds and empty lines, tab positions (absolute, from the right, percent, past the
// text, beyond the line) and alignment by the line's largest alignment.
TEST_F(Layout, TextsAreDrawnWhereTheLineBreaksTabsAndAlignmentsPutThem) {
  const struct {
    const char16_t* markup;
    int width;
    Texts drawn;
  } kCases[] = {
      {u"aaaa bbbb cccc", 50, {{u"aaaa bbbb ", 0, 0}, {u"cccc", 0, 10}}},
      {u"abcdefghijklmnop   q", 50, {{u"abcdefghij", 0, 0}, {u"klmnop   q", 0, 10}}},
      {u"path/to/file", 42, {{u"path/to/", 0, 0}, {u"file", 0, 10}}},
      {u"aaaaaaaaaaaaaaaaaaaa", 10, {{u"aaaaaaaa", 0, 0}, {u"aaaaaaaa", 0, 10}, {u"aaaa", 0, 20}}},
      {u"a\n\n<FONT=\"big\">b\n\nc</FONT>", 400, {{u"a", 0, 0}, {u"b", 0, 20}, {u"c", 0, 60}}},
      {u"<TABPOS=\"100\">a\tb</TABPOS><TABPOS=\"-100\">\nc\td</TABPOS>"
       u"<TABPOS=\"25%\">\ne\tf</TABPOS><TABPOS=\"2\">\ngg\th</TABPOS><TABPOS=\"500\">\ni\tj",
       400,
       {{u"a", 0, 0}, {u"b", 100, 0}, {u"c", 0, 10}, {u"d", 300, 10}, {u"e", 0, 20}, {u"f", 100, 20},
        {u"gg", 0, 30}, {u"h", 10, 30}, {u"i", 0, 40}, {u"j", 5, 40}}},
      {u"<RIGHT>ab</RIGHT>\n<CENTER>cd</CENTER><RIGHT>ef</RIGHT>\n<LEFT>g</LEFT>", 100,
       {{u"ab", 90, 0}, {u"cd", 40, 10}, {u"ef", 50, 10}, {u"g", 0, 20}}},
  };
  for (const auto& c : kCases) {
    Load(c.markup, c.width);
    EXPECT_EQ(Drawn(), c.drawn) << testing::PrintToString(std::u16string(c.markup));
  }
  Load(u"aaaa bbbb cccc", 50);
  EXPECT_EQ(Main().GetRect().Height(), 20);
}

TEST_F(Layout, ObjectsThatDoNotFitStartANewLine) {
  Load(u"abcd<LINE ID=\"rule\" WIDTH=\"90\" HEIGHT=\"3\" MARGIN=\"1,2,3,4\"/>x<OBJECT=\"test\" ID=\"t\"/>", 100);
  auto& rule = Object<CLineLO>(u"rule");
  // Its box (90 with the margins) does not fit after "abcd" (20): it starts the second
  // line, bottom-aligned with the "x" beside it.
  EXPECT_EQ(rule.GetRect().left, 4);
  EXPECT_EQ(rule.GetRect().Width(), 84);
  EXPECT_EQ(rule.GetRect().Height(), 3);
  EXPECT_EQ(rule.GetRect().top, 10 + 10 - 7 + 1);
  // The test object (at least 100 wide) goes on a third line.
  EXPECT_EQ(Object<CTestLineObject>(u"t").GetRect().top, 20);
  // A default line is one pixel high and takes the rest of the line.
  Load(u"abcd<LINE ID=\"rest\"/>", 100);
  EXPECT_EQ(Object<CLineLO>(u"rest").GetRect().Width(), 80);
  EXPECT_EQ(Object<CLineLO>(u"rest").GetRect().Height(), 1);
}

TEST_F(Layout, FixedSizesRaiseTheTextObject) {
  Load(u"<P ID=\"h\" WIDTH=\"200\" HEIGHT=\"15\">x</P><P ID=\"next\">y</P>", 300);
  EXPECT_EQ(Object<CTextLO>(u"h").GetRect().Width(), 200);
  EXPECT_EQ(Object<CTextLO>(u"h").GetRect().Height(), 15);
  EXPECT_EQ(Object<CTextLO>(u"next").GetRect().left, 200);  // 100 percent of what is left
}

TEST_F(Layout, LinksHitTestAndTooltips) {
  Load(u"go <A TOOLTIP=\"tip\">link text</A> end", 400);
  HitInfo hit = document.HitTest(20, 5);
  EXPECT_EQ(hit.object, &Main());
  EXPECT_EQ(hit.link, 1);
  EXPECT_EQ(hit.tooltip, u"tip");
  EXPECT_TRUE(hit.hand);
  hit = document.HitTest(2, 5);
  EXPECT_EQ(hit.link, -1);
  EXPECT_FALSE(hit.hand);
  EXPECT_EQ(document.HitTest(2, 500).object, nullptr);

  // Links use the link colours; under the pointer the second one.
  Main().SetAttribute(u"LINK-COLOR", u"#010203,#040506");
  document.UpdateHover(20, 5);
  dc.operations.clear();
  document.Draw(dc);
  std::vector<Colour> colours;
  for (const auto& op : dc.operations) colours.push_back(op.colour);
  EXPECT_EQ(colours[0], Rgb(0, 0, 0));  // "go "
  EXPECT_EQ(colours[1], Rgb(4, 5, 6));  // "link text"
}

TEST_F(Layout, FocusWalksLinksAndObjectsAndFramesThem) {
  Load(u"<A>one</A> <BUTTON ID=\"b\" CAPTION=\"Go\"/> <A>two and\nmore lines\nof it</A><BUTTON VISIBLE=\"0\"/>", 400);
  document.focus.shown = true;
  ASSERT_TRUE(document.MoveFocus(false));
  EXPECT_EQ(document.focus.object, &Main());
  EXPECT_EQ(document.focus.link, 1);
  ASSERT_TRUE(document.MoveFocus(false));
  EXPECT_EQ(document.focus.object, document.FindObject(u"b"));
  ASSERT_TRUE(document.MoveFocus(false));
  EXPECT_EQ(document.focus.link, 3);
  dc.operations.clear();
  document.Draw(dc);
  int frames = 0;
  for (const auto& op : dc.operations) frames += op.kind == CFixedContext::Operation::Focus;
  EXPECT_EQ(frames, 3);  // first line, the line between, last line
  EXPECT_FALSE(document.MoveFocus(false));  // the hidden button takes no focus
  EXPECT_EQ(document.focus.object, nullptr);
  ASSERT_TRUE(document.MoveFocus(true));  // Shift+Tab from outside starts at the end
  EXPECT_EQ(document.focus.link, 3);
  ASSERT_TRUE(document.MoveFocus(true));
  EXPECT_EQ(document.focus.object, document.FindObject(u"b"));
}

}  // namespace
