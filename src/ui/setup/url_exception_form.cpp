#include "ui/setup/url_exception_form.h"

#include "res/dialogs/url_exception_form.h"
#include "win/data_exchange.h"

namespace parental::corvui {

CDialogViewRoleException::CDialogViewRoleException(const StateTexts& states)
    : CDialogViewBase(IDD_URL_EXCEPTION_FORM, 857607), states_(states) {}

bool CDialogViewRoleException::Run(HWND owner, bool edit, const std::u16string& url,
                                   std::optional<std::uint32_t> state) {
  SetTitle(ResourceText(edit ? 2041 : 2040));
  url_ = url;
  choice_ = state;
  return CDialogView::Run(owner) && UrlFormChanged(edit, url_, choice_, url, state);
}

BOOL CDialogViewRoleException::OnInitDialog() {
  stateBox_.SubclassDlgItem(IDC_URL_EXCEPTION_STATE, GetSafeHwnd());
  CDialogViewBase::OnInitDialog();
  stateBox_.ResetContent();
  int position = 0;
  for (const auto& [value, text] : states_) {
    const int at = stateBox_.InsertString(position++, text.c_str());
    if (at < 0) continue;
    stateBox_.SetItemData(at, LPARAM(value));
    if (choice_ == value) stateBox_.SetCurSel(at);
  }
  UpdateData(true);
  ApplyRule();
  return TRUE;
}

void CDialogViewRoleException::DoDataExchange(CDataExchange& exchange) {
  DDX_Text(exchange, IDC_URL_EXCEPTION_URL, url_);
}

void CDialogViewRoleException::ApplyRule() {
  ::EnableWindow(GetDlgItem(IDOK), UrlFormAccepts(url_, stateBox_.GetCurSel() >= 0));
}

bool CDialogViewRoleException::OnCommand(int id, int code, HWND from) {
  if ((id == IDC_URL_EXCEPTION_URL && code == EN_CHANGE) || (id == IDC_URL_EXCEPTION_STATE && code == CBN_SELCHANGE)) {
    if (stateBox_.GetSafeHwnd()) {  // the URL's first text arrives before the form is ready
      UpdateData(true);
      ApplyRule();
    }
    return true;
  }
  return CDialogViewBase::OnCommand(id, code, from);
}

void CDialogViewRoleException::OnOK() {
  UpdateData(true);
  const int selected = stateBox_.GetCurSel();
  choice_ = selected >= 0 ? std::optional<std::uint32_t>(std::uint32_t(stateBox_.GetItemData(selected))) : std::nullopt;
  CDialogViewBase::OnOK();
}

}  // namespace parental::corvui
