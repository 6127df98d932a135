#include "items/export_list.h"

#include <string>

#include "common/text.h"

namespace parental::shared::detail {

using profiles::kProfileNameCapacity;

platform::RegKey OpenListKey(platform::IRegistryStore& store, std::uint32_t pluginId, const char16_t* profile,
                             const char16_t* listName) {
  profiles::ConfigHandle* h = profiles::OpenRegistryProfiles(pluginId, store);
  if (!h) return 0;
  char16_t name[kProfileNameCapacity];
  if (profile && profile[0]) {
    common::CopyText(name, kProfileNameCapacity, profile);
  } else {
    profiles::GetActiveProfile(h, name);
  }
  platform::RegKey key = 0;
  // A profile name is one key name: a "\" in it would reach another key.
  if (std::u16string_view(name).find(u'\\') == std::u16string_view::npos) {
    platform::ScopedKey profileKey(store, store.Open(h->key, name, false));
    if (profileKey) key = store.Open(profileKey.get(), listName, false);
  }
  profiles::ReleaseHandle(h);
  return key;
}

_XML_NODE* PrepareListNode(XmlDocument* document, std::uint32_t pluginId, const char16_t* profile,
                           const char16_t* listName, std::uint32_t handleFlags) {
  profiles::ConfigHandle* h = profiles::OpenXmlProfiles(document, pluginId);
  if (!h) return nullptr;
  h->flags = handleFlags;
  _XML_NODE* profileNode = profiles::GetProfileNode(h, profile);
  profiles::ReleaseHandle(h);
  if (!profileNode) return nullptr;
  const XmlFilter filters[] = {{u"NAME", listName, false}, {u"TYPE", u"SUBNODE", false}};
  _XML_NODE* list = ResolveSegment(document, profileNode, u"NODE", filters, 2, kPathFindOrCreate);
  if (list) {
    while (_XML_NODE* item = FirstChildElement(list)) DeleteNode(document, item);
  }
  return list;
}

_XML_NODE* AppendItemNode(XmlDocument* document, _XML_NODE* list, const char16_t* listName) {
  const XmlFilter filters[] = {{u"NAME", listName, false}, {u"TYPE", u"SUBNODE", false}};
  return ResolveSegment(document, list, u"NODE", filters, 2, kPathAppend);
}

bool IsItemKeyName(const char16_t* name) {
  const std::u16string_view n(name);
  return n.size() <= 13 && n.compare(0, 5, u"Node_") == 0;
}

}  // namespace parental::shared::detail
