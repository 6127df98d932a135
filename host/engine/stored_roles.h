#pragma once
// The roles the plug-in stored in the registry mirror (section 01000D01), as the engine
// reads them to judge visits: parent, accounts, category states and URL exceptions.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/registry_store.h"

namespace host {

struct StoredException {
  std::u16string url;
  bool allowed = false;
  std::uint32_t priority = 0;
};

struct StoredAccount {
  std::u16string sid;
  bool enabled = false;
};

struct StoredRole {
  std::u16string parent;
  std::vector<StoredAccount> accounts;
  std::map<std::uint16_t, std::uint8_t> categories;  // 0 blocked, 1 allowed (2 "not set" left out)
  std::vector<StoredException> exceptions;          // ascending priority
};

// By role key, as the profiles are named.
using StoredRoles = std::map<std::u16string, StoredRole>;

StoredRoles ReadStoredRoles(parental::platform::IRegistryStore& registry);

// The stored texts: "SID:enabled:birth year" and "id:state" pieces joined by "|";
// malformed pieces are skipped.
std::vector<StoredAccount> ParseStoredAccounts(const std::u16string& text);
std::map<std::uint16_t, std::uint8_t> ParseStoredCategories(const std::u16string& text);

}  // namespace host
