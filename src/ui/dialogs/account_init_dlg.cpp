#include "ui/dialogs/account_init_dlg.h"

#include "common/text.h"
#include "frame/protocol/requests.h"
#include "res/dialogs/account_setup_ids.h"
#include "ui/dialogs/dialog_resources.h"
#include "ui/dialogs/display_names.h"
#include "win/controls/spin_button.h"

namespace parental::corvui {

CAccountInitDlg::CAccountInitDlg(HWND owner, CConfigManagerRole& roles, CConfigManagerAccount& accounts,
                                 std::u16string domain, std::u16string user, std::u16string sidText)
    : CDialogAdv(IDD_ACCOUNT_SETUP, kHelpNewAccount),
      owner_(owner),
      setup_(roles, accounts, std::move(domain), std::move(user), std::move(sidText)) {}

void CAccountInitDlg::SetExistingAccount(std::uint32_t age) {
  existing_ = true;
  age_ = age;
  SetHelpContext(kHelpExistingAccount);
}

void CAccountInitDlg::SetNewAccount() {
  newAccount_ = true;
  SetHelpContext(kHelpNewAccount);
}

AccountSetup::Mode CAccountInitDlg::Mode() const {
  if (existing_) return AccountSetup::Mode::ExistingAccount;
  return newAccount_ ? AccountSetup::Mode::NewAccount : AccountSetup::Mode::ChooseRole;
}

BOOL CAccountInitDlg::OnInitDialog() {
  BOOL result = CDialogAdv::OnInitDialog();
  ageEdit_.SubclassDlgItem(IDC_SETUP_AGE, GetSafeHwnd());
  roleCombo_.SubclassDlgItem(IDC_SETUP_ROLE, GetSafeHwnd());
  CSpinButtonCtrl spin;
  if (spin.SubclassDlgItem(IDC_SETUP_AGE_SPIN, GetSafeHwnd())) {
    spin.SetRange32(0, static_cast<int>(kMaxAge));
    spin.UnsubclassWindow();
  }
  FillRoles();
  ageEdit_.SetWindowText(common::FormatDecimal(age_));
  OnAgeChanged();  // also where setting the text sends no change
  if (existing_ || newAccount_) HideRoleRow();
  return result;
}

void CAccountInitDlg::FillRoles() {
  templates_ = setup_.Templates(&RoleDisplayName);
  roleCombo_.ResetContent();
  for (const tmpRole& t : templates_) {
    const int index = roleCombo_.AddString(t.displayName.c_str());
    if (index >= 0) roleCombo_.SetItemData(index, PackAgeRange(t.role->MinAge(), t.role->MaxAge()));
  }
}

bool CAccountInitDlg::OnCommand(int id, int code, HWND from) {
  if (id == IDC_SETUP_AGE && code == EN_CHANGE) {
    if (ageEdit_.GetSafeHwnd()) OnAgeChanged();
    return true;
  }
  return CDialogAdv::OnCommand(id, code, from);
}

// The age rule: 150 at most, and the combo on the first template whose range holds the age.
void CAccountInitDlg::OnAgeChanged() {
  std::u16string text = ageEdit_.GetWindowText();
  const std::u16string typed = text;
  age_ = ApplyAgeRule(text);
  if (text != typed) {
    ageEdit_.SetWindowText(text);
    ageEdit_.SetSel(static_cast<int>(text.size()), static_cast<int>(text.size()));
  }
  std::vector<std::uint32_t> ranges;
  for (int i = 0; i < roleCombo_.GetCount(); ++i) ranges.push_back(static_cast<std::uint32_t>(roleCombo_.GetItemData(i)));
  const int match = MatchAgeRange(ranges, age_);
  if (match >= 0) roleCombo_.SetCurSel(match);
}

// Without the role row the buttons move up to where the row began and the window shrinks.
void CAccountInitDlg::HideRoleRow() {
  roleCombo_.ShowWindow(SW_HIDE);
  roleCombo_.EnableWindow(false);
  HWND label = GetDlgItem(IDC_SETUP_ROLE_LABEL);
  ::ShowWindow(label, SW_HIDE);
  auto clientRect = [this](HWND control) {
    RECT rect{};
    ::GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetSafeHwnd(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  };
  const RECT row = clientRect(label), ok = clientRect(GetDlgItem(IDOK));
  const int shift = ok.top - row.top;
  for (int id : {IDOK, IDCANCEL}) {
    const RECT button = clientRect(GetDlgItem(id));
    ::SetWindowPos(GetDlgItem(id), nullptr, button.left, button.top - shift, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  const RECT window = GetWindowRect();
  ::SetWindowPos(GetSafeHwnd(), nullptr, 0, 0, window.right - window.left, window.bottom - window.top - shift,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CAccountInitDlg::OnOK() {
  if (!ConfirmHostAccess()) return;  // refused: the dialog stays as it is
  std::u16string text = ageEdit_.GetWindowText();
  const std::uint32_t age = ApplyAgeRule(text);
  SYSTEMTIME now{};
  GetLocalTime(&now);
  const int selected = roleCombo_.GetCurSel();
  const core::RolePtr chosen =
      selected >= 0 && selected < static_cast<int>(templates_.size()) ? templates_[selected].role : core::RolePtr();
  if (setup_.Apply(Mode(), age, now.wYear, chosen)) EndDialog(IDOK);
}

}  // namespace parental::corvui
