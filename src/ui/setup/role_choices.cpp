#include "ui/setup/role_choices.h"

#include <algorithm>

namespace parental::corvui {

core::RolePtr RoleChoices::RoleAt(int index) const {
  if (index < 0 || std::size_t(index) >= names.size()) return {};
  auto found = roles.find(names[index]);
  return found != roles.end() ? found->second : core::RolePtr();
}

RoleChoices BuildRoleChoices(const CConfigManagerRole::RoleMap& roles, CConfigViewBase& names) {
  std::vector<core::RolePtr> ordered;
  for (const auto& [key, cell] : roles)
    if (cell.state != RoleState::Deleted && cell.role) ordered.push_back(cell.role);
  std::stable_sort(ordered.begin(), ordered.end(), [](const core::RolePtr& a, const core::RolePtr& b) {
    return CConfigManagerRole::CompareRoles(*a, *b) < 0;
  });
  std::stable_partition(ordered.begin(), ordered.end(),
                        [](const core::RolePtr& role) { return role->Name().rfind(u'@', 0) == 0; });
  RoleChoices choices;
  for (const core::RolePtr& role : ordered) {
    const bool symbolic = role->Name().rfind(u'@', 0) == 0;
    const std::u16string& shown = symbolic ? names.DisplayNameOf(role->Name()) : role->Name();
    choices.names.push_back(shown);
    choices.ranges.push_back(symbolic ? AgeRange{role->MinAge(), role->MaxAge()} : AgeRange{255, 255});
    choices.roles.emplace(shown, role);
  }
  return choices;
}

}  // namespace parental::corvui
