#pragma once
// Settings tables: a plain record described as a list of named values, read from and
// written to a profile in either back end. A table ends with an entry of kind kSettingsEnd.
#include <cstddef>
#include <cstdint>

#include "profiles/config_handle.h"

namespace parental::profiles {

enum SettingsKind : std::uint32_t {
  kSettingsSection = 0,  // selects the container of the entries that follow
  kSettingsDword = 2,
  kSettingsString = 4,   // size: capacity in bytes, two per character
  kSettingsEnd = 0xFFFFFFFF,
};

enum SettingsFlags : std::uint32_t { kAlwaysWrite = 1 };  // write even when it equals its default

struct SettingsEntry {
  std::uint32_t kind;
  const void* defaultsPath;  // section: the registry defaults path template
  std::uint32_t offset;      // of the field in the record
  std::uint64_t size;        // of the field in bytes
  // Section: the registry profile path template; values: the default (DWORD or text;
  // null = zero or empty).
  const void* profilePathOrDefault;
  const char16_t* name;  // section: XML path template; values: the value name (null = skipped)
  std::uint32_t flags;
};

// Entry builders, so that tables read as what they describe.
constexpr SettingsEntry SettingsSectionEntry(const char16_t* defaultsPath, const char16_t* profilePath,
                                             const char16_t* xmlPath) {
  return {kSettingsSection, defaultsPath, 0, 0, profilePath, xmlPath, 0};
}
constexpr SettingsEntry SettingsValueEntry(SettingsKind kind, std::uint32_t offset, std::uint64_t size,
                                           const char16_t* name, const void* defaultValue = nullptr,
                                           std::uint32_t flags = 0) {
  return {kind, nullptr, offset, size, defaultValue, name, flags};
}
constexpr SettingsEntry SettingsEndEntry() { return {kSettingsEnd, nullptr, 0, 0, nullptr, nullptr, 0}; }

// The largest offset + size over the table's entries.
std::size_t SettingsRecordSize(const SettingsEntry* table);
void ApplyDefaults(const SettingsEntry* table, void* record);

// Read the profile's values over the record, or write the record into the profile.
// anyValue, when given, tells whether at least one value was read or written.
bool ReadSettings(ConfigHandle* handle, const char16_t* profile, const SettingsEntry* table, void* record,
                  bool* anyValue = nullptr);
bool CommitSettings(ConfigHandle* handle, const char16_t* profile, const SettingsEntry* table,
                    const void* record, bool* anyValue = nullptr);

}  // namespace parental::profiles
