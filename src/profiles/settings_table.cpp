#include "profiles/settings_table.h"

#include <cstring>

#include "common/text.h"
#include "profiles/settings_io.h"
#include "profiles/variables.h"

namespace parental::profiles {
namespace detail {

namespace {
constexpr std::size_t kExpandedTextCapacity = 1024;
}

std::u16string ExpandEntryText(const void* text, const SettingsPass& pass) {
  std::u16string s(static_cast<const char16_t*>(text));
  ExpandVariables(&s, kExpandedTextCapacity, pass.variables);
  return s;
}

std::u16string FieldText(const std::uint8_t* field, std::uint64_t size) {
  std::u16string text(std::size_t(size / sizeof(char16_t)), u'\0');
  std::memcpy(text.data(), field, text.size() * sizeof(char16_t));
  std::size_t end = text.find(u'\0');
  if (end != std::u16string::npos) text.resize(end);
  return text;
}

void SetFieldText(std::uint8_t* field, std::uint64_t size, std::u16string_view text) {
  const std::size_t capacity = std::size_t(size / sizeof(char16_t));
  if (capacity == 0) return;
  std::u16string copy(text.substr(0, capacity - 1));
  copy.push_back(u'\0');
  std::memcpy(field, copy.data(), copy.size() * sizeof(char16_t));
}

}  // namespace detail

namespace {

bool IsValueKind(std::uint32_t kind) { return kind == kSettingsDword || kind == kSettingsString; }

// Runs one read or write of a table: resolves the profile, builds the profile variable
// string and hands the pass to the back end of the handle.
template <typename Registry, typename Xml>
bool RunPass(ConfigHandle* handle, const char16_t* profile, const SettingsEntry* table, bool* anyValue,
             Registry registry, Xml xml) {
  if (anyValue) *anyValue = false;
  if (!handle || !table) return false;
  char16_t name[kProfileNameCapacity];
  ResolveProfileName(handle, profile, name);
  detail::SettingsPass pass{handle, ProfileVariables(name, handle->variables)};
  bool ok = false;
  if (handle->kind == kRegistryHandle) {
    ok = registry(pass);
  } else if (handle->kind >= kXmlNodeHandle && handle->kind <= kXmlOwnedHandle) {
    ok = xml(pass);
  }
  if (anyValue) *anyValue = pass.any;
  return ok;
}

}  // namespace

std::size_t SettingsRecordSize(const SettingsEntry* table) {
  std::size_t size = 0;
  for (const SettingsEntry* e = table; e && e->kind != kSettingsEnd; ++e) {
    const std::size_t end = IsValueKind(e->kind) ? e->offset + std::size_t(e->size) : 0;
    if (end > size) size = end;
  }
  return size;
}

void ApplyDefaults(const SettingsEntry* table, void* record) {
  if (!table || !record) return;
  for (const SettingsEntry* e = table; e->kind != kSettingsEnd; ++e) {
    std::uint8_t* field = detail::FieldOf(record, *e);
    const void* fallback = e->profilePathOrDefault;
    switch (e->kind) {
      case kSettingsDword: {
        std::uint32_t value = fallback ? *static_cast<const std::uint32_t*>(fallback) : 0;
        if (e->size >= 4) std::memcpy(field, &value, 4);
        break;
      }
      case kSettingsString:
        detail::SetFieldText(field, e->size, fallback ? static_cast<const char16_t*>(fallback) : u"");
        break;
      default:
        break;
    }
  }
}

bool ReadSettings(ConfigHandle* handle, const char16_t* profile, const SettingsEntry* table, void* record,
                  bool* anyValue) {
  if (!record) return false;
  return RunPass(
      handle, profile, table, anyValue,
      [&](detail::SettingsPass& pass) {
        // The defaults key is optional: without it the table's own defaults stand.
        detail::ReadRegistryTable(pass, table, record, true);
        return detail::ReadRegistryTable(pass, table, record, false);
      },
      [&](detail::SettingsPass& pass) { return detail::ReadXmlTable(pass, table, record); });
}

bool CommitSettings(ConfigHandle* handle, const char16_t* profile, const SettingsEntry* table,
                    const void* record, bool* anyValue) {
  if (!record) return false;
  return RunPass(
      handle, profile, table, anyValue,
      [&](detail::SettingsPass& pass) { return detail::WriteRegistryTable(pass, table, record); },
      [&](detail::SettingsPass& pass) { return detail::WriteXmlTable(pass, table, record); });
}

}  // namespace parental::profiles
