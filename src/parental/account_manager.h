#pragma once
// The Windows accounts under parental control, held twice over: by role (each role's
// "Accounts" value lists its accounts) and by SID text (how the pages address them).
// Every account of a role's set has an entry naming that role, and the other way round.
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "parental/accounts_service.h"
#include "parental/counted_pointer.h"
#include "parental/profile_records.h"

namespace parental::corvui {

struct Account {
  Sid sid;                 // empty when the SID text did not convert
  std::u16string sidText;  // the SID's text form, or the text it came with when it has none
  std::uint32_t enabled;   // 1: parental control applies
  std::int32_t birthYear;
};
using AccountPtr = common::CountedPointer<Account>;

// By SID bytes, accounts without a SID first (among themselves by their text).
struct AccountOrder {
  bool operator()(const AccountPtr& a, const AccountPtr& b) const;
};
using AccountSet = std::set<AccountPtr, AccountOrder>;

struct AccountEntry {
  std::u16string roleKey;
  AccountPtr account;
};

class CConfigManagerAccount {
 public:
  struct RoleAccounts {
    common::CountedPointer<AccountSet> accounts;
    std::uint32_t snapshot;  // fingerprint of the set at the last load or save
  };
  using RoleAccountMap = std::map<std::u16string, RoleAccounts>;
  using AccountMap = std::map<std::u16string, AccountEntry>;

  explicit CConfigManagerAccount(IAccountsService& service) : service_(service) {}
  virtual ~CConfigManagerAccount() = default;

  void Clear();
  // Adds the accounts of a role's "Accounts" text: pieces "<SID text>:<enabled>:<birth
  // year>" joined by "|"; malformed pieces and SID texts already present add nothing.
  void LoadAccounts(const std::u16string& roleKey, std::u16string_view text);
  // The role's "Accounts" text into the record; false (nothing written) when it would not
  // fit in 1024 characters.
  bool WriteAccounts(const std::u16string& roleKey, RoleProfileRecord& record) const;

  // Null when the SID text is present already, or an account with the same SID is in the
  // role already. A SID text that does not convert still makes an account, without SID.
  const AccountEntry* AddAccount(const std::u16string& sidText, const std::u16string& roleKey, std::uint32_t enabled,
                                 std::int32_t birthYear);
  bool RemoveAccount(const std::u16string& sidText);
  bool SetEnabled(const std::u16string& sidText, std::uint32_t enabled);
  // Moves the account to roleKey (unless empty or its role already) and stores the birth
  // year; the entry when something changed, else null.
  const AccountEntry* UpdateAccount(const std::u16string& sidText, const std::u16string& roleKey,
                                    std::int32_t birthYear);

  bool IsRoleChanged(const std::u16string& roleKey) const;
  bool IsModified() const;
  // Roles left without accounts go; the others take their fingerprint as snapshot, except
  // the keys in `unsaved`.
  void Commit(const std::vector<std::u16string>& unsaved = {});
  // CRC-32 over each account's SID text (with its terminator), enabled flag and birth year.
  static std::uint32_t Fingerprint(const AccountSet& accounts);

  const AccountMap& Accounts() const { return accounts_; }
  IAccountsService& Service() const { return service_; }
  const RoleAccountMap& RoleAccountSets() const { return roles_; }

 private:
  AccountSet* RoleSet(const std::u16string& roleKey);  // found or made (snapshot 0)

  IAccountsService& service_;
  RoleAccountMap roles_;
  AccountMap accounts_;
};

}  // namespace parental::corvui
