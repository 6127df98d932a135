#include "ui/dialogs/category_grid.h"

#include <algorithm>
#include <set>

#include "common/text.h"
#include "ui/dialogs/display_names.h"

namespace parental::corvui {
namespace {

std::u16string ReplaceAll(std::u16string text, std::u16string_view from, std::u16string_view to) {
  for (auto at = text.find(from); at != std::u16string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

// Attribute values are read up to the next double quote and a tag ends at the first ">",
// with no escapes: such characters become look-alikes that cannot end a value or a tag.
std::u16string AttributeText(std::u16string text) {
  for (char16_t& c : text) {
    if (c == u'"') c = u'\'';
    else if (c == u'<') c = u'\u2039';
    else if (c == u'>') c = u'\u203A';
  }
  return text;
}

// Running text is decoded: "&", "<" and ">" are written as entities.
std::u16string RunningText(const std::u16string& text) {
  std::u16string out;
  for (char16_t c : text) {
    if (c == u'&') out += u"&amp;";
    else if (c == u'<') out += u"&lt;";
    else if (c == u'>') out += u"&gt;";
    else out += c;
  }
  return out;
}

std::u16string Decimal(int value) { return common::FromUtf8(std::to_string(value)); }

// Writes the columns line by line: a column is closed when it is full, or before a
// heading that would take its last line (unless the column is still empty, as with
// one-line columns).
class ColumnWriter {
 public:
  explicit ColumnWriter(int linesPerColumn) : lines_(linesPerColumn) {}

  void Heading(const std::u16string& text) {
    if (used_ > 0 && used_ + 1 >= lines_) Close();
    Line(u"<P WIDTH=\"200\" HEIGHT=\"15\" MARGIN=\"10,0,0,0\">" + text + u"</P>");
  }
  void CheckBox(const GridCategory& category) {
    Line(u"<BUTTON TYPE=\"checkbox\" SKIN=\"parental_checkbox\" H-OFFSET=\"25,0\" ID=\"" + Decimal(category.id) +
         u"\" TOOLTIP=\"" + AttributeText(category.description) + u"\" HEIGHT=\"25\" WIDTH=\"200\" CAPTION=\"" +
         AttributeText(ReplaceAll(category.name, u"&", u"&&")) + u"\"/>");
  }
  // The whole table; the column being written is closed.
  std::u16string Finish(int* columns) {
    if (used_ > 0) Close();
    *columns = columns_;
    return u"<TABLE WIDTH=\"100%\" MARGIN=\"5,10,5,10\"><TR>" + text_ + u"</TR></TABLE>";
  }

 private:
  void Line(const std::u16string& markup) {
    if (used_ == lines_) Close();
    text_ += used_ == 0 ? u"<TD><P>" : u"\n";  // a line feed keeps one item a line in wide cells
    text_ += markup;
    ++used_;
  }
  void Close() {
    text_ += u"</P></TD>";
    used_ = 0;
    ++columns_;
  }

  int lines_;
  int used_ = 0;
  int columns_ = 0;
  std::u16string text_;
};

}  // namespace

std::vector<GridCategory> ArrangeCategories(const std::vector<CategoryInfo>& categories,
                                            const std::vector<const core::CRole*>& groups) {
  std::vector<GridCategory> grid;
  std::set<std::uint16_t> placed;
  for (const CategoryInfo& category : categories) {
    if (!placed.insert(category.id).second) continue;
    std::int32_t group = -1;
    for (std::size_t g = groups.size(); g-- > 0;) {
      std::uint32_t state = core::kNotSet;
      if (groups[g] && groups[g]->GetCategory(category.id, &state) && state == core::kAllowed) {
        group = static_cast<std::int32_t>(g);
        break;
      }
    }
    grid.push_back({category.id, group, category.name, ReplaceAll(category.description, u"%SEP%", u", ")});
  }
  std::stable_sort(grid.begin(), grid.end(),
                   [](const GridCategory& a, const GridCategory& b) { return a.group > b.group; });
  return grid;
}

GridContent LoadGridContent(const CConfigManagerRole& roles, const CConfigManagerCategory& categories) {
  GridContent content;
  std::vector<const core::CRole*> groups;
  const CConfigManagerRole::RoleList groupRoles = roles.GetPredefinedRoles(1);
  if (groupRoles)
    for (const auto& [key, cell] : *groupRoles)
      if (cell.role) groups.push_back(cell.role.get());
  std::stable_sort(groups.begin(), groups.end(), [](const core::CRole* a, const core::CRole* b) {
    return CConfigManagerRole::CompareRoles(*a, *b) < 0;
  });
  for (const core::CRole* group : groups) content.groupNames.push_back(RoleDisplayName(group->Name()));
  const CategoryList list = categories.GetCategories();
  if (list) content.categories = ArrangeCategories(*list, groups);
  return content;
}

GridMarkup BuildCategoryGrid(const std::vector<GridCategory>& categories,
                             const std::vector<std::u16string>& groupNames, int clientHeight) {
  // A heading line starts each group; categories of no group (last in the order) follow an
  // empty line when groups come before them.
  int items = 0;
  std::int32_t previous = -1;
  for (const GridCategory& category : categories) {
    if (category.group != previous) ++items;
    previous = category.group;
    ++items;
  }
  GridMarkup grid;
  grid.linesPerColumn = (items + 3) / 3;
  if (clientHeight - 10 > grid.linesPerColumn * kGridLineHeight)
    grid.linesPerColumn = (clientHeight - 10) / kGridLineHeight;

  ColumnWriter writer(grid.linesPerColumn);
  previous = -1;
  for (const GridCategory& category : categories) {
    if (category.group != previous) {
      const bool named = category.group >= 0 && static_cast<std::size_t>(category.group) < groupNames.size();
      writer.Heading(named ? u"<b>" + RunningText(groupNames[category.group]) + u"</b>" : u"");
    }
    previous = category.group;
    writer.CheckBox(category);
  }
  grid.text = writer.Finish(&grid.columns);
  return grid;
}

}  // namespace parental::corvui
