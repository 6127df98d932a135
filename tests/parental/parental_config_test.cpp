// The configuration object against an in-memory registry mirror: what Load builds, what
// IsModified sees, what Save submits, and that a saved and reloaded model is the same.
#include <gtest/gtest.h>

#include "common/text.h"
#include "model_host.h"
#include "parental/parental_config.h"
#include "parental/substitute_accounts.h"
#include "platform/registry_values.h"
#include "support/counting_guids.h"

namespace {

using namespace parental::corvui;

class ParentalConfigTest : public ::testing::Test {
 protected:
  CParentalConfig& Config(bool reload = true) {
    config.reset(new CParentalConfig(&host.engine, true, host.registry, service));
    if (reload) config->Load(config->GetVariables());
    return *config;
  }
  std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
  }
  // A family: two children's roles below a shared one, accounts and exceptions.
  void MakeFamily(CParentalConfig& c) {
    CConfigManagerRole& roles = c.Roles();
    ASSERT_TRUE(roles.CreateRole(u"Family", u"", {}));
    roles.SetCategory(u"Family", 8, false);
    ASSERT_TRUE(roles.CreateAccountRole(u"anna", u"PC", u"Family", roles.GetPredefinedRoles(0)->at(u"@Teen").role));
    ASSERT_TRUE(roles.CreateAccountRole(u"ben", u"PC", u"Family", {}));
    roles.SetCategory(u"PC.ben", 40000, true);
    for (const char* url : {"http://www.games.example/", "chat.example/x", "video.example"})
      ASSERT_TRUE(roles.AddException(u"PC.ben", url, 1, nullptr));
    c.Accounts().AddAccount(u"S-1-5-21-7-1001", u"PC.anna", 1, 2010);
    c.Accounts().AddAccount(u"S-1-5-21-7-1002", u"PC.ben", 0, 2014);
  }

  ModelHost host;
  CountingGuids guids;
  SubstituteAccounts service;
  std::unique_ptr<CParentalConfig> config;
};

TEST_F(ParentalConfigTest, AnEmptyMirrorLoadsOnlyTheDefaultRoleAndSavesNoProfile) {
  CParentalConfig& c = Config();
  EXPECT_TRUE(c.Roles().Roles().empty());
  EXPECT_EQ(c.Roles().DefaultRole()->Name(), u"@default");
  EXPECT_FALSE(c.IsModified());
  EXPECT_TRUE(c.Save());
  ASSERT_EQ(host.submittedSections, std::vector<std::uint32_t>{ROLES_SECTION_ID});
  EXPECT_EQ(Count(host.submittedTexts[0], "<NODE"), 0u) << host.submittedTexts[0];
}

TEST_F(ParentalConfigTest, WhatIsSavedLoadsBackTheSame) {
  MakeFamily(Config());
  EXPECT_TRUE(config->IsModified());
  ASSERT_TRUE(config->Save());
  EXPECT_FALSE(config->IsModified());
  const std::string saved = DescribeModel(*config);
  EXPECT_EQ(DescribeModel(Config()), saved);
  EXPECT_EQ(Count(saved, "\n"), 5u) << saved;
  EXPECT_NE(saved.find("PC.ben <Family> -25536:1 [games.example/ allow] [chat.example/x allow]"), std::string::npos)
      << saved;
  EXPECT_FALSE(config->IsModified());

  // Unchanged: the roles section is submitted without any profile in it.
  host.submittedTexts.clear();
  ASSERT_TRUE(config->Save());
  EXPECT_EQ(Count(host.submittedTexts[0], "NAME=\"PC."), 0u) << host.submittedTexts[0];

  // Only the general block changed: both sections go, the general one first.
  config->General().integrate = 1;
  EXPECT_TRUE(config->IsModified());
  host.submittedSections.clear();
  ASSERT_TRUE(config->Save());
  EXPECT_EQ(host.submittedSections, (std::vector<std::uint32_t>{PLUGIN_ID, ROLES_SECTION_ID}));
  EXPECT_EQ(Config().General().integrate, 1u);
}

TEST_F(ParentalConfigTest, ChangesDeletionsAndReorderingsSurviveAReload) {
  MakeFamily(Config());
  ASSERT_TRUE(config->Save());
  CParentalConfig& c = Config();
  auto& ben = *c.Roles().Roles().at(u"PC.ben").role;
  auto exceptions = ben.Exceptions();
  std::rotate(exceptions.begin(), exceptions.begin() + 1, exceptions.end());
  exceptions.erase(exceptions.begin());
  ben.SetExceptions(exceptions);
  c.Roles().EditException(u"PC.ben", exceptions[0].id, "video.example/new", 0);
  c.Roles().AddException(u"PC.ben", "new.example", 1, nullptr);
  c.Roles().DeleteRole(u"PC.anna");
  c.Accounts().RemoveAccount(u"S-1-5-21-7-1001");
  c.Roles().CreateAccountRole(u"cleo", u"PC", u"", {});
  c.Accounts().AddAccount(u"S-1-5-21-7-1003", u"PC.cleo", 1, 2016);
  c.Roles().SetCategory(u"Family", 8, true);
  ASSERT_TRUE(c.Save());
  const std::string saved = DescribeModel(c);
  EXPECT_EQ(saved.find("PC.anna"), std::string::npos);
  EXPECT_NE(saved.find("[video.example/new block] [games.example/ allow] [new.example/ allow]"), std::string::npos)
      << saved;
  EXPECT_EQ(DescribeModel(Config()), saved);
}

TEST_F(ParentalConfigTest, NamesAndUrlsOfAnyCharactersAreSavedWellFormedAndLoadBackAsHeld) {
  // Names from Windows may hold any 16-bit units; what XML cannot carry comes back as
  // U+FFFD. URLs keep the escapes of such bytes, and raw ones are saved escaped. (Tabs and
  // line breaks are left to the store's tests: Wine's XmlLite reads their references in
  // attributes as spaces.)
  const std::u16string smiley = u"Kid \U0001F600", odd{u'O', 0xD800, u'\x01', 0xFFFF};
  CConfigManagerRole& roles = Config().Roles();
  ASSERT_TRUE(roles.CreateRole(smiley, u"", {}));
  ASSERT_TRUE(roles.CreateRole(odd, smiley, {}));
  // Characters that a profile name cannot hold become spaces, in the parent link too.
  ASSERT_TRUE(roles.CreateAccountRole(u"O'Brien", u"PC", u"", {}));
  ASSERT_TRUE(roles.CreateRole(u"kid#1", u"PC.O'Brien", {}));
  std::u16string id;
  ASSERT_TRUE(roles.AddException(smiley, "http://a.example/%01%20x%00%7F", 1, nullptr));
  ASSERT_TRUE(roles.AddException(smiley, "b.example", 0, &id));
  ASSERT_TRUE(roles.EditException(smiley, id, "b.example/\x02y", 0));
  ASSERT_TRUE(config->Save());
  CParentalConfig& reloaded = Config();
  const std::u16string held = u"O\uFFFD\uFFFD\uFFFD";
  ASSERT_EQ(reloaded.Roles().Roles().size(), 4u);
  const auto& parent = reloaded.Roles().Roles().at(u"kid 1").role->Parent();
  ASSERT_TRUE(parent);
  EXPECT_EQ(parent->Name(), u"PC.O Brien");
  ASSERT_EQ(reloaded.Roles().Roles().count(held), 1u);
  EXPECT_EQ(reloaded.Roles().Roles().at(held).role->Parent()->Name(), smiley);
  const auto& exceptions = reloaded.Roles().Roles().at(smiley).role->Exceptions();
  ASSERT_EQ(exceptions.size(), 2u);
  EXPECT_EQ(exceptions[0].url, "a.example/%01 x%00\x7F");
  EXPECT_EQ(exceptions[1].url, "b.example/%02y");
  EXPECT_FALSE(reloaded.IsModified());
  reloaded.Roles().SetCategory(held, 7, true);
  ASSERT_TRUE(reloaded.Save());
  const std::string saved = DescribeModel(reloaded);
  EXPECT_EQ(DescribeModel(Config()), saved) << "saved again, the same";
}

// A profile may name a parent that no loaded role has (a template role of the engine): the
// role inherits nothing from it, but saving the role writes the key back as it was.
TEST_F(ParentalConfigTest, AParentThatNoLoadedRoleHasIsKeptWhenTheRoleIsSaved) {
  using namespace parental::platform;
  const std::u16string profiles = u"Software\\Corvid\\Corvid Security\\CurrentVersion\\Plugins\\01000D01\\Profiles\\";
  const std::u16string parent = u"@Child";
  auto storedParent = [&](const char16_t* role) {
    ScopedKey key(host.registry, host.registry.Open(host.registry.Root(RegRoot::LocalMachine), profiles + role, false));
    std::u16string text = u"<none>";
    if (key) ReadText(host.registry, key.get(), u"ParentRole", 80, &text);
    return text;
  };
  {
    ScopedKey kid(host.registry, host.registry.Create(host.registry.Root(RegRoot::LocalMachine), profiles + u"LAB.kid"));
    host.registry.SetValue(kid.get(), u"ParentRole", kRegString, parent.c_str(), std::uint32_t((parent.size() + 1) * 2));
  }
  for (int round = 0; round < 2; ++round) {
    CParentalConfig& c = Config();
    const parental::core::CRole& kid = *c.Roles().Roles().at(u"LAB.kid").role;
    EXPECT_FALSE(kid.Parent());
    EXPECT_EQ(kid.UnresolvedParent(), parent);
    EXPECT_FALSE(c.IsModified());
    c.Roles().SetCategory(u"LAB.kid", 7, round == 0);
    ASSERT_TRUE(c.Save());
    EXPECT_EQ(storedParent(u"LAB.kid"), parent) << round;
  }
  // A parent set on the role replaces the key; copying a role copies it.
  CParentalConfig& c = Config();
  ASSERT_TRUE(c.Roles().CreateRole(u"Family", u"", {}));
  ASSERT_TRUE(c.Roles().CreateRole(u"LAB.twin", u"", {}));
  ASSERT_TRUE(c.Roles().CopyRole(u"LAB.twin", c.Roles().Roles().at(u"LAB.kid").role));
  ASSERT_TRUE(c.Roles().CopyRole(u"LAB.kid", c.Roles().Roles().at(u"Family").role));
  ASSERT_TRUE(c.Save());
  EXPECT_EQ(storedParent(u"LAB.twin"), parent);
  EXPECT_EQ(storedParent(u"LAB.kid"), u"");
}

// Loading normalises every stored URL again, which would read some held addresses
// otherwise ("?" taken for a query, a second escape decoded, a second "www." dropped):
// those are stored with escapes that load back as held; ordinary ones are stored as held.
TEST_F(ParentalConfigTest, EveryHeldAddressLoadsBackAsHeld) {
  CConfigManagerRole& roles = Config().Roles();
  ASSERT_TRUE(roles.CreateRole(u"kid", u"", {}));
  for (const char* url : {"x.example/a%3Fb%23c", "www.www.example.com/", "x.example/a%2541", "x.example/%2F%2Fdouble",
                          "a%40b.example/", "%41b.example:8080/x", "x.example/100%", "games.example/", "x.example/%01"})
    ASSERT_TRUE(roles.AddException(u"kid", url, 1, nullptr));
  // An edited URL is held as typed; loading gives the address it names.
  const std::u16string edited = roles.Roles().at(u"kid").role->Exceptions().back().id;
  ASSERT_TRUE(roles.EditException(u"kid", edited, "chat.example", 0));
  ASSERT_TRUE(config->Save());
  std::vector<std::string> held;
  for (const auto& e : roles.Roles().at(u"kid").role->Exceptions()) held.push_back(e.url);
  held.back() = "chat.example/";
  EXPECT_EQ(held[1], "www.example.com/");
  EXPECT_NE(host.submittedTexts.back().find("VALUE=\"games.example/\""), std::string::npos) << "stored as held";
  CParentalConfig& reloaded = Config();
  std::vector<std::string> loaded;
  for (const auto& e : reloaded.Roles().Roles().at(u"kid").role->Exceptions()) loaded.push_back(e.url);
  EXPECT_EQ(loaded, held);
  reloaded.Roles().SetCategory(u"kid", 3, true);
  ASSERT_TRUE(reloaded.Save());
  const std::string saved = DescribeModel(reloaded);
  EXPECT_EQ(DescribeModel(Config()), saved) << "saved again, the same";
}

TEST_F(ParentalConfigTest, WhatTheHostDoesNotTakeStaysChanged) {
  MakeFamily(Config());
  host.refuseSubmissions = true;
  EXPECT_FALSE(config->Save());
  EXPECT_TRUE(config->IsModified());
  host.refuseSubmissions = false;
  EXPECT_TRUE(config->Save());
  EXPECT_FALSE(config->IsModified());
}

// What the status page does after each change: a refused save puts the stored state back,
// so that no unsaved change waits to be saved with a later one.
TEST_F(ParentalConfigTest, SavingAsUsualLoadsTheStoredStateAgainWhenTheHostRefuses) {
  MakeFamily(Config());
  ASSERT_TRUE(config->Save());
  const std::string stored = DescribeModel(*config);
  config->Roles().SetCategory(u"PC.ben", 3, true);
  host.refuseSubmissions = true;
  EXPECT_FALSE(config->SaveAsUsual());
  EXPECT_FALSE(config->IsModified());
  EXPECT_EQ(DescribeModel(*config), stored);
  EXPECT_TRUE(config->SaveAsUsual()) << "nothing changed: nothing to submit";
}

TEST_F(ParentalConfigTest, ARoleWhoseAccountsNoLongerFitKeepsItsStoredProfile) {
  MakeFamily(Config());
  ASSERT_TRUE(config->Save());
  for (int i = 0; i < 40; ++i)
    config->Accounts().AddAccount(u"S-1-5-21-1111111111-2222222222-3333333333-" + parental::common::FormatDecimal(i),
                                  u"PC.ben", 1, 2010);
  config->Roles().SetCategory(u"PC.anna", 3, true);
  EXPECT_FALSE(config->Save());
  EXPECT_TRUE(config->IsModified()) << "the role is still to be saved";
  CParentalConfig& reloaded = Config();
  EXPECT_EQ(reloaded.Accounts().Accounts().count(u"S-1-5-21-7-1002"), 1u) << "the stored accounts are kept";
  EXPECT_EQ(reloaded.Accounts().Accounts().size(), 2u);
  std::uint32_t state = 0;
  EXPECT_TRUE(reloaded.Roles().Roles().at(u"PC.anna").role->GetCategory(3, &state) && state == 1)
      << "the other roles are saved";
}

}  // namespace
