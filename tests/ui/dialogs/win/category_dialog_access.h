#pragma once
// Clicks on the account configuration dialog's grid and lists, where the user would click.
#include "dialog_driver.h"
#include "ui/controls/list_box_adv.h"
#include "ui/dialogs/category_dialog.h"

namespace dialogtest {

// The check box of grid category i, clicked on its box.
inline void ClickCheckBox(parental::corvui::CAccountConfigDlg::CCategoryDialog& grid, std::size_t i) {
  const Rect r = grid.CheckBox(i)->GetRect();
  wintest::ClickAt(grid.Control().GetSafeHwnd(), POINT{r.left + 8, (r.top + r.bottom) / 2});
  wintest::Pump(60);
}

// The mark (image) of list entry i, clicked: the list's toggle request.
inline void ClickMark(CListBoxAdv& list, int i) {
  RECT item{};
  list.GetItemRect(i, item);
  wintest::ClickAt(list.GetSafeHwnd(), POINT{item.left + 6, item.top + 6});
  wintest::Pump(60);
}

}  // namespace dialogtest
