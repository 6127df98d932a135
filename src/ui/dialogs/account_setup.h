#pragma once
// The rules of the account setup dialog, apart from its window: the template roles it
// offers, the age field's limit, which template an age selects, and what "OK" does to the
// role and account managers in each of the dialog's three ways of running.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "parental/account_manager.h"
#include "parental/role_manager.h"

namespace parental::corvui {

constexpr std::uint32_t kMaxAge = 150;

// A template role offered in the role combo.
struct tmpRole {
  RoleState state;
  core::RolePtr role;
  std::u16string displayName;
};

// The age an age text holds (a decimal number, 0 when it starts with none); an age above
// 150 is 150 and the text becomes "150".
std::uint32_t ApplyAgeRule(std::u16string& text);

// A template's age range as the combo keeps it: minimum low, maximum high.
constexpr std::uint32_t PackAgeRange(std::uint16_t minimum, std::uint16_t maximum) {
  return minimum | std::uint32_t(maximum) << 16;
}
// The first range that holds the age (up to the maximum, or to 65535 when the maximum is
// below the minimum); -1 when none does.
int MatchAgeRange(const std::vector<std::uint32_t>& ranges, std::uint32_t age);

class AccountSetup {
 public:
  enum class Mode {
    ChooseRole,       // the role comes from the combo
    ExistingAccount,  // the account is governed: its age changes, its role follows the age
    NewAccount,       // the account gets a role of its own from the template its age selects
  };

  AccountSetup(CConfigManagerRole& roles, CConfigManagerAccount& accounts, std::u16string domain, std::u16string user,
               std::u16string sidText);

  // The template roles (keys beginning with "@"), ordered as CompareRoles orders them.
  std::vector<tmpRole> Templates(const std::function<std::u16string(const std::u16string& key)>& displayName) const;

  // What "OK" does with the age in the current year; `chosen` is the combo's template (may
  // be null). True when the dialog ends with OK: the account is under parental control
  // with that age. False (the dialog stays open) leaves the managers as they were: no
  // template for the age, an account with a record already, a role that exists already
  // or a refused change.
  bool Apply(Mode mode, std::uint32_t age, std::int32_t year, const core::RolePtr& chosen);

 private:
  std::u16string RoleKey() const { return domain_ + u"." + user_; }
  // Creates the account's own role from the template and adds the account to it; false
  // for an account with a record or a role that exists; a role left without its account
  // is marked deleted again.
  bool CreateAccount(const core::RolePtr& source, std::int32_t birthYear);

  CConfigManagerRole& roles_;
  CConfigManagerAccount& accounts_;
  std::u16string domain_, user_, sidText_;
};

}  // namespace parental::corvui
