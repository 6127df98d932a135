#include "engine/stored_roles.h"

#include <algorithm>

#include "config/config_apply.h"
#include "platform/registry_values.h"

namespace host {
namespace {

using parental::platform::IRegistryStore;
using parental::platform::RegKey;
using parental::platform::ScopedKey;

constexpr std::size_t kMaxName = 256;
constexpr std::size_t kMaxText = 65536;

std::vector<std::u16string> Split(const std::u16string& text, char16_t separator) {
  std::vector<std::u16string> parts;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::u16string::npos ? end : end - start));
    if (end == std::u16string::npos) return parts;
    start = end + 1;
  }
}

// A decimal number with an optional "-"; false for anything else.
bool ParseSigned(const std::u16string& text, long& value) {
  std::size_t i = !text.empty() && text[0] == u'-' ? 1 : 0;
  if (i == text.size() || text.size() - i > 9) return false;
  long n = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < u'0' || text[i] > u'9') return false;
    n = n * 10 + (text[i] - u'0');
  }
  value = text[0] == u'-' ? -n : n;
  return true;
}

std::u16string Text(IRegistryStore& registry, RegKey key, std::u16string_view name) {
  std::u16string text;
  return parental::platform::ReadText(registry, key, name, kMaxText, &text) ? text : std::u16string();
}

std::uint32_t Number(IRegistryStore& registry, RegKey key, std::u16string_view name) {
  std::uint32_t value = 0;
  return parental::platform::ReadDword(registry, key, name, &value) ? value : 0;
}

template <class Visit>
void ForEachSubkey(IRegistryStore& registry, RegKey key, Visit visit) {
  char16_t name[kMaxName];
  for (std::uint32_t i = 0; registry.EnumKey(key, i, name, kMaxName); ++i) {
    ScopedKey child(registry, registry.Open(key, name, false));
    if (child) visit(std::u16string(name), child.get());
  }
}

std::vector<StoredException> ReadExceptions(IRegistryStore& registry, RegKey role) {
  std::vector<StoredException> exceptions;
  ScopedKey list(registry, registry.Open(role, u"Exceptions", false));
  if (!list) return exceptions;
  ForEachSubkey(registry, list.get(), [&](const std::u16string&, RegKey item) {
    StoredException exception{Text(registry, item, u"Url"), Number(registry, item, u"State") != 0,
                              Number(registry, item, u"Priority")};
    if (!exception.url.empty()) exceptions.push_back(std::move(exception));
  });
  std::stable_sort(exceptions.begin(), exceptions.end(),
                   [](const StoredException& a, const StoredException& b) { return a.priority < b.priority; });
  return exceptions;
}

}  // namespace

std::vector<StoredAccount> ParseStoredAccounts(const std::u16string& text) {
  std::vector<StoredAccount> accounts;
  for (const std::u16string& piece : Split(text, u'|')) {
    const std::vector<std::u16string> fields = Split(piece, u':');
    long enabled = 0;
    if (fields.size() != 3 || fields[0].empty() || !ParseSigned(fields[1], enabled)) continue;
    accounts.push_back({fields[0], enabled != 0});
  }
  return accounts;
}

std::map<std::uint16_t, std::uint8_t> ParseStoredCategories(const std::u16string& text) {
  std::map<std::uint16_t, std::uint8_t> states;
  for (const std::u16string& piece : Split(text, u'|')) {
    const std::vector<std::u16string> fields = Split(piece, u':');
    long id = 0, state = 0;
    if (fields.size() != 2 || !ParseSigned(fields[0], id) || !ParseSigned(fields[1], state)) continue;
    if (id < -32768 || id > 65535 || (state != 0 && state != 1)) continue;
    states[std::uint16_t(id)] = std::uint8_t(state);  // ids are stored as signed 16-bit numbers
  }
  return states;
}

StoredRoles ReadStoredRoles(IRegistryStore& registry) {
  StoredRoles roles;
  const std::u16string path = std::u16string(kMirrorRoot) + u"\\01000D01\\Profiles";
  ScopedKey profiles(registry, registry.Open(registry.Root(parental::platform::RegRoot::LocalMachine), path, false));
  if (!profiles) return roles;
  ForEachSubkey(registry, profiles.get(), [&](const std::u16string& name, RegKey key) {
    StoredRole& role = roles[name];
    role.parent = Text(registry, key, u"ParentRole");
    role.accounts = ParseStoredAccounts(Text(registry, key, u"Accounts"));
    role.categories = ParseStoredCategories(Text(registry, key, u"Categories"));
    role.exceptions = ReadExceptions(registry, key);
  });
  return roles;
}

}  // namespace host
