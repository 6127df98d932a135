#pragma once
// The category grid of the account configuration dialog: the group each category
// belongs to, the order of the grid, and the mark-up that shows it as columns of check
// boxes under group headings, for the rich-text control.
#include <cstdint>
#include <string>
#include <vector>

#include "parental/category_manager.h"
#include "parental/role_manager.h"

namespace parental::corvui {

struct GridCategory {
  std::uint16_t id;
  std::int32_t group;  // index into the groups; -1 when no group allows the category
  std::u16string name;
  std::u16string description;
};

// Each category once (the first of a repeated id), its description with "%SEP%" read as
// ", ", its group the last group that allows it; ordered by group index, highest first,
// keeping the engine's order within a group.
std::vector<GridCategory> ArrangeCategories(const std::vector<CategoryInfo>& categories,
                                            const std::vector<const core::CRole*>& groups);

// The grid's categories and the names of its groups, from the engine's second set of
// template roles (ordered as CompareRoles orders them) and its category list.
struct GridContent {
  std::vector<GridCategory> categories;
  std::vector<std::u16string> groupNames;
};
GridContent LoadGridContent(const CConfigManagerRole& roles, const CConfigManagerCategory& categories);

struct GridMarkup {
  std::u16string text;
  int linesPerColumn = 0;
  int columns = 0;
};

// Line height of a check box and the grid's fixed widths, in pixels.
constexpr int kGridLineHeight = 25;
constexpr int kGridItemWidth = 200;
constexpr int kGridMargin = 10;  // left and right of the table

// The grid for a window of clientHeight pixels: columns of R lines, R = (items + 3) / 3
// or as many as the height holds. A group heading takes a line, never a column's last;
// categories that no group allows follow an empty line. groupNames[i] heads group i.
GridMarkup BuildCategoryGrid(const std::vector<GridCategory>& categories,
                             const std::vector<std::u16string>& groupNames, int clientHeight);

// The width in which a grid of `columns` columns shows every check box whole.
constexpr int GridMinimumWidth(int columns) { return columns * (kGridItemWidth + kGridMargin) + 2 * kGridMargin; }

}  // namespace parental::corvui
