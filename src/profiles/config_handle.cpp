#include "profiles/config_handle.h"

#include <memory>
#include <new>
#include <string>

#include "common/out_of_memory.h"
#include "common/text.h"
#include "profiles/variables.h"
#include "platform/registry_values.h"

namespace parental::profiles {
namespace {

using common::CopyText;
constexpr std::size_t kMaxProfileName = kProfileNameCapacity - 1;
constexpr std::size_t kMaxKeyNameCapacity = 256;  // registry key names have at most 255 characters

bool IsXml(const ConfigHandle* h) { return h && h->kind >= kXmlNodeHandle && h->kind <= kXmlOwnedHandle; }
bool IsRegistry(const ConfigHandle* h) { return h && h->kind == kRegistryHandle && h->registry; }

// A handle under construction: released again unless it is handed out.
struct HandleCloser {
  void operator()(ConfigHandle* h) const {
    if (h->kind == kXmlOwnedHandle || h->kind == kXmlToBufferHandle) CloseDocument(h->document);
    if (h->kind == kRegistryHandle && h->key) h->registry->Close(h->key);
    delete h;
  }
};
using NewHandlePtr = std::unique_ptr<ConfigHandle, HandleCloser>;

NewHandlePtr NewHandle(std::uint32_t kind, std::uint32_t pluginId) {
  const std::u16string variables = PluginVariables(pluginId);
  NewHandlePtr h(new (std::nothrow) ConfigHandle{});
  if (!h) return nullptr;
  h->kind = kind;
  CopyText(h->variables, kVariablesCapacity, variables);
  return h;
}

std::u16string Expanded(std::u16string text, std::u16string_view variables) {
  ExpandVariables(&text, kRegistryPathCapacity, variables);
  return text;
}

// The profiles container of a document, found or created.
bool AttachContainer(ConfigHandle* h) {
  h->node = ResolvePath(h->document, nullptr, Expanded(kXmlProfilesPath, h->variables), kPathFindOrCreate);
  return h->node != nullptr;
}

std::u16string ReadActiveValue(ConfigHandle* h) {
  std::u16string active;
  if (IsRegistry(h)) {
    if (!platform::ReadText(*h->registry, h->key, kActiveValue, kMaxProfileName, &active)) active.clear();
  } else if (IsXml(h)) {
    char16_t buf[kProfileNameCapacity];
    std::size_t size = kProfileNameCapacity;
    if (GetString(h->document, h->node, kActiveValue, buf, &size)) active = buf;
  }
  return active;
}

// The name of profile `index` in enumeration order, without touching the handle's cursor.
bool ProfileAt(ConfigHandle* h, std::uint64_t* cursor, char16_t name[kProfileNameCapacity]) {
  if (IsRegistry(h)) {
    // Every key name fits here; one too long for a profile is passed over, not an end.
    char16_t key[kMaxKeyNameCapacity];
    while (h->registry->EnumKey(h->key, std::uint32_t((*cursor)++), key, kMaxKeyNameCapacity)) {
      if (common::TextLength(key) <= kMaxProfileName) return CopyText(name, kProfileNameCapacity, key), true;
    }
    return false;
  }
  if (!IsXml(h)) return false;
  std::uint32_t type;
  _XML_NODE* node;
  char16_t shortName[kEnumNameCapacity];
  while (EnumerateNodes(h->document, h->node, cursor, shortName, &type, &node)) {
    if (type != kTypeSubnode) continue;
    // The full name: profile names may be longer than what enumeration reports.
    std::size_t size = 0;
    std::u16string full;
    if (GetAttribute(h->document, node, u"NAME", nullptr, &size) == 0) {
      full.resize(size);
      GetAttribute(h->document, node, u"NAME", full.data(), &size);
      full.resize(size ? size - 1 : 0);
    }
    CopyText(name, kProfileNameCapacity, full);
    return true;
  }
  return false;
}

}  // namespace

// Opening reports a failed allocation as no handle.
ConfigHandle* OpenRegistryProfiles(std::uint32_t pluginId, platform::IRegistryStore& registry) {
  return common::OrWhenOutOfMemory<ConfigHandle*>(nullptr, [&]() -> ConfigHandle* {
    NewHandlePtr h = NewHandle(kRegistryHandle, pluginId);
    if (!h) return nullptr;
    h->registry = &registry;
    const platform::RegKey root = registry.Root(platform::RegRoot::LocalMachine);
    const std::u16string path = Expanded(kRegistryProfilesPath, h->variables);
    h->key = registry.Open(root, path, false);
    if (!h->key) {
      registry.Close(registry.Create(root, path));
      h->key = registry.Open(root, path, false);
    }
    return h->key ? h.release() : nullptr;
  });
}

ConfigHandle* OpenXmlProfiles(XmlDocument* document, std::uint32_t pluginId) {
  if (!document) return nullptr;
  return common::OrWhenOutOfMemory<ConfigHandle*>(nullptr, [&]() -> ConfigHandle* {
    NewHandlePtr h = NewHandle(kXmlNodeHandle, pluginId);
    if (!h) return nullptr;
    h->document = document;
    h->flags = kHandleWritable;
    return AttachContainer(h.get()) ? h.release() : nullptr;
  });
}

ConfigHandle* CreateXmlProfiles(std::uint32_t pluginId, char* outputBuffer, std::uint64_t* outputSize) {
  return common::OrWhenOutOfMemory<ConfigHandle*>(nullptr, [&]() -> ConfigHandle* {
    NewHandlePtr h = NewHandle(outputBuffer ? kXmlToBufferHandle : kXmlOwnedHandle, pluginId);
    if (!h) return nullptr;
    h->flags = kHandleWritable;
    h->outputBuffer = outputBuffer;
    h->outputSize = outputSize;
    h->document = CreateDocument();
    return h->document && CreateRoot(h->document) && AttachContainer(h.get()) ? h.release() : nullptr;
  });
}

void ReleaseHandle(ConfigHandle* h) {
  if (!h) return;
  switch (h->kind) {
    case kRegistryHandle:
      if (h->registry) h->registry->Close(h->key);
      break;
    case kXmlToBufferHandle:
      if (h->outputBuffer && h->outputSize) {
        std::size_t size = std::size_t(*h->outputSize);
        WriteToBuffer(h->document, GetRoot(h->document), h->outputBuffer, &size);
        *h->outputSize = size;
      }
      CloseDocument(h->document);
      break;
    case kXmlOwnedHandle:
      CloseDocument(h->document);
      break;
    default:
      break;
  }
  delete h;
}

bool IsProfilesEnabled(const ConfigHandle* h) {
  if (!h) return false;
  if (h->flags & kProfilesAlwaysOn) return true;
  if (h->flags & kProfilesAlwaysOff) return false;
  std::uint32_t enable = 0;
  if (IsRegistry(h)) return platform::ReadDword(*h->registry, h->key, kEnableValue, &enable) && enable;
  return IsXml(h) && GetDword(h->document, h->node, kEnableValue, &enable) && enable;
}

bool SetProfilesEnabled(ConfigHandle* h, bool enabled) {
  const std::uint32_t value = enabled ? 1 : 0;
  if (IsXml(h)) return SetValue(h->document, h->node, kEnableValue, kTypeDword, &value, 4);
  if (!IsRegistry(h)) return false;
  // The container is open for reading; write through a second handle on the same key.
  platform::ScopedKey writable(*h->registry, h->registry->Open(h->key, u"", true));
  return writable && h->registry->SetValue(writable.get(), kEnableValue, platform::kRegDword, &value, 4);
}

bool GetActiveProfile(ConfigHandle* h, char16_t name[kProfileNameCapacity]) {
  if (!name) return false;
  if (!IsProfilesEnabled(h)) return CopyText(name, kProfileNameCapacity, kDefaultProfile), true;
  std::u16string active = ReadActiveValue(h);
  if (!active.empty()) return CopyText(name, kProfileNameCapacity, active), true;
  std::uint64_t cursor = 0;
  if (!ProfileAt(h, &cursor, name)) CopyText(name, kProfileNameCapacity, kDefaultProfile);
  return true;
}

void ResolveProfileName(ConfigHandle* h, const char16_t* requested, char16_t name[kProfileNameCapacity]) {
  if (!name) return;
  if (!IsProfilesEnabled(h)) {
    CopyText(name, kProfileNameCapacity, kDefaultProfile);
  } else if (requested && requested[0]) {
    CopyText(name, kProfileNameCapacity, requested);
  } else {
    GetActiveProfile(h, name);
  }
  SanitiseProfileName(name);
}

void SanitiseProfileName(char16_t* name) {
  for (char16_t* c = name; *c; ++c)
    if (*c == u'"' || *c == u'#' || *c == u'\'' || *c == u';' || *c == u'\\' || *c == u'|') *c = u' ';
}

bool EnumerateProfiles(ConfigHandle* h, bool first, char16_t name[kProfileNameCapacity]) {
  if (!h || !name) return false;
  if (!IsProfilesEnabled(h)) {
    if (first) CopyText(name, kProfileNameCapacity, kDefaultProfile);
    return first;
  }
  if (first) h->cursor = 0;
  return ProfileAt(h, &h->cursor, name);
}

bool DeleteProfile(ConfigHandle* h, const char16_t* requested, bool mark) {
  if (!IsRegistry(h) && !IsXml(h)) return false;
  char16_t name[kProfileNameCapacity], active[kProfileNameCapacity];
  ResolveProfileName(h, requested, name);
  GetActiveProfile(h, active);
  if (common::EqualsNoCase(name, active)) return false;
  if (IsRegistry(h)) {
    platform::ScopedKey writable(*h->registry, h->registry->Open(h->key, u"", true));
    return writable && platform::DeleteKeyTree(*h->registry, writable.get(), name);
  }
  const XmlFilter filters[] = {{u"TYPE", u"SUBNODE", false}, {u"NAME", name, false}};
  _XML_NODE* node = ResolveSegment(h->document, h->node, u"NODE", filters, 2, kPathFindOrCreate);
  if (!node) return false;
  if (mark) return SetAttribute(h->document, node, kDeleteAttribute, u"1") == 0;
  // Drop the profile's values and lists; its own attributes keep naming it.
  while (_XML_NODE* child = FirstChildElement(node)) DeleteNode(h->document, child);
  return true;
}

_XML_NODE* GetProfileNode(ConfigHandle* h, const char16_t* profile) {
  if (!IsXml(h)) return nullptr;
  char16_t name[kProfileNameCapacity];
  ResolveProfileName(h, profile, name);
  const XmlPathMode mode = (h->flags & kHandleWritable) ? kPathFindOrCreate : kPathFind;
  const XmlFilter filters[] = {{u"NAME", name, false}, {u"TYPE", u"SUBNODE", false}};
  return ResolveSegment(h->document, h->node, u"NODE", filters, 2, mode);
}

}  // namespace parental::profiles
