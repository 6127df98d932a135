#pragma once
// CAccountConfigDlg: the account configuration dialog (500). Two tabs: the grid of
// categories (allowed or blocked for the account's role) and the role's list of allowed
// and blocked web pages. It works on the role as it was when the dialog opened ("&Undo"
// returns to that); only "OK", once the host has confirmed the access, writes the grid and
// the list to the role and saves the configuration, and ends the dialog only when both
// worked. The dialog is resizable.
#include <memory>
#include <string>

#include "parental/parental_config.h"
#include "ui/controls/dialog_adv.h"
#include "ui/controls/resizer.h"
#include "ui/dialogs/account_config_edit.h"
#include "ui/dialogs/category_tab.h"
#include "ui/dialogs/exception_tab.h"
#include "win/controls/tab_ctrl.h"

namespace parental::corvui {

class CAccountConfigDlg : public CDialogAdv {
 public:
  class CCategoryDialog;  // category_dialog.h

  static constexpr DWORD kHelpCategories = 393820;
  static constexpr DWORD kHelpExceptions = 393836;

  CAccountConfigDlg(HWND owner, CParentalConfig& config, std::u16string roleKey,
                    platform::IAnsiCodePage& codePage = platform::DefaultAnsiCodePage());
  ~CAccountConfigDlg() override;

  INT_PTR DoModal() { return CDialogAdv::DoModal(owner_); }

  CCategoryDialog& Grid() { return *grid_; }
  CTabConfigCategory& CategoriesTab() { return categoriesTab_; }
  CTabConfigException& ExceptionsTab() { return exceptionsTab_; }
  void SelectTab(int index);

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code, HWND from) override;
  LRESULT OnNotify(int id, NMHDR* header) override;
  void OnOK() override;
  void OnSize(UINT type, int width, int height) override;

 private:
  CDialog& Page(int index);
  void CreatePages();
  void CreatePage(int index);  // hidden until its tab is chosen
  // The tab pages fill the tab control's display area.
  void PlacePages();
  // The role as it was when the dialog opened, in the grid and the list.
  void ShowOpeningStates();

  HWND owner_;
  CParentalConfig& config_;
  AccountConfigEdit edit_;
  CTabCtrl tabs_;
  CTabConfigCategory categoriesTab_;
  CTabConfigException exceptionsTab_;
  std::unique_ptr<CCategoryDialog> grid_;
  CResizer resizer_;
  int current_ = 0;
};

}  // namespace parental::corvui
