#pragma once
// The accounts the status panel lists: every governable local account and every account
// with a record in the configuration, each with its kind (no record, enabled, disabled).
#include <cstdint>
#include <string>
#include <vector>

#include "parental/account_manager.h"
#include "parental/accounts_service.h"

namespace parental::corvui {

struct StatusAccount {
  std::uint32_t kind = 0;  // AccountKind
  bool administrator = false;
  std::u16string sidText;
  std::u16string user;
  std::u16string domain;
};

// The local accounts of the computer, then the records of the configuration (matched by
// SID text, appended when no local account has it); names still missing are looked up by
// SID; accounts whose user name stays empty are left out. Without records (null) only the
// local accounts. engine (may be null) names the relative identifier never listed.
std::vector<StatusAccount> CollectStatusAccounts(IAccountsService& service, CPlug* engine,
                                                 const CConfigManagerAccount* records,
                                                 const std::u16string& computerName);

// Whether an enabled administrator account is listed (then the settings want a password).
bool HasEnabledAdministrator(const std::vector<StatusAccount>& accounts);

// The account's age in `year`: 0 without a record.
std::int32_t AccountAge(const CConfigManagerAccount& records, const std::u16string& sidText, std::int32_t year);

}  // namespace parental::corvui
