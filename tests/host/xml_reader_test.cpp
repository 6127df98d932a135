// XmlLite reading: documents written by the plug-in's own writer are read and stored;
// malformed texts are refused.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "config/config_apply.h"
#include "config/xml_reader.h"
#include "platform/memory_registry.h"
#include "store/xml_document.h"

namespace {

using host::XmlElement;

TEST(XmlReader, ReadsWhatThePlugInWrites) {
  XmlDocument* document = CreateDocument();
  CreateRoot(document);
  _XML_NODE* profile = ResolvePath(
      document, nullptr,
      u"SECTION;ID=#01000103\\SETTINGS\\PLUGINS\\PLUGIN;ID=#01000D00\\PROFILES\\NODE;NAME=@My profile;TYPE=SUBNODE",
      kPathFindOrCreate);
  ASSERT_NE(profile, nullptr);
  std::uint32_t enable = 1;
  // (No line break: Wine's XmlLite turns a "&#x000A;" inside an attribute into a space.)
  const std::u16string name = u"\u00e9t\u00e9 <&> \"quoted\" 'apostrophe'";
  ASSERT_TRUE(SetValue(document, profile, u"Enable", kTypeDword, &enable, 4));
  ASSERT_TRUE(SetValue(document, profile, u"Note", kTypeString, name.c_str(), (name.size() + 1) * 2));
  std::vector<char> text(4096);
  std::size_t size = text.size();
  ASSERT_EQ(WriteToBuffer(document, GetRoot(document), text.data(), &size), 0);
  CloseDocument(document);

  XmlElement root;
  std::string error;
  ASSERT_TRUE(host::ParseXml(text.data(), size - 1, root, error)) << error;
  parental::platform::MemoryRegistry registry;
  host::ApplyResult result = host::ApplyConfiguration(root, 0x01000D00, registry);
  ASSERT_TRUE(result.applied) << result.error;
  auto key = registry.Open(registry.Root(parental::platform::RegRoot::LocalMachine),
                           u"Software\\Corvid\\Corvid Security\\CurrentVersion\\Plugins\\01000D00\\Profiles\\@My profile",
                           false);
  ASSERT_TRUE(key);
  char16_t stored[64] = {};
  std::uint32_t bytes = sizeof(stored);
  ASSERT_TRUE(registry.QueryValue(key, u"Note", nullptr, stored, &bytes));
  EXPECT_EQ(std::u16string(stored), name);
  registry.Close(key);
}

TEST(XmlReader, RefusesMalformedText) {
  const char* bad[] = {
      "",
      "<Corvid><SECTION></Corvid>",
      "<Corvid/><Corvid/>",
      "<Corvid>text</Corvid>",
      "<!DOCTYPE Corvid [<!ENTITY e \"x\">]><Corvid NAME=\"&e;\"/>",
      "<Corvid NAME=\"unterminated/>",
      "\xff\xfe<Corvid/>",
  };
  for (const char* text : bad) {
    XmlElement root;
    std::string error;
    EXPECT_FALSE(host::ParseXml(text, std::strlen(text), root, error)) << text;
    EXPECT_FALSE(error.empty());
  }
}

}  // namespace
