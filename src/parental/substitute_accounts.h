#pragma once
// An accounts service that answers from a description instead of the system: the members
// of the built-in groups, disabled accounts, holders of the deny-logon right, account
// names and what the picker returns. SID texts convert in the portable text form.
#include <map>
#include <set>

#include "parental/local_accounts.h"

namespace parental::corvui {

class SubstituteAccounts : public IAccountsService, private ILocalGroups {
 public:
  // Puts an account into a group; qualifiedName is "<domain>\<account name>".
  void AddMember(BuiltinGroup group, const std::u16string& sidText, const std::u16string& qualifiedName,
                 std::uint32_t usage = kSidUsageUser);

  bool membersAvailable = true;                  // false: as when the group-member service is missing
  std::set<std::u16string> disabledUsers;        // account names
  std::vector<std::u16string> denyLogonSids;     // SID texts
  std::map<std::u16string, std::pair<std::u16string, std::u16string>> names;  // SID text: (user, domain)
  bool pickerCancelled = false;
  std::vector<PickerItem> pickerSelection;

  bool EnumerateLocalAccounts(CPlug* engine, std::vector<LocalAccount>& accounts,
                              const std::u16string& computerName) override;
  bool PickAccount(const PickerScope& scope, void* owner, PickedAccount* picked) override;
  std::u16string SidToText(const Sid& sid) override { return FormatSidText(sid); }
  bool TextToSid(std::u16string_view text, Sid* sid) override { return ParseSidText(text, sid); }
  bool SidFromBytes(const std::uint8_t* bytes, std::size_t size, Sid* sid) override;
  bool LookupName(const Sid& sid, std::u16string* user, std::u16string* domain) override;

 private:
  bool MembersAvailable() override { return membersAvailable; }
  std::vector<Sid> DenyLogonHolders() override;
  bool GroupMembers(BuiltinGroup group, std::vector<GroupMember>* members) override;
  bool IsDisabled(const std::u16string& user) override { return disabledUsers.count(user) != 0; }

  std::map<BuiltinGroup, std::vector<GroupMember>> groups_;
};

}  // namespace parental::corvui
