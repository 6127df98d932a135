#pragma once
// The accounts service over the system: the network management functions (resolved at
// run time, once per process), the local security policy, the SID functions and the
// directory object picker. What the system lacks fails the way the missing call fails.
#include "parental/local_accounts.h"

namespace parental::corvui {

class Win32Accounts : public IAccountsService, private ILocalGroups {
 public:
  bool EnumerateLocalAccounts(CPlug* engine, std::vector<LocalAccount>& accounts,
                              const std::u16string& computerName) override;
  bool PickAccount(const PickerScope& scope, void* owner, PickedAccount* picked) override;
  std::u16string SidToText(const Sid& sid) override;
  bool TextToSid(std::u16string_view text, Sid* sid) override;
  bool SidFromBytes(const std::uint8_t* bytes, std::size_t size, Sid* sid) override;
  bool LookupName(const Sid& sid, std::u16string* user, std::u16string* domain) override;

 private:
  bool MembersAvailable() override;
  std::vector<Sid> DenyLogonHolders() override;
  bool GroupMembers(BuiltinGroup group, std::vector<GroupMember>* members) override;
  bool IsDisabled(const std::u16string& user) override;
};

}  // namespace parental::corvui
