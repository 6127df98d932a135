// The installed-software probes on the in-memory registry: what they read and what they
// refuse.
#include <gtest/gtest.h>

#include <string>

#include "frame/app/probes.h"
#include "platform/memory_registry.h"

namespace {

using namespace parental::platform;

void SetText(MemoryRegistry& registry, RegRoot root, const char16_t* path, const char16_t* name,
             const std::u16string& text) {
  ScopedKey key(registry, registry.Create(registry.Root(root), path));
  registry.SetValue(key.get(), name, kRegString, text.c_str(), std::uint32_t((text.size() + 1) * 2));
}

TEST(Probes, ParseVersionTextsAsTheirFormatReadsThem) {
  EXPECT_EQ(ParseWordVersion(u"Word.Application.11"), 11);
  EXPECT_EQ(ParseWordVersion(u"Excel.Application.11"), 0);
  EXPECT_EQ(ParseLeadingVersion(u"6.0.2900.5512"), 6);
  EXPECT_EQ(ParseLeadingVersion(u"  11.0"), 11);
  EXPECT_EQ(ParseLeadingVersion(u"x6"), 0);
  EXPECT_EQ(ParseLeadingVersion(u""), 0);
  EXPECT_EQ(ParseLeadingVersion(u"99999999999"), 2147483647);
}

TEST(Probes, ReadTheirKeysAndAnswerZeroForAnythingElse) {
  MemoryRegistry registry;
  EXPECT_EQ(GetInternetExplorerVersion(registry), 0);
  EXPECT_EQ(GetWordVersion(registry), 0);

  const char16_t kExplorer[] = u"SOFTWARE\\Microsoft\\Internet Explorer";
  SetText(registry, RegRoot::LocalMachine, kExplorer, u"Version", u"6.0.2900.5512");
  SetText(registry, RegRoot::ClassesRoot, u"Word.Application\\CurVer", u"", u"Word.Application.11");
  EXPECT_EQ(GetInternetExplorerVersion(registry), 6);
  EXPECT_EQ(GetWordVersion(registry), 11);

  SetText(registry, RegRoot::LocalMachine, kExplorer, u"Version", std::u16string(51, u'9'));  // 104 bytes
  EXPECT_EQ(GetInternetExplorerVersion(registry), 0);
  const std::uint32_t dword = 8;
  ScopedKey key(registry, registry.Open(registry.Root(RegRoot::LocalMachine), kExplorer, true));
  registry.SetValue(key.get(), u"Version", kRegDword, &dword, 4);
  EXPECT_EQ(GetInternetExplorerVersion(registry), 0);
}

}  // namespace
