#pragma once
// What the Accounts page does to the model when the user adds, edits, switches or removes
// an account: each action changes the role and account managers at once, and an action
// that is refused halfway takes back what it did.
#include <cstdint>
#include <optional>
#include <string>

#include "parental/parental_config.h"

namespace parental::corvui {

struct NewAccount {
  std::u16string sidText;
  std::u16string user, domain;  // the account's names, which make its role key
  std::int64_t age;
  core::RolePtr source;  // the role its categories start from; null: the default role
};

// Creates the account's role from the source and adds the account (enabled, born in
// year - age). Without a year, or when the account is refused, the new role is marked
// deleted again. The new account's entry, or null.
const AccountEntry* AddGovernedAccount(CParentalConfig& config, const NewAccount& account, std::optional<int> year);

// Copies role (when given) into the account's role and sets the birth year from age;
// true when the account's birth year changed.
bool ChangeGovernedAccount(CParentalConfig& config, const std::u16string& sidText, const core::RolePtr& role,
                           std::int64_t age, int year);

// Marks the account's role deleted, then removes the account; false (nothing removed)
// when either is refused.
bool RemoveGovernedAccount(CParentalConfig& config, const std::u16string& sidText);

// Sets the account's enabled flag when it differs; false when nothing changed.
bool SwitchGovernedAccount(CParentalConfig& config, const std::u16string& sidText, bool enabled);

// The account's age in years in year; nothing for an unknown account or year.
std::optional<std::int64_t> AccountAge(CParentalConfig& config, const std::u16string& sidText,
                                       std::optional<int> year);

}  // namespace parental::corvui
