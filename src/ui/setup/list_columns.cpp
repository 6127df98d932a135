#include "ui/setup/list_columns.h"

#include <algorithm>

#include "frame/app/plugin_app.h"
#include "win/dpi.h"

namespace parental::corvui {

namespace {
// A heading's room beside its text: the header's margins on both sides, at 96 dots per inch.
constexpr int kHeadingMargins = 16;
}  // namespace

void InsertColumns(CListCtrl& list, std::initializer_list<ListColumn> columns) {
  const UINT dpi = DpiOf(list.GetSafeHwnd());
  int index = 0;
  for (const ListColumn& column : columns) {
    const std::u16string heading = ResourceText(column.title);
    const int text = list.GetStringWidth(heading.c_str());
    const int width = std::max(ScaleToDpi(column.width, dpi), text + ScaleToDpi(kHeadingMargins, dpi));
    list.InsertColumn(index++, heading.c_str(), width);
  }
}

}  // namespace parental::corvui
