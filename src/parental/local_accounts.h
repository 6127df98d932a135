#pragma once
// The steps of the accounts service that do not depend on where the answers come from:
// which members of the built-in groups are listed, and which picker selection is taken.
// The Win32 service and the substitute both feed them.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "parental/accounts_service.h"

namespace parental::corvui {

// The built-in groups, by their well-known SID types, in the order they are examined.
enum class BuiltinGroup : std::uint32_t { Administrators = 26, Users = 27, PowerUsers = 29, Guests = 28 };
constexpr BuiltinGroup kBuiltinGroups[] = {BuiltinGroup::Administrators, BuiltinGroup::Users,
                                           BuiltinGroup::PowerUsers, BuiltinGroup::Guests};
constexpr std::uint32_t kSidUsageUser = 1;

struct GroupMember {
  Sid sid;
  std::uint32_t usage;          // kSidUsageUser for a user account
  std::u16string qualifiedName; // "<domain>\<account name>"
};

// What the enumeration asks of the system.
class ILocalGroups {
 public:
  virtual ~ILocalGroups() = default;
  virtual bool MembersAvailable() = 0;         // the group-member service can be had
  virtual std::vector<Sid> DenyLogonHolders() = 0;  // empty when the policy cannot be read
  virtual bool GroupMembers(BuiltinGroup group, std::vector<GroupMember>* members) = 0;  // false: skip it
  virtual bool IsDisabled(const std::u16string& user) = 0;  // false when it cannot be told
};

// The relative identifier the engine never lets be listed; 0 when it does not say.
std::uint32_t ExcludedRelativeId(CPlug* engine);

// Appends each user of the built-in groups that belongs to this computer, is enabled, may
// log on interactively and is not the engine's excluded one, once, administrators marked.
bool CollectLocalAccounts(ILocalGroups& groups, IAccountsService& service, CPlug* engine,
                          std::vector<LocalAccount>& accounts, const std::u16string& computerName);

// One selected object of the picker with its fetched attributes (null: not a byte array).
struct PickerItem {
  std::u16string name, objectClass, path, principalName;
  std::vector<std::optional<std::vector<std::uint8_t>>> attributes;
};
// The first selected object, when the selection is well formed (at least one item, one
// fetched attribute each) and its "objectSID" bytes make a SID.
bool TakePickerSelection(IAccountsService& service, const std::vector<PickerItem>& selection,
                         PickedAccount* picked);

}  // namespace parental::corvui
