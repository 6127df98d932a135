// The same behaviour checks against every registry store: the in-memory one everywhere,
// the Win32 registry under Wine (on a scratch key that each test makes and removes).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/text.h"
#include "platform/memory_registry.h"
#ifdef _WIN32
#include "platform/win32_registry.h"
#endif

using namespace parental::platform;

namespace {

void DeleteTree(IRegistryStore& s, RegKey parent, const std::u16string& name) {
  RegKey key = s.Open(parent, name, true);
  if (!key) return;
  char16_t sub[256];
  while (s.EnumKey(key, 0, sub, 256)) DeleteTree(s, key, sub);
  s.Close(key);
  s.DeleteKey(parent, name);
}

class RegistryStoreTest : public testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
#ifdef _WIN32
    if (std::string(GetParam()) == "win32") store_.reset(new Win32Registry);
#endif
    if (!store_) store_.reset(new MemoryRegistry);
    root_ = store_->Root(RegRoot::CurrentUser);
    DeleteTree(*store_, root_, kScratch);
    scratch_ = store_->Create(root_, kScratch);
    ASSERT_NE(scratch_, 0u);
  }
  void TearDown() override {
    store_->Close(scratch_);
    DeleteTree(*store_, root_, kScratch);
  }
  IRegistryStore& store() { return *store_; }

  static constexpr const char16_t* kScratch = u"Software\\ParentalRegistryStoreTest";
  std::unique_ptr<IRegistryStore> store_;
  RegKey root_ = 0, scratch_ = 0;
};

TEST_P(RegistryStoreTest, TypedValuesReadBackWithWin32SizeRules) {
  RegKey key = store().Create(scratch_, u"A\\B\\C");
  ASSERT_NE(key, 0u);
  std::uint32_t dword = 0x01000D00;
  const char16_t text[] = u"@My profile";
  ASSERT_TRUE(store().SetValue(key, u"Enable", kRegDword, &dword, 4));
  ASSERT_TRUE(store().SetValue(key, u"Active", kRegString, text, sizeof text));
  ASSERT_TRUE(store().SetValue(key, u"Empty", kRegBinary, nullptr, 0));
  store().Close(key);

  RegKey ro = store().Open(scratch_, u"a\\b\\c\\", false);  // names are case-insensitive
  ASSERT_NE(ro, 0u);
  std::uint32_t type = 0, size = 0, value = 0;
  EXPECT_TRUE(store().QueryValue(ro, u"ENABLE", &type, nullptr, &size));
  EXPECT_EQ(type, std::uint32_t(kRegDword));
  EXPECT_EQ(size, 4u);
  size = 4;
  EXPECT_TRUE(store().QueryValue(ro, u"Enable", nullptr, &value, &size));
  EXPECT_EQ(value, dword);
  char16_t buf[32];
  size = 4;  // too small: fails and tells the size needed
  EXPECT_FALSE(store().QueryValue(ro, u"Active", &type, buf, &size));
  EXPECT_EQ(size, sizeof text);
  size = sizeof buf;
  EXPECT_TRUE(store().QueryValue(ro, u"Active", &type, buf, &size));
  EXPECT_EQ(std::u16string(buf), text);
  size = sizeof buf;
  EXPECT_TRUE(store().QueryValue(ro, u"Empty", &type, buf, &size));
  EXPECT_EQ(size, 0u);
  EXPECT_FALSE(store().QueryValue(ro, u"Missing", &type, buf, &size));
  EXPECT_FALSE(store().SetValue(ro, u"Enable", kRegDword, &dword, 4));  // opened for reading
  store().Close(ro);
  EXPECT_EQ(store().Open(scratch_, u"A\\Missing", false), 0u);
  EXPECT_EQ(store().Open(scratch_, u"\\A", false), 0u);
  ro = store().Open(scratch_, u"A\\\\B", false);  // empty names inside a path are skipped
  EXPECT_NE(ro, 0u);
  store().Close(ro);
}

TEST_P(RegistryStoreTest, SubkeysEnumerateInTheRegistryOrder) {
  const std::vector<std::u16string> created = {u"b", u"a_", u"aB", u"A", u"Z", u"\u00e9", u"\u00c9x", u"_x",
                                               u"[", u"a", u"Node_10", u"Node_9", u"node_2", u"~"};
  for (const auto& name : created) store().Close(store().Create(scratch_, name));
  std::vector<std::u16string> seen;
  char16_t name[64];
  for (std::uint32_t i = 0; store().EnumKey(scratch_, i, name, 64); ++i) seen.emplace_back(name);
  EXPECT_EQ(seen, (std::vector<std::u16string>{u"[", u"_x", u"A", u"a_", u"aB", u"b", u"Node_10", u"node_2",
                                               u"Node_9", u"Z", u"~", u"\u00e9", u"\u00c9x"}));
  char16_t small[7];  // "Node_10" needs 8 units
  EXPECT_FALSE(store().EnumKey(scratch_, 6, small, 7));
  EXPECT_TRUE(store().EnumKey(scratch_, 7, small, 7));
  EXPECT_FALSE(store().EnumKey(scratch_, 13, name, 64));
}

TEST_P(RegistryStoreTest, OnlyKeysWithoutSubkeysCanBeDeleted) {
  store().Close(store().Create(scratch_, u"P\\Q"));
  RegKey q = store().Open(scratch_, u"P\\Q", true);
  EXPECT_FALSE(store().DeleteKey(scratch_, u"P"));
  EXPECT_TRUE(store().DeleteKey(scratch_, u"P\\Q"));
  std::uint32_t v = 1;
  EXPECT_FALSE(store().SetValue(q, u"V", kRegDword, &v, 4));  // its handle outlived the key
  store().Close(q);
  EXPECT_TRUE(store().DeleteKey(scratch_, u"P"));
  EXPECT_FALSE(store().DeleteKey(scratch_, u"P"));
  char16_t name[8];
  EXPECT_FALSE(store().EnumKey(scratch_, 0, name, 8));
}

#ifdef _WIN32
INSTANTIATE_TEST_SUITE_P(Stores, RegistryStoreTest, testing::Values("memory", "win32"));
#else
INSTANTIATE_TEST_SUITE_P(Stores, RegistryStoreTest, testing::Values("memory"));
#endif

}  // namespace
