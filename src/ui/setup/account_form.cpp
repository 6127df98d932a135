#include "ui/setup/account_form.h"

#include "res/dialogs/account_form.h"
#include "win/data_exchange.h"

namespace parental::corvui {
namespace {

// The picker offers the users of this computer.
constexpr PickerScope kComputerUsers{0x1 /* target computer */, 0, 0x2 /* users */, 0, 0, 0x80000001 /* users */};

}  // namespace

CDialogViewAccount::CDialogViewAccount(IAccountsService& accounts, const RoleChoices& choices)
    : CDialogViewBase(IDD_ACCOUNT_FORM, 857606), accounts_(accounts), choices_(choices) {}

bool CDialogViewAccount::RunNew(HWND owner) {
  newAccount_ = true;
  SetTitle(ResourceText(2013));
  accountText_.clear();
  sid_.clear();
  ageText_ = u"0";
  return Run(owner) && AccountFormChanged(true, !sid_.empty(), 0, 0, roleIndex_, -1);
}

bool CDialogViewAccount::RunExisting(HWND owner, const std::u16string& sidText, std::int64_t age) {
  newAccount_ = false;
  SetTitle(ResourceText(2014));
  sid_.clear();
  accounts_.TextToSid(sidText, &sid_);
  ageText_ = FormatNumber(age);
  accountText_ = AccountText(sid_, sidText);
  // Confirming the form unchanged matches the same age again: that is no change.
  const int previousRole = MatchAgeRange(choices_.ranges, age);
  if (!Run(owner) || !AccountFormChanged(false, true, Age(), age, roleIndex_, previousRole)) return false;
  if (sidText_.empty()) sidText_ = sidText;
  return true;
}

bool CDialogViewAccount::Run(HWND owner) {
  copy_ = 0;
  roleIndex_ = -1;
  if (!CDialogView::Run(owner)) return false;
  sidText_ = sid_.empty() ? std::u16string() : accounts_.SidToText(sid_);
  return true;
}

std::u16string CDialogViewAccount::AccountText(const Sid& sid, const std::u16string& fallback) {
  std::u16string user, domain;
  if (sid.empty() || !accounts_.LookupName(sid, &user, &domain)) return fallback;
  return domain.empty() ? user : domain + u"\\" + user;
}

BOOL CDialogViewAccount::OnInitDialog() {
  roles_.SubclassDlgItem(IDC_ACCOUNT_ROLE, GetSafeHwnd());
  spin_.SubclassDlgItem(IDC_ACCOUNT_AGE_SPIN, GetSafeHwnd());
  CDialogViewBase::OnInitDialog();
  spin_.SetRange32(0, 150);
  roles_.ResetContent();
  for (std::size_t i = 0; i < choices_.names.size(); ++i) {
    const std::u16string& name = choices_.names[i];
    if (!name.empty() && name[0] == u'@') continue;  // a symbolic name the host did not translate
    const int at = roles_.AddString(name.c_str());
    if (at >= 0) roles_.SetItemData(at, LPARAM(i));
  }
  if (roleIndex_ != -1) {
    for (int at = 0; at < roles_.GetCount(); ++at)
      if (roles_.GetItemData(at) == roleIndex_) roles_.SetCurSel(at);
  }
  UpdateData(true);
  ApplyRule();
  return TRUE;
}

void CDialogViewAccount::DoDataExchange(CDataExchange& exchange) {
  DDX_Text(exchange, IDC_ACCOUNT_NAME, accountText_);
  DDX_Text(exchange, IDC_ACCOUNT_AGE, ageText_);
  DDX_Check(exchange, IDC_ACCOUNT_COPY, copy_);
}

void CDialogViewAccount::ApplyRule() {
  const AccountFormEnabling enabling = AccountFormRule(newAccount_, !sid_.empty(), copy_ != 0, roles_.GetCurSel() >= 0);
  roles_.EnableWindow(enabling.roles);
  ::EnableWindow(GetDlgItem(IDC_ACCOUNT_ROLE_LABEL), enabling.roles);
  ::EnableWindow(GetDlgItem(IDC_ACCOUNT_CHOOSE), enabling.choose);
  ::EnableWindow(GetDlgItem(IDOK), enabling.ok);
}

bool CDialogViewAccount::OnCommand(int id, int code, HWND from) {
  if ((id == IDC_ACCOUNT_COPY && code == BN_CLICKED) || (id == IDC_ACCOUNT_ROLE && code == CBN_SELCHANGE)) {
    UpdateData(true);
    ApplyRule();
    return true;
  }
  if (id == IDC_ACCOUNT_CHOOSE && code == BN_CLICKED) {
    Choose();
    return true;
  }
  return CDialogViewBase::OnCommand(id, code, from);
}

void CDialogViewAccount::Choose() {
  UpdateData(true);
  PickedAccount picked;
  Sid sid;
  if (accounts_.PickAccount(kComputerUsers, GetSafeHwnd(), &picked) && accounts_.TextToSid(picked.sidText, &sid)) {
    sid_ = sid;
    accountText_ = AccountText(sid_, picked.name);
  }
  UpdateData(false);
  UpdateData(true);
  ApplyRule();
}

void CDialogViewAccount::OnOK() {
  UpdateData(true);
  const int selected = roles_.GetCurSel();
  roleIndex_ = selected >= 0 ? int(roles_.GetItemData(selected)) : -1;
  if (!copy_) {
    const int matched = MatchAgeRange(choices_.ranges, ReadAge(ageText_));
    if (matched != -1) roleIndex_ = matched;
  }
  CDialogViewBase::OnOK();
}

}  // namespace parental::corvui
