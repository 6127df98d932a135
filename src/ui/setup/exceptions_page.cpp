#include "ui/setup/exceptions_page.h"

#include "frame/protocol/requests.h"
#include "platform/ansi_code_page.h"
#include "res/dialogs/exceptions_page.h"
#include "ui/setup/list_columns.h"

namespace parental::corvui {
namespace {

std::u16string Wide(const std::string& url) { return platform::DefaultAnsiCodePage().FromAnsi(url); }
std::string Narrow(const std::u16string& url) { return platform::DefaultAnsiCodePage().ToAnsi(url); }

}  // namespace

CConfigViewRoleException::CConfigViewRoleException(IAccountsService& accounts)
    : CConfigPage(IDD_EXCEPTIONS_PAGE, 857605), CConfigViewBase(accounts) {}

const CConfigView::Description& CConfigViewRoleException::Describe() const {
  static const Description description{2036, 2037, u"cfg_parnental_exceptions", 2, std::nullopt};
  return description;
}

BOOL CConfigViewRoleException::OnInitDialog() {
  roles_.SubclassDlgItem(IDC_EXCEPTIONS_ACCOUNT, GetSafeHwnd());
  list_.SubclassDlgItem(IDC_EXCEPTIONS_LIST, GetSafeHwnd());
  CConfigPage::OnInitDialog();
  states_ = {{0, ResourceText(2043)}, {1, ResourceText(2042)}};
  list_.SetExtendedStyle(LVS_EX_FULLROWSELECT);
  InsertColumns(list_, {{2038, 90}, {2039, 270}});
  ApplyRule();
  return TRUE;
}

void CConfigViewRoleException::OnLoadData() {
  roles_.Clear();
  list_.DeleteAllItems();
  rowIds_.clear();
  ClearNameCaches();
  if (CParentalConfig* config = ParentalConfigOf(*this)) {
    roleList_ = config->Roles().GetRoles();
    if (roleList_ && roles_.Fill(*roleList_, config->RememberedRoleKey(), *this)) FillList();
  }
  ApplyRule();
}

void CConfigViewRoleException::OnSaveData() {
  UpdateData(true);
  if (CParentalConfig* config = ParentalConfigOf(*this)) roles_.RememberSelection(*config);
  UpdateData(true);
}

void CConfigViewRoleException::FillList() {
  list_.DeleteAllItems();
  rowIds_.clear();
  CParentalConfig* config = ParentalConfigOf(*this);
  if (!config) return;
  if (core::RolePtr role = roles_.SelectedRole(config->Roles().GetRoles())) {
    for (const core::RoleException& exception : role->Exceptions()) {
      rowIds_.push_back(exception.id);
      const std::u16string state = ExceptionStateText(exception.state, states_[1], states_[0]);
      const int row = list_.InsertItem(list_.GetItemCount(), state.c_str(), LPARAM(&rowIds_.back()));
      if (row >= 0) list_.SetItemText(row, 1, Wide(exception.url).c_str());
    }
  }
}

void CConfigViewRoleException::ApplyRule() {
  UpdateData(true);
  const ExceptionsPageEnabling enabling = ExceptionsPageRule(roles_.GetCurSel() >= 0, SelectedRow() >= 0);
  list_.EnableWindow(enabling.list);
  ::EnableWindow(GetDlgItem(IDC_EXCEPTIONS_ADD), enabling.add);
  ::EnableWindow(GetDlgItem(IDC_EXCEPTIONS_REMOVE), enabling.remove);
  ::EnableWindow(GetDlgItem(IDC_EXCEPTIONS_EDIT), enabling.edit);
}

bool CConfigViewRoleException::OnCommand(int id, int code, HWND from) {
  if (id == IDC_EXCEPTIONS_ACCOUNT && code == CBN_SELCHANGE) {
    FillList();
    ApplyRule();
    return true;
  }
  if (code != BN_CLICKED) return CConfigPage::OnCommand(id, code, from);
  switch (id) {
    case IDC_EXCEPTIONS_ADD: Add(); return true;
    case IDC_EXCEPTIONS_EDIT: Edit(); return true;
    case IDC_EXCEPTIONS_REMOVE: Remove(); return true;
    default: return CConfigPage::OnCommand(id, code, from);
  }
}

LRESULT CConfigViewRoleException::OnNotify(int id, NMHDR* header) {
  if (id == IDC_EXCEPTIONS_LIST && header->code == LVN_ITEMCHANGED) {
    ApplyRule();
    return 0;
  }
  if (id == IDC_EXCEPTIONS_LIST && header->code == NM_DBLCLK) {
    Edit();
    return 0;
  }
  return CConfigPage::OnNotify(id, header);
}

const core::RoleException* CConfigViewRoleException::SelectedException(CParentalConfig& config,
                                                                        const std::u16string& key) const {
  const int row = SelectedRow();
  if (row < 0) return nullptr;
  const auto* id = reinterpret_cast<const std::u16string*>(list_.GetItemData(row));
  return id ? config.Roles().FindException(key, *id) : nullptr;
}

void CConfigViewRoleException::Add() {
  UpdateData(true);
  CParentalConfig* config = ParentalConfigOf(*this);
  const std::u16string* key = roles_.SelectedKey();
  if (config && key && roles_.SelectedRole(roleList_)) {
    CDialogViewRoleException form(states_);
    if (form.Run(GetSafeHwnd(), false, u"", std::nullopt) &&
        config->Roles().AddException(*key, Narrow(form.Url()), *form.State(), nullptr))
      FillList();
  }
  ApplyRule();
}

void CConfigViewRoleException::Edit() {
  UpdateData(true);
  CParentalConfig* config = ParentalConfigOf(*this);
  const std::u16string* key = roles_.SelectedKey();
  const core::RoleException* exception =
      config && key && roles_.SelectedRole(roleList_) ? SelectedException(*config, *key) : nullptr;
  if (exception) {
    const std::u16string id = exception->id;  // the role's exceptions may move while the form runs
    CDialogViewRoleException form(states_);
    if (form.Run(GetSafeHwnd(), true, Wide(exception->url), exception->state) &&
        config->Roles().EditException(*key, id, Narrow(form.Url()), *form.State()))
      FillList();
  }
  ApplyRule();
}

void CConfigViewRoleException::Remove() {
  UpdateData(true);
  CParentalConfig* config = ParentalConfigOf(*this);
  const std::u16string* key = roles_.SelectedKey();
  const core::RoleException* exception = config && key ? SelectedException(*config, *key) : nullptr;
  if (exception) {
    const std::u16string id = exception->id;
    const std::u16string text = FillPlaceholders(
        ResourceText(2045), {ExceptionStateText(exception->state, states_[1], states_[0]), Wide(exception->url)});
    const std::u16string caption = ResourceText(2044);
    const std::int64_t answer = HostMessageBox(AddressOf(GetSafeHwnd()), caption.c_str(), text.c_str(), MB_OKCANCEL,
                                               MB_ICONQUESTION, MB_DEFBUTTON2, false);
    if (answer == IDOK && config->Roles().RemoveException(*key, id)) list_.DeleteItem(SelectedRow());
  }
  ApplyRule();
}

}  // namespace parental::corvui
