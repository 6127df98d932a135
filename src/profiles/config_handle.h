#pragma once
// One way to reach a plug-in's profiles, whether they live in the registry mirror or in
// a configuration document being built for the host: open the profiles container, find
// the active profile, enumerate, read and write settings, delete profiles.
#include <cstddef>
#include <cstdint>

#include "common/closer.h"
#include "profiles/paths.h"
#include "platform/registry_store.h"
#include "store/xml_document.h"

namespace parental::profiles {

enum ConfigHandleKind : std::uint32_t {
  kRegistryHandle = 1,     // an open registry key
  kXmlNodeHandle = 2,      // a node of a document the handle does not own
  kXmlToBufferHandle = 3,  // an owned document, written to the caller's buffer on release
  kXmlOwnedHandle = 4,     // an owned document, closed on release
};

enum ConfigHandleFlags : std::uint32_t {
  kHandleWritable = 1,        // XML profile lookups create missing nodes
  kProfilesAlwaysOn = 2,      // profiles count as enabled whatever "Enable" says
  kProfilesAlwaysOff = 4,     // every profile operation works on "@My profile"
};

struct ConfigHandle {
  std::uint32_t kind;
  platform::RegKey key;                 // kind 1: the profiles container key
  platform::IRegistryStore* registry;   // kind 1: the store the key belongs to
  XmlDocument* document;                // kinds 2 to 4
  _XML_NODE* node;                      // kinds 2 to 4: the profiles container element
  std::uint64_t cursor;                 // enumeration: next subkey index, or child cursor
  char* outputBuffer;                   // kind 3
  std::uint64_t* outputSize;            // kind 3: capacity in, length out
  std::uint32_t flags;
  char16_t variables[kVariablesCapacity];
};

// The registry container of the plug-in's profiles, made when missing; null on failure.
ConfigHandle* OpenRegistryProfiles(std::uint32_t pluginId,
                                   platform::IRegistryStore& registry = platform::DefaultRegistry());
// The container in a document the caller owns, found or created; null on failure.
ConfigHandle* OpenXmlProfiles(XmlDocument* document, std::uint32_t pluginId);
// A new document with its root and container. With an output buffer the release writes the
// document into it (kind 3); without one the release just closes it (kind 4).
ConfigHandle* CreateXmlProfiles(std::uint32_t pluginId, char* outputBuffer = nullptr,
                                std::uint64_t* outputSize = nullptr);
void ReleaseHandle(ConfigHandle* handle);
using HandlePtr = common::Owned<ConfigHandle, &ReleaseHandle>;

bool IsProfilesEnabled(const ConfigHandle* handle);
bool SetProfilesEnabled(ConfigHandle* handle, bool enabled);
bool GetActiveProfile(ConfigHandle* handle, char16_t name[kProfileNameCapacity]);
// The profile an operation works on: the requested one (null or empty: the active one),
// "@My profile" whenever profiles are off; sanitised (below) and cut to 80 characters.
void ResolveProfileName(ConfigHandle* handle, const char16_t* requested,
                        char16_t name[kProfileNameCapacity]);
// Replaces by spaces the characters that would break the paths a profile name is put into,
// and "|", which would cut the variable list that carries it: the name it is stored under.
void SanitiseProfileName(char16_t* name);
bool EnumerateProfiles(ConfigHandle* handle, bool first, char16_t name[kProfileNameCapacity]);
bool DeleteProfile(ConfigHandle* handle, const char16_t* name, bool mark);
_XML_NODE* GetProfileNode(ConfigHandle* handle, const char16_t* profile);

}  // namespace parental::profiles
