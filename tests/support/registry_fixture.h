#pragma once
// Runs profile tests against each registry store: the in-memory one everywhere, and the
// Win32 registry under Wine, on the keys of a plug-in id that only these tests use.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "profiles/config_handle.h"
#include "platform/memory_registry.h"
#include "platform/registry_values.h"
#ifdef _WIN32
#include "platform/win32_registry.h"
#endif

class ProfilesTest : public testing::TestWithParam<const char*> {
 protected:
  // Shared by every program that includes this fixture: their tests take the CTest lock
  // "test_plugin_keys" so that they never run at the same time.
  static constexpr std::uint32_t kTestPlugin = 0x7E57D001;
  static constexpr const char16_t* kPluginKey = u"Software\\Corvid\\Corvid Security\\CurrentVersion\\Plugins\\7E57D001";

  void SetUp() override {
#ifdef _WIN32
    if (std::string(GetParam()) == "win32") registry_.reset(new parental::platform::Win32Registry);
#endif
    if (!registry_) registry_.reset(new parental::platform::MemoryRegistry);
    RemovePluginKey();
  }
  void TearDown() override { RemovePluginKey(); }

  void RemovePluginKey() {
    parental::platform::DeleteKeyTree(*registry_, Machine(), kPluginKey);
  }
  parental::platform::RegKey Machine() { return registry_->Root(parental::platform::RegRoot::LocalMachine); }

  // A key below the plug-in's key, created with its parents.
  parental::platform::RegKey Key(const std::u16string& below) {
    return registry_->Create(Machine(), std::u16string(kPluginKey) + u"\\" + below);
  }
  void SetDword(const std::u16string& key, const char16_t* name, std::uint32_t v) {
    auto k = Key(key);
    registry_->SetValue(k, name, parental::platform::kRegDword, &v, 4);
    registry_->Close(k);
  }
  void SetText(const std::u16string& key, const char16_t* name, const std::u16string& text) {
    auto k = Key(key);
    registry_->SetValue(k, name, parental::platform::kRegString, text.c_str(),
                        std::uint32_t((text.size() + 1) * 2));
    registry_->Close(k);
  }
  bool HasValue(const std::u16string& key, const char16_t* name) {
    auto k = registry_->Open(Machine(), std::u16string(kPluginKey) + u"\\" + key, false);
    bool has = k && registry_->QueryValue(k, name, nullptr, nullptr, nullptr);
    if (k) registry_->Close(k);
    return has;
  }

  parental::profiles::HandlePtr OpenRegistry() {
    return parental::profiles::HandlePtr(parental::profiles::OpenRegistryProfiles(kTestPlugin, *registry_));
  }

  std::unique_ptr<parental::platform::IRegistryStore> registry_;
};

#ifdef _WIN32
#define INSTANTIATE_PROFILE_TESTS(Suite) \
  INSTANTIATE_TEST_SUITE_P(Stores, Suite, testing::Values("memory", "win32"))
#else
#define INSTANTIATE_PROFILE_TESTS(Suite) INSTANTIATE_TEST_SUITE_P(Stores, Suite, testing::Values("memory"))
#endif
