// Change tracking: every value that Save writes, changed on its own, makes the model
// modified and is saved; what Save does not write (the order of exceptions) does not.
#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "model_host.h"
#include "parental/parental_config.h"
#include "parental/substitute_accounts.h"
#include "support/counting_guids.h"

namespace {

using namespace parental::corvui;

class ChangeTrackingTest : public ::testing::Test {
 protected:
  CParentalConfig& Load() {
    config.reset(new CParentalConfig(&host->engine, true, host->registry, service));
    config->Load(config->GetVariables());
    return *config;
  }
  std::string Stored() {
    CParentalConfig reloaded(&host->engine, true, host->registry, service);
    reloaded.Load(reloaded.GetVariables());
    return DescribeModel(reloaded) + Describe(reloaded.General());
  }
  static std::string Describe(const GeneralSettings& g) {
    return "general " + std::to_string(g.enable) + " " + std::to_string(g.integrate) + " " +
           std::to_string(g.logAllowed) + "\n";
  }
  const std::u16string& ExceptionId(std::size_t i) {
    return config->Roles().Roles().at(u"PC.ben").role->Exceptions().at(i).id;
  }
  // A fresh mirror with a family stored in it.
  void SetUp() override {
    config.reset();
    host.reset();  // a host is the process's host from its construction to its end
    host = std::make_unique<ModelHost>();
    CParentalConfig& c = Load();
    CConfigManagerRole& roles = c.Roles();
    ASSERT_TRUE(roles.CreateRole(u"Family", u"", {}));
    ASSERT_TRUE(roles.CreateRole(u"Other", u"", {}));
    ASSERT_TRUE(roles.CreateAccountRole(u"ben", u"PC", u"Family", {}));
    roles.SetCategory(u"PC.ben", 12, true);
    roles.SetCategory(u"PC.ben", 13, false);
    for (const char* url : {"a.example/", "b.example/"}) ASSERT_TRUE(roles.AddException(u"PC.ben", url, 1, nullptr));
    c.Accounts().AddAccount(u"S-1-5-21-7-1001", u"PC.ben", 1, 2010);
    c.Accounts().AddAccount(u"S-1-5-21-7-1002", u"PC.ben", 1, 2012);
    ASSERT_TRUE(c.Save());
  }

  std::unique_ptr<ModelHost> host;
  CountingGuids guids;
  SubstituteAccounts service;
  std::unique_ptr<CParentalConfig> config;
};

TEST_F(ChangeTrackingTest, EverySavedValueChangedAloneIsSeenAndSaved) {
  const std::pair<const char*, std::function<void(CParentalConfig&)>> changes[] = {
      {"Enable", [](CParentalConfig& c) { c.General().enable = 1; }},
      {"Register", [](CParentalConfig& c) { c.General().integrate = 1; }},
      {"LogAllowed", [](CParentalConfig& c) { c.General().logAllowed = 1; }},
      {"a category's state", [](CParentalConfig& c) { c.Roles().SetCategory(u"PC.ben", 12, false); }},
      {"a category set", [](CParentalConfig& c) { c.Roles().SetCategory(u"PC.ben", 14, true); }},
      {"a category no longer set",
       [](CParentalConfig& c) { c.Roles().Roles().at(u"PC.ben").role->SetCategory(13, parental::core::kNotSet); }},
      {"the parent", [](CParentalConfig& c) {
         c.Roles().Roles().at(u"PC.ben").role->SetParent(c.Roles().Roles().at(u"Other").role); }},
      {"an exception's URL",
       [this](CParentalConfig& c) { c.Roles().EditException(u"PC.ben", ExceptionId(0), "c.example/", 1); }},
      {"an exception's state",
       [this](CParentalConfig& c) { c.Roles().EditException(u"PC.ben", ExceptionId(1), "b.example/", 0); }},
      {"an exception removed", [this](CParentalConfig& c) { c.Roles().RemoveException(u"PC.ben", ExceptionId(0)); }},
      {"an exception added", [](CParentalConfig& c) { c.Roles().AddException(u"PC.ben", "d.example", 0, nullptr); }},
      {"an account's enabled flag", [](CParentalConfig& c) { c.Accounts().SetEnabled(u"S-1-5-21-7-1001", 0); }},
      {"an account's birth year",
       [](CParentalConfig& c) { c.Accounts().UpdateAccount(u"S-1-5-21-7-1002", u"", 2013); }},
      {"an account's role",
       [](CParentalConfig& c) { c.Accounts().UpdateAccount(u"S-1-5-21-7-1002", u"Other", 2012); }},
      {"an account removed", [](CParentalConfig& c) { c.Accounts().RemoveAccount(u"S-1-5-21-7-1001"); }},
      {"an unchanged role deleted", [](CParentalConfig& c) { c.Roles().DeleteRole(u"Other"); }},
  };
  const std::string before = Stored();
  for (const auto& [what, change] : changes) {
    CParentalConfig& c = Load();
    ASSERT_FALSE(c.IsModified()) << what;
    change(c);
    EXPECT_TRUE(c.IsModified()) << what;
    const std::string held = DescribeModel(c) + Describe(c.General());
    ASSERT_TRUE(c.Save()) << what;
    EXPECT_FALSE(c.IsModified()) << what;
    const std::string stored = Stored();
    EXPECT_NE(stored, before) << what;
    if (std::string(what) != "an unchanged role deleted") {
      EXPECT_EQ(stored, held) << what;
    }
    SetUp();
  }
}

TEST_F(ChangeTrackingTest, TheOrderOfExceptionsAloneIsNoChange) {
  CParentalConfig& c = Load();
  auto& ben = *c.Roles().Roles().at(u"PC.ben").role;
  auto exceptions = ben.Exceptions();
  std::swap(exceptions[0], exceptions[1]);
  ben.SetExceptions(exceptions);
  EXPECT_FALSE(c.IsModified());
}

}  // namespace
