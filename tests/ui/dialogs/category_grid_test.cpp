// The category grid: groups, order, columns and the mark-up laid out with fixed metrics.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "common/text.h"
#include "dialog_model.h"
#include "markup/button.h"
#include "markup/document.h"
#include "markup/fixed_context.h"
#include "ui/dialogs/category_grid.h"

namespace {

using namespace parental::corvui;
using parental::common::FromUtf8;
using parental::common::ToUtf8;
using parental::core::CRole;

// Group g allows `sizes[g]` categories, numbered on from 1 in that order.
struct Groups {
  explicit Groups(std::vector<int> sizes) {
    std::uint16_t id = 1;
    for (std::size_t g = 0; g < sizes.size(); ++g) {
      names.push_back(FromUtf8("Group " + std::to_string(g)));
      roles.emplace_back(names.back());
      for (int i = 0; i < sizes[g]; ++i, ++id) {
        roles.back().SetCategory(id, parental::core::kAllowed);
        categories.push_back({id, FromUtf8("Category " + std::to_string(id)), u"About " + FromUtf8(std::to_string(id))});
      }
    }
  }
  std::vector<const CRole*> Pointers() const {
    std::vector<const CRole*> pointers;
    for (const CRole& role : roles) pointers.push_back(&role);
    return pointers;
  }
  GridMarkup Grid(int clientHeight = 0) const {
    return BuildCategoryGrid(ArrangeCategories(categories, Pointers()), names, clientHeight);
  }

  std::vector<CRole> roles;
  std::vector<std::u16string> names;
  std::vector<CategoryInfo> categories;
};

// The grid's columns as lines: "H:<name>" for a heading, the id for a check box.
std::vector<std::vector<std::string>> Columns(const std::u16string& markup) {
  std::vector<std::vector<std::string>> columns;
  const std::string text = ToUtf8(markup);
  for (auto at = text.find("<TD><P>"); at != std::string::npos; at = text.find("<TD><P>", at + 1)) {
    const std::string column = text.substr(at + 7, text.find("</P></TD>", at) - at - 7);
    columns.emplace_back();
    std::size_t start = 0;
    while (start <= column.size()) {
      const std::size_t end = std::min(column.find('\n', start), column.size());
      const std::string line = column.substr(start, end - start);
      const auto id = line.find(" ID=\""), bold = line.find("<b>");
      if (id != std::string::npos) columns.back().push_back(line.substr(id + 5, line.find('"', id + 5) - id - 5));
      else columns.back().push_back("H:" + (bold == std::string::npos ? "" : line.substr(bold + 3, line.find("</b>") - bold - 3)));
      start = end + 1;
    }
  }
  return columns;
}

using Lines = std::vector<std::vector<std::string>>;

TEST(CategoryGrid, SevenCategoriesInTwoGroupsMakeColumnsOfFourLines) {
  const Groups groups({3, 4});  // group 1 (ids 4-7) comes first
  const GridMarkup grid = groups.Grid(50);
  EXPECT_EQ(grid.linesPerColumn, 4);
  EXPECT_EQ(Columns(grid.text), (Lines{{"H:Group 1", "4", "5", "6"}, {"7", "H:Group 0", "1", "2"}, {"3"}}))
      << "the last category alone in a column";
  EXPECT_EQ(grid.columns, 3);
  EXPECT_NE(ToUtf8(grid.text).find("SKIN=\"parental_checkbox\""), std::string::npos) << "the host's skin";

  // A tall window holds more lines a column: (260 - 10) / 25.
  EXPECT_EQ(groups.Grid(260).linesPerColumn, 10);
  EXPECT_EQ(Columns(groups.Grid(260).text).size(), 1u);
}

TEST(CategoryGrid, AHeadingNeverTakesTheLastLineOfAColumn) {
  const Groups groups({4, 2});  // 8 items, R = 3: group 1 fills a column, group 0's heading moves on
  EXPECT_EQ(Columns(groups.Grid().text), (Lines{{"H:Group 1", "5", "6"}, {"H:Group 0", "1", "2"}, {"3", "4"}}));
  const Groups late({1, 3, 2});  // 9 items, R = 4: the heading of group 0 would be line 4
  EXPECT_EQ(Columns(late.Grid().text),
            (Lines{{"H:Group 2", "5", "6"}, {"H:Group 1", "2", "3", "4"}, {"H:Group 0", "1"}}));
}

TEST(CategoryGrid, OneLineColumnsStillPlaceEveryCategory) {
  const Groups one({1});  // 2 items: R = 1
  EXPECT_EQ(one.Grid().linesPerColumn, 1);
  EXPECT_EQ(Columns(one.Grid().text), (Lines{{"H:Group 0"}, {"1"}}));
  const Groups two({1, 1});  // 4 items: R = 2, every heading at a column's top
  EXPECT_EQ(Columns(two.Grid().text), (Lines{{"H:Group 1", "2"}, {"H:Group 0", "1"}}));
}

TEST(CategoryGrid, TextsCannotBreakTheMarkup) {
  Groups groups({2});
  groups.names[0] = u"Sex & <drugs>";
  groups.categories[0].name = u"Shopping & auctions";
  groups.categories[0].description = u"Shops%SEP%auctions and \"deals\" <here>";
  const std::string text = ToUtf8(groups.Grid().text);
  EXPECT_NE(text.find("CAPTION=\"Shopping && auctions\""), std::string::npos);
  EXPECT_NE(text.find("TOOLTIP=\"Shops, auctions and 'deals' \u2039here\u203A\""), std::string::npos);
  EXPECT_NE(text.find("<b>Sex &amp; &lt;drugs&gt;</b>"), std::string::npos);
}

TEST(CategoryGrid, CategoriesNoGroupAllowsComeLastAfterAnEmptyLine) {
  Groups groups({2, 2});
  groups.categories.push_back({90, u"Loose", u""});
  groups.categories.insert(groups.categories.begin(), {91, u"Also loose", u""});
  groups.roles[1].SetCategory(3, parental::core::kBlocked);  // a blocked category is no member
  groups.roles[0].SetCategory(4, parental::core::kAllowed);  // the last group that allows it wins
  const auto arranged = ArrangeCategories(groups.categories, groups.Pointers());
  std::vector<std::pair<int, int>> order;
  for (const GridCategory& c : arranged) order.emplace_back(c.id, c.group);
  EXPECT_EQ(order, (std::vector<std::pair<int, int>>{{4, 1}, {1, 0}, {2, 0}, {91, -1}, {3, -1}, {90, -1}}));
  EXPECT_EQ(Columns(BuildCategoryGrid(arranged, groups.names, 0).text),
            (Lines{{"H:Group 1", "4", "H:Group 0", "1"}, {"2", "H:", "91", "3"}, {"90"}}));

  // With no group at all there is no heading.
  EXPECT_EQ(Columns(BuildCategoryGrid(ArrangeCategories(groups.categories, {}), {}, 0).text),
            (Lines{{"91", "1", "2"}, {"3", "4", "90"}}));
}

// Lays the grid out as the dialog does, in the width its columns need or more.
struct GridLayout {
  GridLayout(const GridMarkup& grid, int width) {
    document.defaultFont.height = -11;
    document.SetText(grid.text);
    size = document.Layout(dc, width, 100);
  }
  CChDocument document;
  CFixedContext dc;
  Size size;
};

TEST(CategoryGrid, FortySixCategoriesInSixGroupsShowEachCheckBoxOnceInsideTheGrid) {
  Groups groups({7, 10, 4, 5, 6, 14});
  groups.categories.push_back(groups.categories[5]);  // a repeated id is placed once
  const GridMarkup grid = groups.Grid(300);
  EXPECT_EQ(grid.linesPerColumn, 18);  // (46 + 6 + 3) / 3
  std::multiset<std::string> ids;
  for (const auto& column : Columns(grid.text)) {
    EXPECT_LE(column.size(), 18u);
    EXPECT_NE(column.back().rfind("H:", 0), 0u) << "a heading ends a column";
    for (const std::string& line : column)
      if (line.rfind("H:", 0) != 0) ids.insert(line);
  }
  EXPECT_EQ(ids.size(), 46u);
  EXPECT_EQ(std::set<std::string>(ids.begin(), ids.end()).size(), 46u);

  for (const int width : {GridMinimumWidth(grid.columns), 2 * GridMinimumWidth(grid.columns)}) {
    GridLayout layout(grid, width);
    std::set<int> lefts;
    for (std::uint16_t id = 1; id <= 46; ++id) {
      auto* box = dynamic_cast<CButtonLO*>(layout.document.FindObject(FromUtf8(std::to_string(id))));
      ASSERT_NE(box, nullptr) << id;
      EXPECT_EQ(box->Look(), ButtonLook::CheckBox);
      const Rect r = box->GetRect();
      EXPECT_GE(r.left, 0) << id;
      EXPECT_GE(r.top, 0) << id;
      EXPECT_LE(r.right, layout.size.cx) << id << " at width " << width;
      EXPECT_LE(r.bottom, layout.size.cy) << id;
      EXPECT_EQ(r.Height(), kGridLineHeight);
      lefts.insert(r.left);
    }
    EXPECT_EQ(lefts.size(), static_cast<std::size_t>(grid.columns)) << "one check box a line, at width " << width;
    EXPECT_EQ(layout.size.cy, 18 * kGridLineHeight + 10) << "the table's margins above and below";
  }
}

}  // namespace

namespace {

TEST(CategoryGrid, TheEngineGroupsAndCategoriesMakeTheGrid) {
  DialogModel model;
  model.host.LoadNames();
  CConfigManagerCategory categories(&model.host.engine);
  const GridContent content = LoadGridContent(model.roles, categories);
  EXPECT_EQ(content.groupNames, (std::vector<std::u16string>{u"Adult content", u"Communication", u"Dangerous content",
                                                              u"Entertainment", u"Information", u"Money and shopping"}));
  ASSERT_EQ(content.categories.size(), 46u);
  EXPECT_EQ(content.categories.front().group, 5);
  EXPECT_EQ(content.categories.front().id, 24);
  EXPECT_EQ(content.categories.back().group, 0);
  const GridMarkup grid = BuildCategoryGrid(content.categories, content.groupNames, 0);
  EXPECT_EQ(Columns(grid.text).size(), 3u);
  EXPECT_EQ(Columns(grid.text)[0][0], "H:Money and shopping");
}

}  // namespace
