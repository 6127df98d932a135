#include "ui/setup/role_combo.h"

namespace parental::corvui {

void CRoleCombo::Clear() {
  ResetContent();
  keys_.clear();
}

bool CRoleCombo::Fill(const CConfigManagerRole::RoleMap& roles, const std::u16string& remembered,
                      CConfigViewBase& names) {
  Clear();
  bool selected = false;
  for (const auto& [key, cell] : roles) {
    if (cell.state == RoleState::Deleted || cell.state == RoleState::Predefined) continue;
    keys_.push_back(key);
    const int at = AddString(names.DisplayNameOf(key).c_str());
    if (at < 0) continue;
    SetItemData(at, LPARAM(&keys_.back()));
    if (key == remembered) selected = SetCurSel(at) >= 0;
  }
  return selected;
}

const std::u16string* CRoleCombo::SelectedKey() const {
  const int selected = GetCurSel();
  return selected < 0 ? nullptr : reinterpret_cast<const std::u16string*>(GetItemData(selected));
}

void CRoleCombo::RememberSelection(CParentalConfig& config) const {
  const std::u16string* key = SelectedKey();
  config.RememberedRoleKey() = key ? *key : std::u16string();
}

core::RolePtr CRoleCombo::SelectedRole(const CConfigManagerRole::RoleList& roles) const {
  const std::u16string* key = SelectedKey();
  if (!key || !roles) return {};
  auto found = roles->find(*key);
  return found != roles->end() ? found->second.role : core::RolePtr();
}

}  // namespace parental::corvui
