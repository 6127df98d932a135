#pragma once
// CConfigViewRoleException: the Exceptions setup page. The user picks a role by account
// and adds, edits (through the URL exception form) and removes (after a question) its
// URL exceptions; each action changes the role at once.
#include <list>
#include <string>

#include "ui/setup/role_combo.h"
#include "ui/setup/setup_page.h"
#include "ui/setup/url_exception_form.h"
#include "win/controls/list_ctrl.h"

namespace parental::corvui {

class CConfigViewRoleException : public CConfigPage, public CConfigViewBase {
 public:
  explicit CConfigViewRoleException(IAccountsService& accounts);

 protected:
  const Description& Describe() const override;
  BOOL OnInitDialog() override;
  void OnLoadData() override;
  void OnSaveData() override;
  bool OnCommand(int id, int code, HWND from) override;
  LRESULT OnNotify(int id, NMHDR* header) override;

 private:
  void FillList();
  void Add();
  void Edit();
  void Remove();
  void ApplyRule();
  int SelectedRow() const { return list_.GetNextItem(-1, LVNI_SELECTED); }
  // The selected row's exception of the selected role, or null.
  const core::RoleException* SelectedException(CParentalConfig& config, const std::u16string& key) const;

  CRoleCombo roles_;
  CListCtrl list_;
  std::list<std::u16string> rowIds_;  // the rows' item data point here
  CDialogViewRoleException::StateTexts states_;
  CConfigManagerRole::RoleList roleList_;
};

}  // namespace parental::corvui
