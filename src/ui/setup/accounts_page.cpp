#include "ui/setup/accounts_page.h"

#include "frame/protocol/requests.h"
#include "res/dialogs/accounts_page.h"
#include "ui/setup/account_actions.h"
#include "ui/setup/account_form.h"
#include "ui/setup/list_columns.h"

namespace parental::corvui {

CConfigViewAccount::CConfigViewAccount(IAccountsService& accounts)
    : CConfigPage(IDD_ACCOUNTS_PAGE, 857602), CConfigViewBase(accounts) {}

const CConfigView::Description& CConfigViewAccount::Describe() const {
  static const Description description{2007, 2008, u"cfg_parnental_accounts", 1, std::nullopt};
  return description;
}

BOOL CConfigViewAccount::OnInitDialog() {
  list_.SubclassDlgItem(IDC_ACCOUNTS_LIST, GetSafeHwnd());
  CConfigPage::OnInitDialog();
  InsertColumns(list_, {{2046, 60}, {2009, 100}, {2015, 100}, {2010, 100}});
  list_.SetExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
  UpdateData(true);
  UpdateButtons();
  return TRUE;
}

void CConfigViewAccount::OnLoadData() {
  loaded_ = false;
  UpdateData(true);
  list_.DeleteAllItems();
  rowSids_.clear();
  ClearNameCaches();
  if (CParentalConfig* config = ParentalConfigOf(*this)) {
    const std::optional<int> year = CurrentLocalYear();
    for (const auto& [sidText, entry] : config->Accounts().Accounts())
      if (entry.account) AppendRow(sidText, *entry.account, year);
  }
  UpdateData(false);
  UpdateData(true);
  UpdateButtons();
  loaded_ = true;
}

void CConfigViewAccount::OnSaveData() {
  if (!ParentalConfigOf(*this)) return;
  UpdateData(true);
  UpdateData(true);
}

void CConfigViewAccount::AppendRow(const std::u16string& sidText, const Account& account, std::optional<int> year) {
  rowSids_.push_back(sidText);
  const int row = list_.InsertItem(list_.GetItemCount(), u"", LPARAM(&rowSids_.back()));
  if (row < 0) return;
  list_.SetCheck(row, account.enabled == 1);
  const AccountName& name = AccountNameOf(sidText);
  list_.SetItemText(row, 1, name.user.c_str());
  list_.SetItemText(row, 2, name.domain.c_str());
  if (year) list_.SetItemText(row, 3, FormatNumber(std::int64_t(*year) - account.birthYear).c_str());
}

const std::u16string* CConfigViewAccount::RowSid(int row) const {
  return row < 0 ? nullptr : reinterpret_cast<const std::u16string*>(list_.GetItemData(row));
}

void CConfigViewAccount::UpdateButtons() {
  const bool selected = SelectedRow() >= 0;
  ::EnableWindow(GetDlgItem(IDC_ACCOUNTS_EDIT), selected);
  ::EnableWindow(GetDlgItem(IDC_ACCOUNTS_REMOVE), selected);
}

bool CConfigViewAccount::OnCommand(int id, int code, HWND from) {
  if (code != BN_CLICKED) return CConfigPage::OnCommand(id, code, from);
  switch (id) {
    case IDC_ACCOUNTS_ADD: Add(); return true;
    case IDC_ACCOUNTS_EDIT: Edit(); return true;
    case IDC_ACCOUNTS_REMOVE: Remove(); return true;
    default: return CConfigPage::OnCommand(id, code, from);
  }
}

LRESULT CConfigViewAccount::OnNotify(int id, NMHDR* header) {
  if (id == IDC_ACCOUNTS_LIST && header->code == LVN_ITEMCHANGED) {
    ItemChanged(*reinterpret_cast<NMLISTVIEW*>(header));
    return 0;
  }
  if (id == IDC_ACCOUNTS_LIST && header->code == NM_DBLCLK) {
    Edit();
    return 0;
  }
  return CConfigPage::OnNotify(id, header);
}

void CConfigViewAccount::ItemChanged(const NMLISTVIEW& change) {
  const UINT image = (change.uNewState & LVIS_STATEIMAGEMASK) >> 12;
  CParentalConfig* config = ParentalConfigOf(*this);
  if (loaded_ && config && (change.uChanged & LVIF_STATE) && (image == 1 || image == 2) && change.iItem >= 0 &&
      ((change.uOldState ^ change.uNewState) & LVIS_STATEIMAGEMASK)) {
    if (const std::u16string* sid = RowSid(change.iItem)) SwitchGovernedAccount(*config, *sid, image == 2);
  }
  UpdateData(true);
  UpdateButtons();
}

void CConfigViewAccount::Add() {
  UpdateData(true);
  CParentalConfig* config = ParentalConfigOf(*this);
  if (!config) return;
  CConfigManagerRole::RoleList roles = config->Roles().GetRoles();
  const RoleChoices choices = roles ? BuildRoleChoices(*roles, *this) : RoleChoices{};
  CDialogViewAccount form(AccountsService(), choices);
  if (form.RunNew(GetSafeHwnd())) {
    const AccountName name = AccountNameOf(form.SidText());
    const std::optional<int> year = CurrentLocalYear();
    if (const AccountEntry* entry = AddGovernedAccount(
            *config, {form.SidText(), name.user, name.domain, form.Age(), choices.RoleAt(form.RoleIndex())}, year))
      AppendRow(form.SidText(), *entry->account, year);
  }
  UpdateData(true);
  UpdateButtons();
}

void CConfigViewAccount::Edit() {
  UpdateData(true);
  CParentalConfig* config = ParentalConfigOf(*this);
  const int row = SelectedRow();
  const std::u16string* sid = RowSid(row);
  const std::optional<int> year = CurrentLocalYear();
  const std::optional<std::int64_t> age = config && sid ? AccountAge(*config, *sid, year) : std::nullopt;
  if (age) {
    CConfigManagerRole::RoleList roles = config->Roles().GetRoles();
    const RoleChoices choices = roles ? BuildRoleChoices(*roles, *this) : RoleChoices{};
    CDialogViewAccount form(AccountsService(), choices);
    if (form.RunExisting(GetSafeHwnd(), *sid, *age) &&
        ChangeGovernedAccount(*config, *sid, choices.RoleAt(form.RoleIndex()), form.Age(), *year))
      list_.SetItemText(row, 3, FormatNumber(form.Age()).c_str());
  }
  UpdateData(true);
  UpdateButtons();
}

void CConfigViewAccount::Remove() {
  UpdateData(true);
  CParentalConfig* config = ParentalConfigOf(*this);
  const int row = SelectedRow();
  const std::u16string* sid = RowSid(row);
  if (config && sid) {
    auto found = config->Accounts().Accounts().find(*sid);
    if (found != config->Accounts().Accounts().end()) {
      const AccountName name = AccountNameOf(*sid);
      const std::u16string text =
          FillPlaceholders(ResourceText(2017), {name.domain, name.user, DisplayNameOf(found->second.roleKey)});
      const std::u16string caption = ResourceText(2016);
      const std::int64_t answer = HostMessageBox(AddressOf(GetSafeHwnd()), caption.c_str(), text.c_str(), MB_OKCANCEL,
                                                 MB_ICONQUESTION, MB_DEFBUTTON2, false);
      if (answer == IDOK && RemoveGovernedAccount(*config, *sid)) list_.DeleteItem(row);
    }
  }
  list_.SetFocus();
  UpdateData(true);
  UpdateButtons();
}

}  // namespace parental::corvui
