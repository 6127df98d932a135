#include "config/config_apply.h"

#include <vector>

#include "common/text.h"
#include "store/base64.h"

namespace host {
namespace {

using parental::common::EqualsNoCase;
using parental::common::FormatHex;
using parental::common::ToUtf8;
using namespace parental::platform;

constexpr std::size_t kMaxKeyName = 255;
constexpr std::size_t kMaxProfileName = 80;

// One change of the registry mirror; paths are below the local machine's root.
struct Change {
  enum Kind { kEnsureKey, kDeleteTree, kSetValue };
  Change(Kind k, std::u16string p, std::u16string n = {}) : kind(k), path(std::move(p)), name(std::move(n)) {}
  Kind kind;
  std::u16string path;
  std::u16string name;  // value name
  std::uint32_t type = 0;
  std::vector<std::uint8_t> data;
};

// A refused document: what is wrong with it.
struct Refusal {
  std::string reason;
};

[[noreturn]] void Refuse(const std::string& reason) { throw Refusal{reason}; }
[[noreturn]] void Refuse(const std::string& reason, std::u16string_view name) {
  throw Refusal{reason + " \"" + ToUtf8(name) + "\""};
}

// "#01000D00", "1000D00" and "01000d00" all name the same id.
bool IdMatches(const std::u16string* text, std::uint32_t id) {
  if (!text) return false;
  std::u16string_view digits = *text;
  if (!digits.empty() && digits[0] == u'#') digits.remove_prefix(1);
  while (digits.size() > 1 && digits[0] == u'0') digits.remove_prefix(1);
  std::u16string want = FormatHex(id);
  return EqualsNoCase(digits, want);
}

void ExpectAttributes(const XmlElement& element, std::initializer_list<std::u16string_view> allowed) {
  for (const auto& attribute : element.attributes) {
    bool known = false;
    for (std::u16string_view name : allowed) known = known || EqualsNoCase(attribute.first, name);
    if (!known) Refuse("unexpected attribute", attribute.first);
  }
}

// The one child of element, which must be named `name`.
const XmlElement& OnlyChild(const XmlElement& element, std::u16string_view name) {
  if (element.children.size() != 1 || element.children[0].name != name) {
    Refuse("expected a single element", name);
  }
  return element.children[0];
}

void CheckKeyName(std::u16string_view name, std::size_t maximum) {
  if (name.empty() || name.size() > maximum || name.find(u'\\') != std::u16string_view::npos) {
    Refuse("bad key name", name);
  }
}

std::uint32_t ParseDword(std::u16string_view text) {
  std::uint64_t value = 0;
  if (text.empty() || text.size() > 16) Refuse("bad DWORD value", text);
  for (char16_t c : text) {
    int digit = c >= u'0' && c <= u'9' ? c - u'0'
              : c >= u'a' && c <= u'f' ? c - u'a' + 10
              : c >= u'A' && c <= u'F' ? c - u'A' + 10 : -1;
    if (digit < 0 || value > 0x0FFFFFFF) Refuse("bad DWORD value", text);
    value = value * 16 + std::uint64_t(digit);
  }
  return std::uint32_t(value);
}

std::vector<std::uint8_t> DecodeBase64(std::u16string_view text) {
  std::vector<std::uint8_t> bytes(text.size() / 4 * 3 + 1);
  std::size_t size = bytes.size();
  if (!Base64Decode(text, bytes.data(), &size)) Refuse("bad Base64 value", text);
  bytes.resize(size);
  return bytes;
}

class Planner {
 public:
  explicit Planner(std::vector<Change>& changes) : changes_(changes) {}

  // The "PROFILES" element: the container values and one subkey per profile.
  void Profiles(const XmlElement& profiles, const std::u16string& path) {
    ExpectAttributes(profiles, {});
    for (const XmlElement& node : profiles.children) {
      NodeAttributes a = Read(node);
      if (!IsSubnode(a)) {
        Value(a, path);
        continue;
      }
      CheckKeyName(*a.name, kMaxProfileName);
      std::u16string profile = path + u"\\" + *a.name;
      if (Deleted(a)) {
        changes_.push_back({Change::kDeleteTree, profile});
        continue;
      }
      changes_.push_back({Change::kEnsureKey, profile});
      Contents(node, profile);
    }
  }

 private:
  struct NodeAttributes {
    const std::u16string* name;
    const std::u16string* type;
    const std::u16string* value;
    const std::u16string* deleted;
  };

  static NodeAttributes Read(const XmlElement& node) {
    if (node.name != u"NODE") Refuse("unexpected element", node.name);
    ExpectAttributes(node, {u"NAME", u"TYPE", u"VALUE", u"DELETE"});
    NodeAttributes a{node.Attribute(u"NAME"), node.Attribute(u"TYPE"), node.Attribute(u"VALUE"),
                     node.Attribute(u"DELETE")};
    if (!a.name) Refuse("a NODE without NAME");
    if (!a.type) Refuse("a NODE without TYPE", *a.name);
    if (a.deleted && *a.deleted != u"0" && *a.deleted != u"1") Refuse("bad DELETE mark", *a.deleted);
    return a;
  }
  static bool IsSubnode(const NodeAttributes& a) { return EqualsNoCase(*a.type, u"SUBNODE"); }
  static bool Deleted(const NodeAttributes& a) { return a.deleted && *a.deleted == u"1"; }

  // The values and subkeys of one key.
  void Contents(const XmlElement& element, const std::u16string& path) {
    for (const XmlElement& node : element.children) {
      NodeAttributes a = Read(node);
      if (!IsSubnode(a)) {
        if (!node.children.empty()) Refuse("a value NODE with children", *a.name);
        Value(a, path);
        continue;
      }
      CheckKeyName(*a.name, kMaxKeyName);
      std::u16string key = path + u"\\" + *a.name;
      changes_.push_back({Change::kDeleteTree, key});
      if (Deleted(a)) continue;
      changes_.push_back({Change::kEnsureKey, key});
      if (IsList(node, *a.name)) {
        List(node, key);
      } else {
        Contents(node, key);
      }
    }
  }

  // An exported item list: every child is an item named as the list (or list_N).
  static bool IsList(const XmlElement& node, std::u16string_view list) {
    for (const XmlElement& item : node.children) {
      const std::u16string* name = item.Attribute(u"NAME");
      const std::u16string* type = item.Attribute(u"TYPE");
      if (!name || !type || !EqualsNoCase(*type, u"SUBNODE")) return false;
      std::u16string_view n = *name;
      if (n != list && (n.size() <= list.size() + 1 || n.substr(0, list.size() + 1) != std::u16string(list) + u"_"))
        return false;
    }
    return true;
  }

  // Items become "Node_" subkeys numbered in document order; deleted items are left out.
  void List(const XmlElement& list, const std::u16string& path) {
    std::uint32_t number = 0;
    for (const XmlElement& item : list.children) {
      NodeAttributes a = Read(item);
      if (Deleted(a)) continue;
      std::u16string key = path + u"\\Node_" + FormatHex(++number, 8);
      changes_.push_back({Change::kEnsureKey, key});
      for (const XmlElement& field : item.children) {
        NodeAttributes f = Read(field);
        if (IsSubnode(f) || !field.children.empty()) Refuse("a list item with nested nodes", *f.name);
        Value(f, key);
      }
    }
  }

  void Value(const NodeAttributes& a, const std::u16string& path) {
    if (a.name->empty() || a.name->size() > kMaxKeyName) Refuse("bad value name", *a.name);
    if (a.deleted) Refuse("a DELETE mark on a value", *a.name);
    if (!a.value) Refuse("a value without VALUE", *a.name);
    Change change{Change::kSetValue, path, *a.name};
    const std::u16string& type = *a.type;
    if (EqualsNoCase(type, u"DWORD")) {
      std::uint32_t dword = ParseDword(*a.value);
      change.type = kRegDword;
      change.data.resize(4);
      for (int i = 0; i < 4; ++i) change.data[i] = std::uint8_t(dword >> (8 * i));
    } else if (EqualsNoCase(type, u"STRING")) {
      change.type = kRegString;
      for (char16_t c : *a.value + u'\0') {
        change.data.push_back(std::uint8_t(c));
        change.data.push_back(std::uint8_t(c >> 8));
      }
    } else if (EqualsNoCase(type, u"BINARY") || EqualsNoCase(type, u"PASS")) {
      change.type = kRegBinary;  // a PASS value is stored as its scrambled bytes
      change.data = DecodeBase64(*a.value);
    } else {
      Refuse("unsupported value type", type);
    }
    changes_.push_back(std::move(change));
  }

  std::vector<Change>& changes_;
};

std::vector<Change> Plan(const XmlElement& document, std::uint32_t targetId) {
  std::vector<Change> changes;
  if (document.name != u"Corvid") Refuse("the root element is not", u"Corvid");
  ExpectAttributes(document, {});
  if (document.children.empty()) return changes;  // nothing to store
  const XmlElement& section = OnlyChild(document, u"SECTION");
  ExpectAttributes(section, {u"ID"});
  if (!IdMatches(section.Attribute(u"ID"), 0x01000103)) Refuse("unknown SECTION");
  const XmlElement& settings = OnlyChild(section, u"SETTINGS");
  ExpectAttributes(settings, {});
  const XmlElement& plugins = OnlyChild(settings, u"PLUGINS");
  ExpectAttributes(plugins, {});
  const XmlElement& plugin = OnlyChild(plugins, u"PLUGIN");
  ExpectAttributes(plugin, {u"ID"});
  if (!IdMatches(plugin.Attribute(u"ID"), targetId)) Refuse("the PLUGIN ID is not the section submitted");
  const XmlElement& profiles = OnlyChild(plugin, u"PROFILES");
  std::u16string path = std::u16string(kMirrorRoot) + u"\\" + FormatHex(targetId, 8) + u"\\Profiles";
  changes.push_back({Change::kEnsureKey, path});
  Planner(changes).Profiles(profiles, path);
  return changes;
}

bool DeleteTree(IRegistryStore& registry, RegKey parent, const std::u16string& name) {
  RegKey key = registry.Open(parent, name, true);
  if (!key) return true;  // nothing to delete
  bool ok = true;
  char16_t child[kMaxKeyName + 1];
  while (ok && registry.EnumKey(key, 0, child, kMaxKeyName + 1)) ok = DeleteTree(registry, key, child);
  registry.Close(key);
  return ok && registry.DeleteKey(parent, name);
}

bool Execute(IRegistryStore& registry, const Change& change) {
  RegKey root = registry.Root(RegRoot::LocalMachine);
  if (change.kind == Change::kDeleteTree) {
    std::size_t split = change.path.rfind(u'\\');
    ScopedKey parent(registry, registry.Open(root, change.path.substr(0, split), true));
    return !parent || DeleteTree(registry, parent.get(), change.path.substr(split + 1));
  }
  ScopedKey key(registry, registry.Create(root, change.path));
  if (!key) return false;
  return change.kind == Change::kEnsureKey ||
         registry.SetValue(key.get(), change.name, change.type, change.data.data(),
                           std::uint32_t(change.data.size()));
}

}  // namespace

ApplyResult ApplyConfiguration(const XmlElement& document, std::uint32_t targetId,
                               IRegistryStore& registry) {
  ApplyResult result;
  std::vector<Change> changes;
  try {
    changes = Plan(document, targetId);
  } catch (const Refusal& refusal) {
    result.error = refusal.reason;
    return result;
  }
  for (const Change& change : changes) {
    if (!Execute(registry, change)) {
      result.error = "the registry refused a change of " + ToUtf8(change.path);
      return result;
    }
    ++result.writes;
  }
  result.applied = true;
  return result;
}

}  // namespace host
