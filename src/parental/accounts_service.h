#pragma once
// What the model and the pages need from the system's account services: the local user
// accounts a parent may govern, the account picker, SID conversions and name lookups.
// The Win32 implementation (Windows only) asks the system; the substitute answers from a
// description, for tests and native builds.
#include <cstdint>
#include <string>
#include <vector>

#include "parental/sid.h"

class CPlug;

namespace parental::corvui {

// One local account found by the enumeration; the names are left to the caller.
struct LocalAccount {
  std::uint32_t kind = 0;
  std::uint8_t administrator = 0;  // found in the built-in Administrators group
  std::u16string sidText;
  std::u16string user;
  std::u16string domain;
};

// The picker's scope, passed unchanged to the system picker.
struct PickerScope {
  std::uint32_t types, flags, upLevelBoth, upLevelMixed, upLevelNative, downLevel;
};

struct PickedAccount {
  std::u16string sidText, name, objectClass, path, principalName;
};

class IAccountsService {
 public:
  virtual ~IAccountsService() = default;
  // Appends the governable local user accounts; false only when the group-member service
  // cannot be had. engine (may be null) names the relative identifier never listed.
  virtual bool EnumerateLocalAccounts(CPlug* engine, std::vector<LocalAccount>& accounts,
                                      const std::u16string& computerName) = 0;
  // The account chosen in the system picker; false when cancelled or failed.
  virtual bool PickAccount(const PickerScope& scope, void* owner, PickedAccount* picked) = 0;
  virtual std::u16string SidToText(const Sid& sid) = 0;  // empty on failure
  virtual bool TextToSid(std::u16string_view text, Sid* sid) = 0;
  virtual bool SidFromBytes(const std::uint8_t* bytes, std::size_t size, Sid* sid) = 0;
  virtual bool LookupName(const Sid& sid, std::u16string* user, std::u16string* domain) = 0;
};

// The service of this process: the Win32 one on Windows, an empty substitute elsewhere.
IAccountsService& DefaultAccountsService();

}  // namespace parental::corvui
