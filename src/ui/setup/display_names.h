#pragma once
// The two display-name caches that the model pages share in behaviour: account SID text to
// (user, domain) through the accounts service, and symbolic names ("@...") to their texts
// in the host's name table. Each page holds its own and empties it on every load.
#include <map>
#include <string>
#include <utility>

#include "parental/accounts_service.h"

namespace parental::corvui {

class CConfigViewBase {
 public:
  struct AccountName {
    std::u16string user;
    std::u16string domain;
  };

  explicit CConfigViewBase(IAccountsService& accounts) : accounts_(accounts) {}

  // Both names empty when the SID text is empty, does not convert or does not resolve;
  // a miss asks the service once.
  const AccountName& AccountNameOf(const std::u16string& sidText);
  // A name beginning with "@" as the host's name table gives it (at most 80 characters),
  // or unchanged when the table lacks it; any other name unchanged.
  const std::u16string& DisplayNameOf(const std::u16string& name);
  void ClearNameCaches();

 protected:
  IAccountsService& AccountsService() { return accounts_; }

 private:
  IAccountsService& accounts_;
  std::map<std::u16string, AccountName> accountNames_;
  std::map<std::u16string, std::u16string> symbolicNames_;
};

}  // namespace parental::corvui
