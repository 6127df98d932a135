#pragma once
// The roles the account form offers: the roles in the role order, template roles (names
// beginning with "@") first by their display names with their age ranges, then every
// other role by its name with the range (255, 255), which no age matches.
#include <map>
#include <string>
#include <vector>

#include "parental/role_manager.h"
#include "ui/setup/display_names.h"
#include "ui/setup/form_rules.h"

namespace parental::corvui {

struct RoleChoices {
  std::vector<std::u16string> names;  // shown in the form
  std::vector<AgeRange> ranges;       // parallel to names
  std::map<std::u16string, core::RolePtr> roles;  // by shown name

  // The role at index of names; null for -1 or an index out of range.
  core::RolePtr RoleAt(int index) const;
};

// Deleted roles are left out: a removed account's role is no source for another.
RoleChoices BuildRoleChoices(const CConfigManagerRole::RoleMap& roles, CConfigViewBase& names);

}  // namespace parental::corvui
