#pragma once
// The two records that the configuration keeps in profiles, and their settings tables:
// the general block of section PLUGIN_ID and one role profile of section ROLES_SECTION_ID.
#include <cstddef>
#include <cstdint>

#include "profiles/settings_table.h"

namespace parental::corvui {

constexpr std::size_t kRoleKeyCapacity = 81;    // 80 characters and the terminator
constexpr std::size_t kProfileTextCapacity = 1025;

struct GeneralSettings {
  std::uint32_t enable;
  std::uint32_t integrate;  // "Register": integration into the system, edited on the General page
  std::uint32_t logAllowed;
};
static_assert(sizeof(GeneralSettings) == 12);

struct RoleProfileRecord {
  char16_t parentRole[kRoleKeyCapacity];
  char16_t accounts[kProfileTextCapacity];
  char16_t categories[kProfileTextCapacity];
};
static_assert(offsetof(RoleProfileRecord, accounts) == 162 && offsetof(RoleProfileRecord, categories) == 2212);

extern const profiles::SettingsEntry kGeneralSettingsTable[];
extern const profiles::SettingsEntry kRoleProfileTable[];

}  // namespace parental::corvui
