#pragma once
// CTabConfigException: the exceptions tab of the account configuration dialog (502). Its
// list shows the role's exceptions in priority order with their marks; entries are added
// (normalised), moved, toggled and deleted in the list and in the edit (account_config_edit.h)
// alike, and nothing reaches the role before the dialog's "OK".
#include <vector>

#include "ui/controls/list_box_adv.h"
#include "ui/controls/resizer.h"
#include "ui/dialogs/account_config_edit.h"
#include "ui/dialogs/dialog_resources.h"
#include "win/controls/basic_controls.h"
#include "win/controls/combo_box.h"
#include "win/dialog.h"

namespace parental::corvui {

class CTabConfigException : public CDialog {
 public:
  explicit CTabConfigException(platform::IAnsiCodePage& codePage);
  ~CTabConfigException() override;

  // The list as it is now, and a new list (shown in the list box once the tab is visible).
  const std::vector<ExceptionEntry>& Entries() const { return edit_.Entries(); }
  void SetEntries(const std::vector<ExceptionEntry>& entries);
  CListBoxAdv& List() { return list_; }

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code, HWND from) override;
  void OnSize(UINT type, int width, int height) override;
  void OnShowWindow(bool show, UINT status) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  // Enter and Escape belong to the dialog that holds the tab.
  void OnOK() override {}
  void OnCancel() override {}

 private:
  void ShowEntries();
  void Add();
  void Move(int id);
  void Toggle();

  ExceptionListEdit edit_;
  ExceptionImages images_;
  std::vector<HICON> icons_;
  CListBoxAdv list_;
  CEdit url_;
  CComboBox state_;
  CResizer resizer_;
  bool listStale_ = false;  // the list box does not show the edit's entries yet
};

}  // namespace parental::corvui
