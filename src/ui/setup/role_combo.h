#pragma once
// The role drop-down list of the Categories and Exceptions pages: every role that is
// neither deleted nor a template, by its display text, with its key as item data; the
// configuration's remembered role is selected.
#include <list>
#include <string>

#include "parental/parental_config.h"
#include "ui/setup/display_names.h"
#include "win/controls/combo_box.h"

namespace parental::corvui {

class CRoleCombo : public CComboBox {
 public:
  // Refills the list from roles; true when the remembered role was selected.
  bool Fill(const CConfigManagerRole::RoleMap& roles, const std::u16string& remembered, CConfigViewBase& names);
  void Clear();
  // The selected role's key, or null without a selection.
  const std::u16string* SelectedKey() const;
  // Makes the selected role the configuration's remembered one (none without a selection).
  void RememberSelection(CParentalConfig& config) const;
  // The selected role in roles; null without a selection or when roles lack it.
  core::RolePtr SelectedRole(const CConfigManagerRole::RoleList& roles) const;

 private:
  std::list<std::u16string> keys_;  // the entries' item data point here
};

}  // namespace parental::corvui
