#pragma once
// CConfigViewRoleCategory: the Categories setup page. The user picks a role by account
// and sets its allowed categories in a tree of check boxes; each box changes the role at
// once, and saving the page remembers the role for the next opening and the Exceptions page.
#include <map>
#include <string>
#include <utility>

#include "ui/controls/tree_ctrl_ex.h"
#include "ui/setup/role_combo.h"
#include "ui/setup/setup_page.h"

namespace parental::corvui {

class CConfigViewRoleCategory : public CConfigPage, public CConfigViewBase {
 public:
  explicit CConfigViewRoleCategory(IAccountsService& accounts);

 protected:
  const Description& Describe() const override;
  BOOL OnInitDialog() override;
  void OnLoadData() override;
  void OnSaveData() override;
  bool OnCommand(int id, int code, HWND from) override;
  LRESULT OnNotify(int id, NMHDR* header) override;

 private:
  void ShowRole();
  void ApplyRule();

  CRoleCombo roles_;
  util::CTreeCtrlEx tree_;
  std::map<HTREEITEM, std::pair<std::u16string, std::u16string>> items_;  // name, description
  CConfigManagerRole::RoleList roleList_;
};

}  // namespace parental::corvui
