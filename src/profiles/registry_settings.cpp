// Settings tables over the registry mirror: values are read from the defaults key and
// then the profile key, and written only where they differ from those defaults.
#include <cstring>
#include <memory>
#include <vector>

#include "platform/registry_values.h"
#include "profiles/settings_io.h"

namespace parental::profiles::detail {
namespace {

using platform::IRegistryStore;
using platform::RegKey;
using platform::RegRoot;

// The keys that sections open, closed together when the pass ends.
class OpenKeys {
 public:
  explicit OpenKeys(IRegistryStore& store) : store_(store) {}
  ~OpenKeys() { for (RegKey k : keys_) store_.Close(k); }
  RegKey Keep(RegKey key) {
    if (key) keys_.push_back(key);
    return key;
  }

 private:
  IRegistryStore& store_;
  std::vector<RegKey> keys_;
};

// The key a section path names: "HKCU\" and "HKLM\" choose the root, any other path
// lies below the local machine's.
RegKey OpenSectionKey(SettingsPass& pass, const void* pathTemplate, bool write, OpenKeys& keys) {
  IRegistryStore& store = *pass.handle->registry;
  if (!pathTemplate) return store.Root(RegRoot::LocalMachine);
  std::u16string path = ExpandEntryText(pathTemplate, pass);
  RegRoot root = RegRoot::LocalMachine;
  if (path.compare(0, 5, u"HKCU\\") == 0) {
    root = RegRoot::CurrentUser;
    path.erase(0, 5);
  } else if (path.compare(0, 5, u"HKLM\\") == 0) {
    path.erase(0, 5);
  }
  RegKey parent = store.Root(root);
  return keys.Keep(write ? store.Create(parent, path) : store.Open(parent, path, false));
}

void ReadValue(SettingsPass& pass, RegKey key, const SettingsEntry& e, std::uint8_t* field) {
  IRegistryStore& store = *pass.handle->registry;
  const std::u16string name = ExpandEntryText(e.name, pass);
  std::u16string text;
  bool read = false;
  switch (e.kind) {
    case kSettingsDword: {
      std::uint32_t value;
      if ((read = e.size >= 4 && platform::ReadDword(store, key, name, &value))) std::memcpy(field, &value, 4);
      break;
    }
    case kSettingsString:
      if (e.size >= sizeof(char16_t) &&
          (read = platform::ReadText(store, key, name, std::size_t(e.size / 2 - 1), &text)))
        SetFieldText(field, e.size, text);
      break;
    default:
      break;
  }
  pass.any |= read;
}

bool ReadTable(SettingsPass& pass, const SettingsEntry* table, void* record, bool defaultsPath, RegKey key,
               OpenKeys& keys) {
  bool ok = true;
  for (const SettingsEntry* e = table; e->kind != kSettingsEnd; ++e) {
    if (e->kind == kSettingsSection) {
      const void* path = defaultsPath ? e->defaultsPath : e->profilePathOrDefault;
      key = OpenSectionKey(pass, path, false, keys);
      if (!key) return false;
    } else if (e->name) {
      ReadValue(pass, key, *e, FieldOf(record, *e));
    }
  }
  return ok;
}

bool SameAsDefault(const SettingsEntry& e, const std::uint8_t* field, const std::uint8_t* fallback) {
  switch (e.kind) {
    case kSettingsDword: return std::memcmp(field, fallback, 4) == 0;
    default: return FieldText(field, e.size) == FieldText(fallback, e.size);
  }
}

bool WriteValue(SettingsPass& pass, RegKey key, const SettingsEntry& e, const std::uint8_t* field) {
  IRegistryStore& store = *pass.handle->registry;
  const std::u16string name = ExpandEntryText(e.name, pass);
  bool ok = false;
  switch (e.kind) {
    case kSettingsDword:
      ok = store.SetValue(key, name, platform::kRegDword, field, 4);
      break;
    case kSettingsString: {
      std::u16string text = FieldText(field, e.size);
      ok = store.SetValue(key, name, platform::kRegString, text.c_str(),
                          std::uint32_t((text.size() + 1) * sizeof(char16_t)));
      break;
    }
    default:
      break;
  }
  pass.any |= ok;
  return ok;
}

bool WriteTable(SettingsPass& pass, const SettingsEntry* table, const void* record, const std::uint8_t* defaults,
                RegKey key, OpenKeys& keys) {
  IRegistryStore& store = *pass.handle->registry;
  bool ok = true;
  for (const SettingsEntry* e = table; e->kind != kSettingsEnd; ++e) {
    if (e->kind == kSettingsSection) {
      key = OpenSectionKey(pass, e->profilePathOrDefault, true, keys);
      if (!key) return false;
    } else if (e->name) {
      const std::uint8_t* field = FieldOf(record, *e);
      // A value equal to its default is left out, unless the key holds it already.
      if (!(e->flags & kAlwaysWrite) && SameAsDefault(*e, field, defaults + e->offset) &&
          !store.QueryValue(key, ExpandEntryText(e->name, pass), nullptr, nullptr, nullptr))
        continue;
      ok &= WriteValue(pass, key, *e, field);
    }
  }
  return ok;
}

}  // namespace

bool ReadRegistryTable(SettingsPass& pass, const SettingsEntry* table, void* record, bool defaultsPath) {
  OpenKeys keys(*pass.handle->registry);
  RegKey root = pass.handle->registry->Root(RegRoot::LocalMachine);
  return ReadTable(pass, table, record, defaultsPath, root, keys);
}

bool WriteRegistryTable(SettingsPass& pass, const SettingsEntry* table, const void* record) {
  // The values that count as defaults: the table's own, overlaid by the defaults key.
  std::vector<std::uint8_t> defaults(SettingsRecordSize(table));
  ApplyDefaults(table, defaults.data());
  SettingsPass quiet{pass.handle, pass.variables};
  ReadRegistryTable(quiet, table, defaults.data(), true);
  OpenKeys keys(*pass.handle->registry);
  RegKey root = pass.handle->registry->Root(RegRoot::LocalMachine);
  return WriteTable(pass, table, record, defaults.data(), root, keys);
}

}  // namespace parental::profiles::detail
