#include "parental/status_accounts.h"

#include <algorithm>

#include "parental/status_text.h"

namespace parental::corvui {

std::vector<StatusAccount> CollectStatusAccounts(IAccountsService& service, CPlug* engine,
                                                 const CConfigManagerAccount* records,
                                                 const std::u16string& computerName) {
  std::vector<StatusAccount> accounts;
  std::vector<LocalAccount> local;
  service.EnumerateLocalAccounts(engine, local, computerName);
  for (LocalAccount& account : local) {
    accounts.push_back({kAccountNotSet, account.administrator != 0, std::move(account.sidText),
                        std::move(account.user), std::move(account.domain)});
  }
  if (records) {
    for (const auto& record : records->Accounts()) {
      const std::u16string& sidText = record.first;
      const AccountEntry& entry = record.second;
      auto found = std::find_if(accounts.begin(), accounts.end(),
                                [&](const StatusAccount& a) { return a.sidText == sidText; });
      if (found == accounts.end()) {
        accounts.push_back({});
        accounts.back().sidText = sidText;
        found = accounts.end() - 1;
      }
      found->kind = entry.account && entry.account->enabled == 1 ? kAccountEnabled : kAccountDisabled;
    }
  }
  for (StatusAccount& account : accounts) {
    if (!account.user.empty() && !account.domain.empty()) continue;
    Sid sid;
    std::u16string user, domain;
    if (service.TextToSid(account.sidText, &sid) && service.LookupName(sid, &user, &domain)) {
      account.user = std::move(user);
      account.domain = std::move(domain);
    }
  }
  accounts.erase(std::remove_if(accounts.begin(), accounts.end(), [](const StatusAccount& a) { return a.user.empty(); }),
                 accounts.end());
  return accounts;
}

bool HasEnabledAdministrator(const std::vector<StatusAccount>& accounts) {
  return std::any_of(accounts.begin(), accounts.end(),
                     [](const StatusAccount& a) { return a.administrator && a.kind == kAccountEnabled; });
}

std::int32_t AccountAge(const CConfigManagerAccount& records, const std::u16string& sidText, std::int32_t year) {
  auto found = records.Accounts().find(sidText);
  if (found == records.Accounts().end() || !found->second.account) return 0;
  return year - found->second.account->birthYear;
}

}  // namespace parental::corvui
