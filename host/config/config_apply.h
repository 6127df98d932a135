#pragma once
// Applies a configuration document that the plug-in submitted to the registry mirror, in
// the form the plug-in reads back: profiles as subkeys of the section's "Profiles" key,
// values by type, exported item lists as "Node_" subkeys, "DELETE" marks as deletions.
// All or nothing: the whole document is checked before the first change.
#include <cstdint>
#include <string>

#include "config/xml_tree.h"
#include "platform/registry_store.h"

namespace host {

// The registry mirror below the local machine's root.
constexpr char16_t kMirrorRoot[] = u"Software\\Corvid\\Corvid Security\\CurrentVersion\\Plugins";

struct ApplyResult {
  bool applied = false;
  std::string error;      // why the document was refused or the registry failed
  std::size_t writes = 0; // keys and values written or deleted
};

// Applies `document` (the root element) for section targetId.
ApplyResult ApplyConfiguration(const XmlElement& document, std::uint32_t targetId,
                               parental::platform::IRegistryStore& registry);

}  // namespace host
