#include "ui/dialogs/account_setup.h"

#include <algorithm>

namespace parental::corvui {
namespace {

// "OK" reads a template's range as reaching 99 when its maximum is not above its minimum.
bool HoldsAgeOnSetup(const core::CRole& role, std::uint32_t age) {
  const std::uint32_t limit = role.MaxAge() > role.MinAge() ? role.MaxAge() : 99;
  return role.MinAge() <= age && age <= limit;
}

bool IsTemplateKey(const std::u16string& key) { return !key.empty() && key[0] == u'@'; }

bool TemplateHoldsAge(const std::u16string& key, const CConfigManagerRole::_TSRoleCell& cell, std::uint32_t age) {
  return IsTemplateKey(key) && cell.role && HoldsAgeOnSetup(*cell.role, age);
}

}  // namespace

std::uint32_t ApplyAgeRule(std::u16string& text) {
  std::uint32_t age = 0;
  for (char16_t c : text) {
    if (c < u'0' || c > u'9') break;
    age = std::min<std::uint32_t>(age * 10 + (c - u'0'), kMaxAge + 1);
  }
  if (age > kMaxAge) {
    age = kMaxAge;
    text = u"150";
  }
  return age;
}

int MatchAgeRange(const std::vector<std::uint32_t>& ranges, std::uint32_t age) {
  for (std::size_t i = 0; i < ranges.size(); ++i) {
    const std::uint32_t minimum = ranges[i] & 0xFFFF, maximum = ranges[i] >> 16;
    const std::uint32_t limit = maximum < minimum ? 0xFFFF : maximum;
    if (minimum <= age && age <= limit) return static_cast<int>(i);
  }
  return -1;
}

AccountSetup::AccountSetup(CConfigManagerRole& roles, CConfigManagerAccount& accounts, std::u16string domain,
                           std::u16string user, std::u16string sidText)
    : roles_(roles),
      accounts_(accounts),
      domain_(std::move(domain)),
      user_(std::move(user)),
      sidText_(std::move(sidText)) {}

std::vector<tmpRole> AccountSetup::Templates(
    const std::function<std::u16string(const std::u16string& key)>& displayName) const {
  std::vector<tmpRole> templates;
  const CConfigManagerRole::RoleList roles = roles_.GetRoles();
  if (!roles) return templates;
  for (const auto& [key, cell] : *roles)
    if (IsTemplateKey(key) && cell.role) templates.push_back({cell.state, cell.role, displayName(key)});
  std::stable_sort(templates.begin(), templates.end(), [](const tmpRole& a, const tmpRole& b) {
    return CConfigManagerRole::CompareRoles(*a.role, *b.role) < 0;
  });
  return templates;
}

bool AccountSetup::CreateAccount(const core::RolePtr& source, std::int32_t birthYear) {
  // An account with a record already would be refused: no role is made for it.
  if (accounts_.Accounts().count(sidText_) || !roles_.CreateRole(RoleKey(), u"", source)) return false;
  if (accounts_.AddAccount(sidText_, RoleKey(), 1, birthYear)) return true;
  roles_.DeleteRole(RoleKey());
  return false;
}

bool AccountSetup::Apply(Mode mode, std::uint32_t age, std::int32_t year, const core::RolePtr& chosen) {
  const std::int32_t birthYear = year - static_cast<std::int32_t>(age);
  const CConfigManagerRole::RoleList roles = roles_.GetRoles();
  if (!roles) return false;
  switch (mode) {
    case Mode::ExistingAccount: {
      auto entry = accounts_.Accounts().find(sidText_);
      if (entry == accounts_.Accounts().end()) return false;
      // A copy replaces parent, categories and exceptions, so of the matching templates in
      // key order the last one decides. The role takes it before the age changes, so that a
      // role that cannot take it (it is gone) leaves the account as it was.
      core::RolePtr last;
      for (const auto& [key, cell] : *roles)
        if (TemplateHoldsAge(key, cell, age)) last = cell.role;
      if (last && !roles_.CopyRole(entry->second.roleKey, last)) return false;
      accounts_.UpdateAccount(sidText_, u"", birthYear);  // null when the age stays: nothing to do
      return true;
    }
    case Mode::NewAccount:
      for (const auto& [key, cell] : *roles)
        if (TemplateHoldsAge(key, cell, age)) return CreateAccount(cell.role, birthYear);
      return false;
    case Mode::ChooseRole:
      return chosen && CreateAccount(chosen, birthYear);
  }
  return false;
}

}  // namespace parental::corvui
