#include "parental/substitute_accounts.h"

namespace parental::corvui {

void SubstituteAccounts::AddMember(BuiltinGroup group, const std::u16string& sidText,
                                   const std::u16string& qualifiedName, std::uint32_t usage) {
  Sid sid;
  ParseSidText(sidText, &sid);
  groups_[group].push_back({sid, usage, qualifiedName});
}

bool SubstituteAccounts::EnumerateLocalAccounts(CPlug* engine, std::vector<LocalAccount>& accounts,
                                                const std::u16string& computerName) {
  return CollectLocalAccounts(*this, *this, engine, accounts, computerName);
}

bool SubstituteAccounts::PickAccount(const PickerScope&, void*, PickedAccount* picked) {
  return !pickerCancelled && TakePickerSelection(*this, pickerSelection, picked);
}

bool SubstituteAccounts::SidFromBytes(const std::uint8_t* bytes, std::size_t size, Sid* sid) {
  std::uint64_t authority;
  std::vector<std::uint32_t> subAuthorities;
  if (!ReadSidBytes(bytes, size, &authority, &subAuthorities)) return false;
  *sid = MakeSid(authority, subAuthorities);
  return true;
}

bool SubstituteAccounts::LookupName(const Sid& sid, std::u16string* user, std::u16string* domain) {
  auto it = names.find(FormatSidText(sid));
  if (it == names.end()) return false;
  *user = it->second.first;
  *domain = it->second.second;
  return true;
}

std::vector<Sid> SubstituteAccounts::DenyLogonHolders() {
  std::vector<Sid> sids;
  for (const std::u16string& text : denyLogonSids)
    if (Sid sid; ParseSidText(text, &sid)) sids.push_back(sid);
  return sids;
}

bool SubstituteAccounts::GroupMembers(BuiltinGroup group, std::vector<GroupMember>* members) {
  auto it = groups_.find(group);
  if (it == groups_.end()) return false;
  *members = it->second;
  return true;
}

#ifndef _WIN32
IAccountsService& DefaultAccountsService() {
  static SubstituteAccounts empty;
  return empty;
}
#endif

}  // namespace parental::corvui
