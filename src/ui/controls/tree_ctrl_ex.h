#pragma once
// CTreeCtrlEx: a tree with check boxes that tells its parent when the user changes one.
// The parent gets WM_NOTIFY with code kTreeCheckChanged (an NMTREEVIEWW whose new item is
// the item, its state the new one) through SendNotifyMessageW, only for a press and release
// on the same item's check box and for Space on the selected item. The tree toggles a clicked box itself on release
// rather than leaving it to the platform, which (under Wine) reports a click before the
// state changes; a box toggled by Space is read back after the key has been handled.
#include "ui/controls/tool_tip_tree_ctrl.h"

namespace parental::util {

constexpr UINT kTreeCheckChanged = 0x8000;

class CTreeCtrlEx : public CToolTipTreeCtrl {
 public:
  // Gives the tree its check boxes: the style set again after creation, which is what makes
  // the tree build its check-box images (a style given at creation alone shows none under
  // Wine). It clears every item's state, so call it before adding items.
  void EnableCheckBoxes();

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnLButtonDown(UINT flags, POINT point) override;
  void OnLButtonDblClk(UINT flags, POINT point) override;
  void OnLButtonUp(UINT flags, POINT point) override;
  void OnKeyDown(UINT key, UINT repeat, UINT flags) override;

 private:
  bool HasCheckBoxes() const { return (GetStyle() & TVS_CHECKBOXES) != 0; }
  HTREEITEM CheckBoxAt(POINT point) const;  // the item whose check box is at the point
  void PressCheckBox(POINT point);
  void NotifyChanged(HTREEITEM item);

  HTREEITEM pressed_ = nullptr;  // pressed on its check box, waiting for the release
  HTREEITEM spaceItem_ = nullptr;  // Space went to it; its state before
  bool spaceChecked_ = false;
};

}  // namespace parental::util
