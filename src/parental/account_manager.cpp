#include "parental/account_manager.h"

#include <algorithm>

#include "common/crc32.h"
#include "common/text.h"
#include "parental/stored_text.h"

namespace parental::corvui {
namespace {

std::u16string FormatSigned(std::int32_t value) {
  const std::u16string digits = common::FormatDecimal(value < 0 ? 0 - std::uint64_t(std::int64_t(value)) : value);
  return value < 0 ? u"-" + digits : digits;
}

bool Contains(const std::vector<std::u16string>& keys, const std::u16string& key) {
  return std::find(keys.begin(), keys.end(), key) != keys.end();
}

}  // namespace

bool AccountOrder::operator()(const AccountPtr& a, const AccountPtr& b) const {
  const int c = CompareSids(a->sid, b->sid);
  if (c != 0) return c < 0;
  return a->sid.empty() && a->sidText < b->sidText;
}

void CConfigManagerAccount::Clear() {
  roles_.clear();
  accounts_.clear();
}

AccountSet* CConfigManagerAccount::RoleSet(const std::u16string& roleKey) {
  auto it = roles_.find(roleKey);
  if (it == roles_.end()) {
    auto set = common::CountedPointer<AccountSet>::Make();
    if (!set) return nullptr;
    it = roles_.emplace(roleKey, RoleAccounts{set, 0}).first;
  }
  return it->second.accounts.get();
}

void CConfigManagerAccount::LoadAccounts(const std::u16string& roleKey, std::u16string_view text) {
  ForEachPiece(text, [&](std::u16string_view piece) {
    std::u16string_view fields[3];
    for (std::u16string_view& field : fields) {
      const std::size_t colon = piece.find(u':');
      field = piece.substr(0, colon);
      if (field.empty()) return;
      piece = colon == std::u16string_view::npos ? std::u16string_view() : piece.substr(colon + 1);
    }
    std::size_t used = 0;
    const std::uint32_t enabled = ReadUnsigned(fields[1], 2, &used);
    const std::uint32_t year = ReadUnsigned(fields[2], 10, &used);
    AddAccount(std::u16string(fields[0]), roleKey, enabled ? 1 : 0, std::int32_t(year));
  });
}

bool CConfigManagerAccount::WriteAccounts(const std::u16string& roleKey, RoleProfileRecord& record) const {
  std::u16string text;
  auto it = roles_.find(roleKey);
  if (it != roles_.end()) {
    for (const AccountPtr& account : *it->second.accounts) {
      if (!text.empty()) text += u'|';
      text += account->sidText + (account->enabled ? u":1:" : u":0:") + FormatSigned(account->birthYear);
    }
  }
  if (text.size() >= kProfileTextCapacity) return false;
  common::CopyText(record.accounts, kProfileTextCapacity, text);
  return true;
}

const AccountEntry* CConfigManagerAccount::AddAccount(const std::u16string& sidText, const std::u16string& roleKey,
                                                      std::uint32_t enabled, std::int32_t birthYear) {
  if (accounts_.count(sidText)) return nullptr;
  AccountSet* set = RoleSet(roleKey);
  AccountPtr account = AccountPtr::Make();
  if (!set || !account) return nullptr;
  if (service_.TextToSid(sidText, &account->sid)) account->sidText = service_.SidToText(account->sid);
  if (account->sidText.empty()) {
    account->sid.clear();  // kept under the text it came with, so that saving keeps it too
    account->sidText = sidText;
  }
  account->enabled = enabled;
  account->birthYear = birthYear;
  if (!set->insert(account).second) return nullptr;
  return &accounts_.emplace(sidText, AccountEntry{roleKey, account}).first->second;
}

bool CConfigManagerAccount::RemoveAccount(const std::u16string& sidText) {
  auto entry = accounts_.find(sidText);
  if (entry == accounts_.end()) return false;
  auto role = roles_.find(entry->second.roleKey);
  if (role == roles_.end()) return false;
  role->second.accounts->erase(entry->second.account);
  accounts_.erase(entry);
  return true;
}

bool CConfigManagerAccount::SetEnabled(const std::u16string& sidText, std::uint32_t enabled) {
  auto entry = accounts_.find(sidText);
  if (entry == accounts_.end()) return false;
  entry->second.account->enabled = enabled;
  return true;
}

const AccountEntry* CConfigManagerAccount::UpdateAccount(const std::u16string& sidText, const std::u16string& roleKey,
                                                         std::int32_t birthYear) {
  auto found = accounts_.find(sidText);
  if (found == accounts_.end()) return nullptr;
  AccountEntry& entry = found->second;
  bool changed = false;
  if (!roleKey.empty() && roleKey != entry.roleKey) {
    auto old = roles_.find(entry.roleKey);
    if (old == roles_.end() || !old->second.accounts->count(entry.account)) return nullptr;
    AccountSet* target = RoleSet(roleKey);
    if (!target || !target->insert(entry.account).second) return nullptr;
    old->second.accounts->erase(entry.account);
    entry.roleKey = roleKey;
    changed = true;
  }
  if (entry.account->birthYear != birthYear) {
    entry.account->birthYear = birthYear;
    changed = true;
  }
  return changed ? &entry : nullptr;
}

std::uint32_t CConfigManagerAccount::Fingerprint(const AccountSet& accounts) {
  std::uint32_t crc = 0;
  for (const AccountPtr& a : accounts) {
    crc = common::Crc32Update(crc, a->sidText.c_str(), (a->sidText.size() + 1) * sizeof(char16_t));
    crc = common::Crc32Update(crc, &a->enabled, 4);
    crc = common::Crc32Update(crc, &a->birthYear, 4);
  }
  return crc;
}

bool CConfigManagerAccount::IsRoleChanged(const std::u16string& roleKey) const {
  auto it = roles_.find(roleKey);
  return it != roles_.end() && Fingerprint(*it->second.accounts) != it->second.snapshot;
}

bool CConfigManagerAccount::IsModified() const {
  for (const auto& [key, role] : roles_)
    if (Fingerprint(*role.accounts) != role.snapshot) return true;
  return false;
}

void CConfigManagerAccount::Commit(const std::vector<std::u16string>& unsaved) {
  for (auto it = roles_.begin(); it != roles_.end();) {
    if (Contains(unsaved, it->first)) {
      ++it;
    } else if (it->second.accounts->empty()) {
      it = roles_.erase(it);
    } else {
      it->second.snapshot = Fingerprint(*it->second.accounts);
      ++it;
    }
  }
}

}  // namespace parental::corvui
