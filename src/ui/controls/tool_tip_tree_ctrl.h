#pragma once
// CToolTipTreeCtrl: a tree view with a tool tip per item. One tool covers the whole tree;
// when the tip asks for its text (TTN_GETDISPINFO, not for a window tool) the tree answers
// with the text of the item under the pointer, and items without text show no tip. The
// tree paints off screen, so it does not flicker while it redraws.
#include <string>
#include <unordered_map>

#include "win/controls/tool_tip_ctrl.h"
#include "win/controls/tree_ctrl.h"

class CToolTipTreeCtrl : public CTreeCtrl {
 public:
  // Sets the tip of an item; an empty text removes it.
  void SetItemTip(HTREEITEM item, const std::u16string& text);
  std::u16string ItemTip(HTREEITEM item) const;
  HWND ToolTip() const { return tip_.GetSafeHwnd(); }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnNotify(int id, NMHDR* header) override;
  bool PreTranslateMessage(MSG* message) override;
  void OnMouseMove(UINT flags, POINT point) override;
  void OnSize(UINT type, int width, int height) override;
  void OnPaint() override;
  bool OnEraseBkgnd(HDC dc) override { return true; }
  void OnDestroy() override;

 private:
  void EnsureTip();
  HTREEITEM ItemUnderPointer() const;
  void ForgetSubtree(HTREEITEM item);

  std::unordered_map<HTREEITEM, std::u16string> tips_;
  CToolTipCtrl tip_;
  HTREEITEM tipItem_ = nullptr;  // the item the tip shows, to pop it when the pointer moves on
  std::string narrow_;           // the text answered to TTN_GETDISPINFOA
};
