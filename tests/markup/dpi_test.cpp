#include <gtest/gtest.h>

#include "markup/button.h"
#include "markup/leaf_objects.h"
#include "markup/table.h"
#include "markup_test_support.h"

namespace {

// The mark-up's lengths count at 96 dots per inch: laid out through a context at 144, the
// same document is 1.5 times larger, and laid out again at 96 it is as before.
struct Resolutions : MarkupFixture, ::testing::Test {
  CFixedContext at144{144};

  Rect LinkRect(int link) { return Main().Core().LinkEntry(link)->rects[0]; }
};

TEST_F(Resolutions, TableColumnsButtonsAndSpacingScaleWithTheContext) {
  Load(u"<TABLE ID=\"t\" WIDTH=\"512\"><TR HEIGHT=\"20\"><TD><P>title</P></TD><TD WIDTH=\"16\"><IMG SRC=\"strip\" "
       u"FRAMES=\"5\"/></TD><TD WIDTH=\"120\"><BUTTON ID=\"b\" WIDTH=\"50\" HEIGHT=\"18\" H-OFFSET=\"0,18\" "
       u"PADDING=\"2,2,2,2\" CAPTION=\"On\"/></TD></TR></TABLE>\n<LINE ID=\"l\" HEIGHT=\"2\" MARGIN=\"4,0,0,0\"/>",
       1000);
  auto& table = Object<CTableLO>(u"t");
  const Rect button96 = Object<CButtonLO>(u"b").GetRect(), line96 = Object<CLineLO>(u"l").GetRect();
  EXPECT_EQ(table.GetRect().Width(), 512);
  EXPECT_EQ(table.Columns()[0].size, 376);
  EXPECT_EQ(button96.Width(), 46);  // 50 less the padding
  EXPECT_EQ(button96.Height(), 14);

  document.Layout(at144, 1000, 1000);
  EXPECT_EQ(document.Dpi(), 144);
  EXPECT_EQ(table.GetRect().Width(), 768);
  std::vector<int> columns;
  for (const auto& column : table.Columns()) columns.push_back(column.size);
  EXPECT_EQ(columns, (std::vector<int>{564, 24, 180}));
  EXPECT_EQ(table.Rows()[0]->GetRect().Height(), 30);
  const Rect button = Object<CButtonLO>(u"b").GetRect(), line = Object<CLineLO>(u"l").GetRect();
  EXPECT_EQ(button.Width(), 69);
  EXPECT_EQ(button.Height(), 21);
  EXPECT_EQ(button.left - table.Rows()[0]->Cells()[2]->GetRect().left, 3);  // the padding
  EXPECT_EQ(line.Height(), 3);
  EXPECT_EQ(line.top - table.GetRect().bottom, 6);  // the margin

  document.Layout(dc, 1000, 1000);
  EXPECT_EQ(Object<CButtonLO>(u"b").GetRect().Width(), button96.Width());
  EXPECT_EQ(Object<CLineLO>(u"l").GetRect().top, line96.top);
}

// An account line: the tab position and the fonts follow the context; a font already made
// for a resolution is not scaled twice.
TEST_F(Resolutions, TabPositionsAndFontsScaleOnce) {
  const std::u16string line = u"<TABPOS=\"316\"><H4>root</H4>\t<A ID=\"1\">Enabled</A>\n<A ID=\"0\">Setup...</A>";
  Load(line, 560);
  EXPECT_EQ(LinkRect(1).left, 316);
  EXPECT_EQ(LinkRect(1).Height(), 10);

  document.Layout(at144, 840, 1000);
  EXPECT_EQ(LinkRect(1).left, 474);
  EXPECT_EQ(LinkRect(1).Height(), 15);
  EXPECT_EQ(LinkRect(2).top, 15);  // the second line starts below a line 15 pixels high

  document.defaultFont.dpi = 144;  // a window's font, made for 144 already
  document.Layout(at144, 840, 1000);
  EXPECT_EQ(LinkRect(1).Height(), 10);
}

}  // namespace
