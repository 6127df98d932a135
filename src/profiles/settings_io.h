#pragma once
// What reading and writing a settings table shares between the two back ends.
#include <cstdint>
#include <string>

#include "profiles/settings_table.h"

namespace parental::profiles::detail {

struct SettingsPass {
  ConfigHandle* handle;
  std::u16string variables;  // the profile variable string
  bool any = false;          // a value was read or written
};

// The entry's text (a path template or value name) with the variables expanded.
std::u16string ExpandEntryText(const void* text, const SettingsPass& pass);

inline std::uint8_t* FieldOf(void* record, const SettingsEntry& e) {
  return static_cast<std::uint8_t*>(record) + e.offset;
}
inline const std::uint8_t* FieldOf(const void* record, const SettingsEntry& e) {
  return static_cast<const std::uint8_t*>(record) + e.offset;
}
// The text held in a STRING field, up to its terminator or the field's end.
std::u16string FieldText(const std::uint8_t* field, std::uint64_t size);
// Stores text in a STRING field, cut to fit with its terminator.
void SetFieldText(std::uint8_t* field, std::uint64_t size, std::u16string_view text);

bool ReadRegistryTable(SettingsPass& pass, const SettingsEntry* table, void* record, bool defaultsPath);
bool WriteRegistryTable(SettingsPass& pass, const SettingsEntry* table, const void* record);
bool ReadXmlTable(SettingsPass& pass, const SettingsEntry* table, void* record);
bool WriteXmlTable(SettingsPass& pass, const SettingsEntry* table, const void* record);

}  // namespace parental::profiles::detail
