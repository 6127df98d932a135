#pragma once
// CTabConfigCategory: the categories tab of the account configuration dialog (501): the
// bold captions, the help text and, between them, the scrollable grid of categories. Enter
// and Escape go nowhere in this tab.
#include <windows.h>

#include "ui/controls/resizer.h"
#include "win/dialog.h"

namespace parental::corvui {

class CTabConfigCategory : public CDialog {
 public:
  CTabConfigCategory();
  ~CTabConfigCategory() override;

  // Where the grid goes: between the caption and the help caption, across the tab.
  RECT GridArea() const;
  // The grid's window, stretched with the tab; its wheel turns are passed to it.
  void SetGridWindow(HWND grid);

  bool PreTranslateMessage(MSG* message) override;

 protected:
  BOOL OnInitDialog() override;
  void OnSize(UINT type, int width, int height) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnOK() override {}
  void OnCancel() override {}

 private:
  HFONT bold_ = nullptr;
  HWND grid_ = nullptr;
  CResizer resizer_;
};

}  // namespace parental::corvui
