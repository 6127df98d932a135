#include <gtest/gtest.h>

#include "markup/button.h"
#include "markup/table.h"
#include "markup_test_support.h"

namespace {

struct Tables : MarkupFixture, ::testing::Test {
  CTableLO& Table(const std::u16string& id) { return Object<CTableLO>(id); }
  std::vector<int> ColumnSizes(const std::u16string& id) {
    std::vector<int> sizes;
    for (const auto& column : Table(id).Columns()) sizes.push_back(column.size);
    return sizes;
  }
};

TEST_F(Tables, FixedColumnsAndAPercentColumnShareTheWidth) {
  Load(u"<TABLE ID=\"t\"><TR><TD><P>a</P></TD><TD WIDTH=\"16\">b</TD><TD WIDTH=\"120\">c</TD></TR></TABLE>", 512);
  EXPECT_EQ(ColumnSizes(u"t"), (std::vector<int>{376, 16, 120}));
  auto& row = *Table(u"t").Rows()[0];
  EXPECT_EQ(row.Cells()[1]->GetRect().left, 376);
  EXPECT_EQ(row.Cells()[2]->GetRect().left, 392);
  // A cell whose only content is text gets an empty text object.
  auto* empty = dynamic_cast<CTextLO*>(row.Cells()[1]->Content());
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(empty->Core().Text(), u"");
}

// Percent columns share what fixed ones leave; automatic ones fit their content; fixed
// columns wider than the table leave percent ones empty.
TEST_F(Tables, ColumnWidthsFromFixedPercentAndAutomaticCells) {
  const struct {
    const char16_t* table;  // the table's attributes and its row
    int width;
    std::vector<int> sizes;
  } kCases[] = {
      {u" WIDTH=\"400\"><TR><TD WIDTH=\"50%\"/><TD WIDTH=\"25%\"/><TD WIDTH=\"100\"/>", 500, {200, 100, 100}},
      {u"><TR><TD WIDTH=\"AUTO\" PADDING=\"0,4,0,4\"><P>abc</P></TD><TD><P>rest</P></TD>", 300, {15 + 8 + 2, 300 - 25}},
      {u"><TR><TD WIDTH=\"80\"/><TD WIDTH=\"60\"/><TD WIDTH=\"50%\"/><TD WIDTH=\"25%\"/>", 100, {80, 60, 0, 0}},
  };
  for (const auto& c : kCases) {
    Load(u"<TABLE ID=\"t\"" + std::u16string(c.table) + u"</TR></TABLE>", c.width);
    EXPECT_EQ(ColumnSizes(u"t"), c.sizes) << c.width;
  }
  const auto& cells = Table(u"t").Rows()[0]->Cells();
  EXPECT_EQ(cells[3]->GetRect().left, 140);
  EXPECT_EQ(cells[3]->GetRect().Width(), 0);
}

TEST_F(Tables, ColumnTracksTakeTheLargestFixedSizeAndFixedWins) {
  Load(u"<TABLE ID=\"t\"><TR><TD WIDTH=\"30\"/><TD WIDTH=\"50%\"/></TR><TR><TD WIDTH=\"40\"/><TD WIDTH=\"20\"/></TR>"
       u"<TR><TD/><TD WIDTH=\"10%\"/></TR></TABLE>",
       300);
  const auto& columns = Table(u"t").Columns();
  EXPECT_EQ(columns[0].size, 40);
  EXPECT_EQ(columns[0].percentFlag, 0);
  EXPECT_EQ(columns[1].size, 20);  // a 50 % cell and a 20-pixel cell: fixed at 20
  EXPECT_EQ(columns[1].percent, 50);
}

TEST_F(Tables, RowsTakeTheirTallestCellAndFixedHeights) {
  Load(u"<TABLE ID=\"t\"><TR><TD HEIGHT=\"15\"></TD></TR><TR><TD><P>two\nlines</P></TD><TD MARGIN=\"2,0,3,0\">x</TD></TR>"
       u"<TR HEIGHT=\"40\" PADDING=\"5,0,0,0\"><TD>y</TD></TR></TABLE>",
       200);
  const auto& rows = Table(u"t").Rows();
  EXPECT_EQ(rows[0]->GetRect().Height(), 15);
  EXPECT_EQ(rows[1]->GetRect().Height(), 20);
  EXPECT_EQ(rows[1]->GetRect().top, 15);
  EXPECT_EQ(rows[2]->GetRect().Height(), 40);
  EXPECT_EQ(rows[2]->Cells()[0]->GetRect().top, 35 + 5);
  EXPECT_EQ(Table(u"t").GetRect().Height(), 75);
}

TEST_F(Tables, NestedTablesLayOutInTheirCell) {
  Load(u"<TABLE ID=\"outer\"><TR><TD WIDTH=\"100\"/><TD PADDING=\"0,10,0,10\"><TABLE ID=\"inner\"><TR><TD/><TD WIDTH=\"30\">"
       u"<BUTTON ID=\"b\" CAPTION=\"x\"/></TD></TR></TABLE></TD></TR></TABLE>after",
       400);
  auto& inner = Table(u"inner");
  EXPECT_EQ(inner.GetRect().left, 110);
  EXPECT_EQ(inner.GetRect().Width(), 280);
  EXPECT_EQ(ColumnSizes(u"inner"), (std::vector<int>{250, 30}));
  EXPECT_EQ(Object<CButtonLO>(u"b").GetRect().left, 360);
  EXPECT_EQ(Main().Core().Text(), u"after");
}

TEST_F(Tables, HitTestsAndFocusGoThroughCellsInRowMajorOrder) {
  Load(u"<TABLE ID=\"t\"><TR><TD><BUTTON ID=\"a\"/></TD><TD><P><A>link</A></P></TD></TR>"
       u"<TR><TD><BUTTON ID=\"c\"/></TD><TD></TD></TR></TABLE>",
       200);
  const Rect& a = document.FindObject(u"a")->GetRect();
  EXPECT_EQ(document.HitTest(a.left + 1, a.top + 1).object, document.FindObject(u"a"));
  auto& row = *Table(u"t").Rows()[0];
  const Rect& linkCell = row.Cells()[1]->GetRect();
  HitInfo hit = document.HitTest(linkCell.left + 2, linkCell.top + 2);
  EXPECT_EQ(hit.object, row.Cells()[1]->Content());
  EXPECT_EQ(hit.link, 1);
  EXPECT_EQ(document.HitTest(linkCell.right - 1, linkCell.top + 2).object, row.Cells()[1].get());

  std::vector<CLineObject*> order;
  while (document.MoveFocus(false)) order.push_back(document.focus.object);
  ASSERT_EQ(order.size(), 3u);
  EXPECT_EQ(order[0], document.FindObject(u"a"));
  EXPECT_EQ(order[1], row.Cells()[1]->Content());
  EXPECT_EQ(order[2], document.FindObject(u"c"));
  CLineObject* object = nullptr;
  int link = 0, count = 3;
  ASSERT_TRUE(Main().NthFocusable(count, object, link));
  EXPECT_EQ(object, document.FindObject(u"c"));
  // Backwards, the focus enters at the last cell.
  std::vector<CLineObject*> backwards;
  while (document.MoveFocus(true)) backwards.push_back(document.focus.object);
  EXPECT_EQ(backwards, std::vector<CLineObject*>(order.rbegin(), order.rend()));
}

TEST_F(Tables, RowsWithMissingCellsTakeTheColumnsTheyHave) {
  Load(u"<TABLE ID=\"t\"><TR><TD WIDTH=\"20\"/><TD WIDTH=\"30\"/><TD/></TR><TR><TD><BUTTON ID=\"b\"/></TD></TR>"
       u"<TR></TR></TABLE>",
       200);
  EXPECT_EQ(ColumnSizes(u"t"), (std::vector<int>{20, 30, 150}));
  const auto& rows = Table(u"t").Rows();
  ASSERT_EQ(rows.size(), 3u);
  ASSERT_EQ(rows[1]->Cells().size(), 1u);
  EXPECT_EQ(rows[1]->Cells()[0]->GetRect().Width(), 20);
  EXPECT_TRUE(rows[2]->Cells().empty());
}

}  // namespace
