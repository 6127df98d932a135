#pragma once
// CDialogViewAccount: the account form of the Accounts page. It collects a Windows
// account (chosen with the account picker for a new one), its age and the role whose
// categories it starts from (chosen, or matched by age); the page applies the answer.
#include <cstdint>
#include <string>

#include "parental/accounts_service.h"
#include "ui/setup/role_choices.h"
#include "ui/views/dialog_ex.h"
#include "ui/views/dialog_view.h"
#include "win/controls/combo_box.h"
#include "win/controls/spin_button.h"

namespace parental::corvui {

using CDialogViewBase = util::CDialogEx<CDialogView>;

class CDialogViewAccount : public CDialogViewBase {
 public:
  CDialogViewAccount(IAccountsService& accounts, const RoleChoices& choices);

  // Mode 0: a new account; true once an account was chosen and the form confirmed.
  bool RunNew(HWND owner);
  // Mode 1: the account of sidText at age; true when age or role changed.
  bool RunExisting(HWND owner, const std::u16string& sidText, std::int64_t age);

  // The answer of a run that returned true.
  const std::u16string& SidText() const { return sidText_; }
  std::int64_t Age() const { return ReadAge(ageText_); }
  int RoleIndex() const { return roleIndex_; }

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnCommand(int id, int code, HWND from) override;
  void OnOK() override;

 private:
  bool Run(HWND owner);
  void ApplyRule();
  void Choose();
  std::u16string AccountText(const Sid& sid, const std::u16string& fallback);

  IAccountsService& accounts_;
  const RoleChoices& choices_;
  bool newAccount_ = true;
  std::u16string accountText_;
  std::u16string ageText_;
  Sid sid_;
  std::u16string sidText_;
  int copy_ = 0;
  int roleIndex_ = -1;
  CComboBox roles_;
  CSpinButtonCtrl spin_;
};

}  // namespace parental::corvui
