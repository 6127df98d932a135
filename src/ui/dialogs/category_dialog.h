#pragma once
// CAccountConfigDlg::CCategoryDialog: the scrollable child dialog (2010) of the categories
// tab. It holds the rich-text control that shows the category grid, sized to the grid's
// content, and scrolls it by lines, pages, the thumb and the wheel (grid_scroll.h).
#include <cstdint>
#include <vector>

#include "markup/button.h"
#include "win/richtext/static_ii.h"
#include "ui/dialogs/account_config_dlg.h"
#include "ui/dialogs/category_grid.h"
#include "ui/dialogs/grid_scroll.h"
#include "win/dialog.h"

namespace parental::corvui {

class CAccountConfigDlg::CCategoryDialog : public CDialog {
 public:
  static constexpr UINT kGridControlId = 1000;

  CCategoryDialog();

  // The dialog in `area` of its parent, with the rich-text control inside.
  bool Create(HWND parent, const RECT& area);
  // Shows the grid of these categories; the check boxes are kept in category order.
  void SetGrid(const GridContent& content);
  const std::vector<std::uint16_t>& Ids() const { return ids_; }
  std::vector<bool> Checks() const;
  void SetChecks(const std::vector<bool>& checks);
  // The check box of category i (in grid order), or null.
  CButtonLO* CheckBox(std::size_t i) const { return i < boxes_.size() ? boxes_[i] : nullptr; }

  CStaticII& Control() { return grid_; }
  const GridScroll& Scroll() const { return scroll_; }
  void ScrollBy(int code, int thumb = 0);
  void Wheel(int delta);

 protected:
  void OnSize(UINT type, int width, int height) override;
  void OnVScroll(UINT code, UINT position, HWND scrollBar) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnOK() override {}
  void OnCancel() override {}

 private:
  void ScrollTo(int position);
  // The control as wide as the window (at least the grid's columns) and as high as its content.
  void FitControl();
  void UpdateScrollBar();

  CStaticII grid_;
  GridScroll scroll_;
  int columns_ = 0;
  std::vector<std::uint16_t> ids_;
  std::vector<CButtonLO*> boxes_;
};

}  // namespace parental::corvui
