#pragma once
// The rules of the web-page exception dialog, apart from its window: one entry per
// account whose name resolves, each marked allowed or blocked for the typed URL, and the
// exceptions "OK" writes into the accounts' roles.
#include <string>
#include <vector>

#include "parental/account_manager.h"
#include "parental/role_manager.h"
#include "platform/ansi_code_page.h"

namespace parental::corvui {

struct AccountMark {
  std::u16string sidText;
  std::u16string displayName;  // the user, or "domain\user" outside this computer's domain
  bool allowed;
};

class WebPageException {
 public:
  WebPageException(CConfigManagerRole& roles, CConfigManagerAccount::AccountMap accounts,
                   platform::IAnsiCodePage& codePage);

  // One blocked entry per account in SID order; accounts whose SID does not convert or
  // whose name does not resolve are left out.
  void ListAccounts(IAccountsService& service, const std::u16string& computerName);
  const std::vector<AccountMark>& Entries() const { return entries_; }

  // Entries of accounts that have an exception for exactly this URL (letter case counts)
  // take its state; the others keep theirs.
  void FollowUrl(std::u16string_view url);
  bool Toggle(int i);
  // "OK": each listed account's exception for the URL changed, or added, with the entry's
  // state. All of them or none: false (nothing written) for an empty URL or "http://", and
  // when a role refuses (it is gone, or no new id could be made), after taking back what
  // the others took.
  bool Apply(std::u16string_view url);

 private:
  // The account's role key and the id and state of its first exception for the URL.
  bool FindException(const std::u16string& sidText, const std::string& url, std::u16string* roleKey,
                     std::u16string* id, bool* allowed) const;

  CConfigManagerRole& roles_;
  CConfigManagerAccount::AccountMap accounts_;
  platform::IAnsiCodePage& codePage_;
  std::vector<AccountMark> entries_;
};

}  // namespace parental::corvui
