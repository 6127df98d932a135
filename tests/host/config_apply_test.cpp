// Applying submitted configuration documents to the registry mirror: the registry form
// the plug-in reads back, deletion marks, exported item lists, and documents that are
// refused without any change.
#include <gtest/gtest.h>

#include "config/config_apply.h"
#include "platform/memory_registry.h"

namespace {

using host::ApplyConfiguration;
using host::XmlElement;
using namespace parental::platform;

XmlElement Element(std::u16string name, std::vector<std::pair<std::u16string, std::u16string>> attributes,
                   std::vector<XmlElement> children = {}) {
  return XmlElement{std::move(name), std::move(attributes), std::move(children)};
}

XmlElement Value(std::u16string name, std::u16string type, std::u16string value) {
  return Element(u"NODE", {{u"NAME", name}, {u"VALUE", value}, {u"TYPE", type}});
}

XmlElement Subnode(std::u16string name, std::vector<XmlElement> children, std::u16string deleted = u"") {
  std::vector<std::pair<std::u16string, std::u16string>> attributes{{u"NAME", name}, {u"TYPE", u"SUBNODE"}};
  if (!deleted.empty()) attributes.emplace_back(u"DELETE", deleted);
  return Element(u"NODE", std::move(attributes), std::move(children));
}

// The document the plug-in submits: Corvid\SECTION\SETTINGS\PLUGINS\PLUGIN\PROFILES.
XmlElement Document(std::u16string pluginId, std::vector<XmlElement> profiles) {
  XmlElement container = Element(u"PROFILES", {}, std::move(profiles));
  XmlElement plugin = Element(u"PLUGIN", {{u"ID", pluginId}}, {container});
  return Element(u"Corvid", {}, {Element(u"SECTION", {{u"ID", u"01000103"}},
                                         {Element(u"SETTINGS", {}, {Element(u"PLUGINS", {}, {plugin})})})});
}

class ConfigApply : public ::testing::Test {
 protected:
  const std::u16string kRoles = u"Software\\Corvid\\Corvid Security\\CurrentVersion\\Plugins\\01000D01\\Profiles";

  RegKey Key(const std::u16string& path) { return registry.Open(registry.Root(RegRoot::LocalMachine), path, false); }
  bool Exists(const std::u16string& path) {
    ScopedKey key(registry, Key(path));
    return bool(key);
  }
  std::vector<std::uint8_t> Read(const std::u16string& path, std::u16string_view name, std::uint32_t* type) {
    ScopedKey key(registry, Key(path));
    std::vector<std::uint8_t> data(512);
    std::uint32_t size = 512;
    if (!key || !registry.QueryValue(key.get(), name, type, data.data(), &size)) return {};
    data.resize(size);
    return data;
  }
  std::u16string String(const std::u16string& path, std::u16string_view name) {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data = Read(path, name, &type);
    if (type != kRegString || data.size() < 2) return u"(missing)";
    return std::u16string(reinterpret_cast<const char16_t*>(data.data()), data.size() / 2 - 1);
  }
  std::uint32_t Dword(const std::u16string& path, std::u16string_view name) {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data = Read(path, name, &type);
    EXPECT_EQ(type, kRegDword);
    return data.size() == 4 ? std::uint32_t(data[0] | data[1] << 8 | data[2] << 16 | data[3] << 24) : ~0u;
  }

  MemoryRegistry registry;
};

TEST_F(ConfigApply, ProfilesValuesAndExceptionItemsTakeTheRegistryForm) {
  registry.Close(registry.Create(registry.Root(RegRoot::LocalMachine), kRoles + u"\\Lab.kid\\Exceptions\\Node_00000009"));
  std::size_t handles = registry.OpenHandleCount();
  XmlElement item = Subnode(u"Exceptions", {Value(u"Url", u"STRING", u"http://example.com/"),
                                             Value(u"State", u"DWORD", u"1"), Value(u"Priority", u"DWORD", u"A"),
                                             Value(u"AutomaticItemID", u"STRING", u"0d1f-id")}, u"0");
  XmlElement gone = Subnode(u"Exceptions", {Value(u"Url", u"STRING", u"http://old/")}, u"1");
  XmlElement document = Document(u"1000D01", {
      Value(u"Enable", u"DWORD", u"1"),
      Subnode(u"Lab.kid", {Value(u"ParentRole", u"STRING", u"@Teen"),
                           Value(u"Categories", u"STRING", u"12:1|13:0"),
                           Value(u"Secret", u"PASS", u"AAEC/w=="),
                           Subnode(u"Exceptions", {item, gone})}),
  });
  host::ApplyResult result = ApplyConfiguration(document, 0x01000D01, registry);
  ASSERT_TRUE(result.applied) << result.error;
  EXPECT_EQ(Dword(kRoles, u"Enable"), 1u);
  std::u16string profile = kRoles + u"\\Lab.kid";
  EXPECT_EQ(String(profile, u"ParentRole"), u"@Teen");
  EXPECT_EQ(String(profile, u"Categories"), u"12:1|13:0");
  std::uint32_t type = 0;
  EXPECT_EQ(Read(profile, u"Secret", &type), (std::vector<std::uint8_t>{0, 1, 2, 0xFF}));
  EXPECT_EQ(type, kRegBinary);
  std::u16string node = profile + u"\\Exceptions\\Node_00000001";
  EXPECT_EQ(String(node, u"Url"), u"http://example.com/");
  EXPECT_EQ(Dword(node, u"State"), 1u);
  EXPECT_EQ(Dword(node, u"Priority"), 10u);
  EXPECT_EQ(String(node, u"AutomaticItemID"), u"0d1f-id");
  EXPECT_FALSE(Exists(profile + u"\\Exceptions\\Node_00000002"));  // the deleted item
  EXPECT_FALSE(Exists(profile + u"\\Exceptions\\Node_00000009"));  // the list was replaced

  // A profile marked for deletion goes with its subkeys; an empty list empties the list.
  document = Document(u"#01000D01", {Subnode(u"Lab.kid", {}, u"1"), Subnode(u"Other", {Subnode(u"Exceptions", {})})});
  result = ApplyConfiguration(document, 0x01000D01, registry);
  ASSERT_TRUE(result.applied) << result.error;
  EXPECT_FALSE(Exists(profile));
  EXPECT_TRUE(Exists(kRoles + u"\\Other\\Exceptions"));
  EXPECT_EQ(registry.OpenHandleCount(), handles);  // every key opened was closed
}

TEST_F(ConfigApply, ARefusedDocumentChangesNothing) {
  XmlElement good = Subnode(u"First", {Value(u"Categories", u"STRING", u"1:1")});
  std::vector<XmlElement> bad = {
      Value(u"Enable", u"DWORD", u"12G"),                          // not hexadecimal
      Value(u"Enable", u"DWORD", u"100000000"),                    // more than 32 bits
      Value(u"Blob", u"BINARY", u"AB="),                           // not Base64
      Value(u"Doc", u"XML", u"<x/>"),                              // a type the mirror has no form for
      Element(u"NODE", {{u"TYPE", u"DWORD"}, {u"VALUE", u"1"}}),   // no NAME
      Element(u"VALUE", {{u"NAME", u"x"}}),                        // not a NODE
      Subnode(u"Second", {}, u"2"),                                // bad DELETE mark
      Subnode(u"Back\\slash", {}),                                 // not a key name
      Subnode(std::u16string(81, u'p'), {}),                       // profile name too long
      Element(u"NODE", {{u"NAME", u"x"}, {u"TYPE", u"DWORD"}, {u"VALUE", u"1"}, {u"COLOUR", u"red"}}),
  };
  for (const XmlElement& node : bad) {
    host::ApplyResult result = ApplyConfiguration(Document(u"01000D01", {good, node}), 0x01000D01, registry);
    EXPECT_FALSE(result.applied);
    EXPECT_FALSE(result.error.empty());
    EXPECT_FALSE(Exists(kRoles + u"\\First")) << result.error;
  }
  // The document must be the section it was submitted for.
  EXPECT_FALSE(ApplyConfiguration(Document(u"01000D00", {good}), 0x01000D01, registry).applied);
  XmlElement twoSections = Document(u"01000D01", {good});
  twoSections.children.push_back(twoSections.children[0]);
  EXPECT_FALSE(ApplyConfiguration(twoSections, 0x01000D01, registry).applied);
  EXPECT_FALSE(ApplyConfiguration(Element(u"Other", {}), 0x01000D01, registry).applied);
  EXPECT_FALSE(Exists(kRoles));
  // A document with nothing below its root stores nothing and is fine.
  EXPECT_TRUE(ApplyConfiguration(Element(u"Corvid", {}), 0x01000D01, registry).applied);
}

}  // namespace
