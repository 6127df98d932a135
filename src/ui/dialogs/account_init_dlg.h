#pragma once
// CAccountInitDlg: the account setup dialog (2023). It asks for an account's age and, unless
// the status panel asks for an existing or a new account, for the template role to start
// from; "OK" applies the result to the role and account managers (account_setup.h) once the
// host has confirmed the access.
#include <cstdint>
#include <string>
#include <vector>

#include "ui/controls/dialog_adv.h"
#include "ui/dialogs/account_setup.h"
#include "win/controls/basic_controls.h"
#include "win/controls/combo_box.h"

namespace parental::corvui {

class CAccountInitDlg : public CDialogAdv {
 public:
  static constexpr DWORD kHelpNewAccount = 393834;
  static constexpr DWORD kHelpExistingAccount = 393835;

  CAccountInitDlg(HWND owner, CConfigManagerRole& roles, CConfigManagerAccount& accounts, std::u16string domain,
                  std::u16string user, std::u16string sidText);

  // The account is governed already: its age is `age`; the role row is not shown.
  void SetExistingAccount(std::uint32_t age);
  // The account gets a role of its own from the template its age selects; no role row.
  void SetNewAccount();
  // IDOK after the model changed, IDCANCEL otherwise.
  INT_PTR DoModal() { return CDialogAdv::DoModal(owner_); }

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code, HWND from) override;
  void OnOK() override;

 private:
  AccountSetup::Mode Mode() const;
  void FillRoles();
  void OnAgeChanged();
  void HideRoleRow();

  HWND owner_;
  AccountSetup setup_;
  std::vector<tmpRole> templates_;  // in the combo's order
  std::uint32_t age_ = 0;
  bool existing_ = false;
  bool newAccount_ = false;
  CEdit ageEdit_;
  CComboBox roleCombo_;
};

}  // namespace parental::corvui
