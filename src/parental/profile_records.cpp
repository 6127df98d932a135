#include "parental/profile_records.h"

namespace parental::corvui {

using namespace profiles;

namespace {
constexpr SettingsEntry kSection =
    SettingsSectionEntry(kRegistryDefaultsTemplate, kRegistryProfileTemplate, kXmlProfileTemplate);
}

const SettingsEntry kGeneralSettingsTable[] = {
    kSection,
    SettingsValueEntry(kSettingsDword, offsetof(GeneralSettings, enable), 4, u"Enable"),
    SettingsValueEntry(kSettingsDword, offsetof(GeneralSettings, integrate), 4, u"Register"),
    SettingsValueEntry(kSettingsDword, offsetof(GeneralSettings, logAllowed), 4, u"LogAllowed"),
    SettingsEndEntry(),
};

const SettingsEntry kRoleProfileTable[] = {
    kSection,
    SettingsValueEntry(kSettingsString, offsetof(RoleProfileRecord, parentRole), sizeof(RoleProfileRecord::parentRole),
                       u"ParentRole"),
    SettingsValueEntry(kSettingsString, offsetof(RoleProfileRecord, accounts), sizeof(RoleProfileRecord::accounts),
                       u"Accounts"),
    SettingsValueEntry(kSettingsString, offsetof(RoleProfileRecord, categories),
                       sizeof(RoleProfileRecord::categories), u"Categories"),
    SettingsEndEntry(),
};

}  // namespace parental::corvui
