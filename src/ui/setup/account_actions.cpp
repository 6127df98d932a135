#include "ui/setup/account_actions.h"

namespace parental::corvui {

const AccountEntry* AddGovernedAccount(CParentalConfig& config, const NewAccount& account, std::optional<int> year) {
  CConfigManagerRole& roles = config.Roles();
  // The new role keeps the source's parent, as a copy into an existing role does.
  const std::u16string parentKey =
      account.source && account.source->Parent() ? account.source->Parent()->Name() : std::u16string();
  core::RolePtr role = roles.CreateAccountRole(account.user, account.domain, parentKey, account.source);
  if (!role) return nullptr;
  const AccountEntry* entry =
      year ? config.Accounts().AddAccount(account.sidText, role->Name(), 1, std::int32_t(*year - account.age)) : nullptr;
  if (!entry) roles.DeleteRole(role->Name());
  return entry;
}

bool ChangeGovernedAccount(CParentalConfig& config, const std::u16string& sidText, const core::RolePtr& role,
                           std::int64_t age, int year) {
  const auto& accounts = config.Accounts().Accounts();
  auto found = accounts.find(sidText);
  if (found == accounts.end()) return false;
  if (role) config.Roles().CopyRole(found->second.roleKey, role);
  return config.Accounts().UpdateAccount(sidText, u"", std::int32_t(year - age)) != nullptr;
}

bool RemoveGovernedAccount(CParentalConfig& config, const std::u16string& sidText) {
  const auto& accounts = config.Accounts().Accounts();
  auto found = accounts.find(sidText);
  if (found == accounts.end()) return false;
  return config.Roles().DeleteRole(found->second.roleKey) && config.Accounts().RemoveAccount(sidText);
}

bool SwitchGovernedAccount(CParentalConfig& config, const std::u16string& sidText, bool enabled) {
  const auto& accounts = config.Accounts().Accounts();
  auto found = accounts.find(sidText);
  const std::uint32_t value = enabled ? 1 : 0;
  if (found == accounts.end() || !found->second.account || found->second.account->enabled == value) return false;
  return config.Accounts().SetEnabled(sidText, value);
}

std::optional<std::int64_t> AccountAge(CParentalConfig& config, const std::u16string& sidText,
                                       std::optional<int> year) {
  const auto& accounts = config.Accounts().Accounts();
  auto found = accounts.find(sidText);
  if (!year || found == accounts.end() || !found->second.account) return std::nullopt;
  return std::int64_t(*year) - found->second.account->birthYear;
}

}  // namespace parental::corvui
