#pragma once
// CExceptionConfigDlg: the web-page exception dialog (2007). The parent types a URL; every
// account whose name resolves is listed with its allowed or blocked mark for that URL, a
// click on the mark (or Space) toggles it, and "OK" writes one exception per listed
// account (web_page_exception.h): it ends with IDOK only once they are written. The
// dialog is resizable.
#include <string>

#include "parental/accounts_service.h"
#include "ui/controls/dialog_adv.h"
#include "ui/controls/list_box_adv.h"
#include "ui/controls/resizer.h"
#include "ui/dialogs/dialog_resources.h"
#include "ui/dialogs/web_page_exception.h"
#include "win/controls/basic_controls.h"

namespace parental::corvui {

class CExceptionConfigDlg : public CDialogAdv {
 public:
  static constexpr DWORD kHelpContext = 393822;

  CExceptionConfigDlg(HWND owner, CConfigManagerRole& roles, CConfigManagerAccount::AccountMap accounts,
                      IAccountsService& service = DefaultAccountsService(),
                      platform::IAnsiCodePage& codePage = platform::DefaultAnsiCodePage());

  INT_PTR DoModal() { return CDialogAdv::DoModal(owner_); }
  const WebPageException& Rules() const { return rules_; }

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code, HWND from) override;
  void OnOK() override;
  void OnSize(UINT type, int width, int height) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void ShowMarks();

  HWND owner_;
  IAccountsService& service_;
  WebPageException rules_;
  ExceptionImages images_;
  CEdit url_;
  CListBoxAdv accounts_;
  CResizer resizer_;
};

}  // namespace parental::corvui
