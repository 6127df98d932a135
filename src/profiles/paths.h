#pragma once
// Where profiles live: the path templates of the registry mirror and of the host's
// configuration tree, and the names that every profile container uses.
#include <cstddef>

namespace parental::profiles {

inline constexpr char16_t kDefaultProfile[] = u"@My profile";
inline constexpr char16_t kEnableValue[] = u"Enable";
inline constexpr char16_t kActiveValue[] = u"Active";
inline constexpr char16_t kDeleteAttribute[] = u"DELETE";

inline constexpr char16_t kPluginIdVariable[] = u"${PluginID}";
inline constexpr char16_t kProfileNameVariable[] = u"${ProfileName}";

inline constexpr char16_t kRegistryProfilesPath[] =
    u"Software\\Corvid\\Corvid Security\\CurrentVersion\\Plugins\\${PluginID}\\Profiles";
inline constexpr char16_t kXmlProfilesPath[] =
    u"SECTION;ID=#01000103\\SETTINGS\\PLUGINS\\PLUGIN;ID=#${PluginID}\\PROFILES";
inline constexpr char16_t kRegistryDefaultsTemplate[] =
    u"HKLM\\Software\\Corvid\\Corvid Security\\CurrentVersion\\Plugins\\${PluginID}\\Default";
inline constexpr char16_t kRegistryProfileTemplate[] =
    u"HKLM\\Software\\Corvid\\Corvid Security\\CurrentVersion\\Plugins\\${PluginID}\\Profiles\\${ProfileName}";
inline constexpr char16_t kXmlProfileTemplate[] =
    u"SECTION;ID=#01000103\\SETTINGS\\PLUGINS\\PLUGIN;ID=#${PluginID}\\PROFILES\\NODE;NAME=${ProfileName};"
    u"TYPE=SUBNODE";

// Fixed buffers, in characters with the terminator.
inline constexpr std::size_t kProfileNameCapacity = 81;
inline constexpr std::size_t kVariablesCapacity = 256;
inline constexpr std::size_t kRegistryPathCapacity = 261;

}  // namespace parental::profiles
