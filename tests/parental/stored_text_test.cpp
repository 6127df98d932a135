// The texts roles keep in their profiles: "Categories" and "Accounts", read from every
// shape and written back, and the account manager's two maps and their fingerprints. (An
// "Accounts" text too long to store: parental_config_test.cpp.)
#include <gtest/gtest.h>

#include "parental/account_manager.h"
#include "parental/category_text.h"
#include "parental/substitute_accounts.h"

namespace {

using namespace parental::corvui;
using parental::core::CategoryStates;

TEST(CategoriesText, ReadsWellFormedPiecesAndSkipsTheOthers) {
  const CategoryStates twelveAndThirteen{{12, 1}, {13, 0}};
  EXPECT_EQ(ParseCategories(u"12:1|13:0"), twelveAndThirteen);
  EXPECT_EQ(ParseCategories(u"|12:1||"), (CategoryStates{{12, 1}}));
  for (const char16_t* bad : {u"12:2", u"12:", u":1", u"12-1", u"12:1x", u"x:1", u"-:1", u"12", u"|", u""})
    EXPECT_TRUE(ParseCategories(bad).empty()) << std::string(bad, bad + std::char_traits<char16_t>::length(bad));
  EXPECT_EQ(ParseCategories(u"12:10"), (CategoryStates{{12, 1}}));
  EXPECT_EQ(ParseCategories(u"65538:1"), (CategoryStates{{2, 1}}));
  EXPECT_EQ(ParseCategories(u" +7:1|7:0"), (CategoryStates{{7, 0}})) << "a later piece wins";
  EXPECT_EQ(ParseCategories(u"99999999999999999999:1"), (CategoryStates{{0xFFFF, 1}})) << "as a 32-bit reading clamps";
}

TEST(CategoriesText, WritesSignedIdsThatReadBackAsTheSameIds) {
  const CategoryStates states{{12, 1}, {13, 0}, {40000, 1}, {41, 2}};
  EXPECT_EQ(FormatCategories(states), u"12:1|13:0|-25536:1") << "a category not set is left to the parent";
  EXPECT_EQ(ParseCategories(FormatCategories(states)), (CategoryStates{{12, 1}, {13, 0}, {40000, 1}}));
}

class AccountManagerTest : public ::testing::Test {
 protected:
  std::vector<std::u16string> Keys() {
    std::vector<std::u16string> keys;
    for (const auto& [key, entry] : accounts.Accounts()) keys.push_back(key + u"@" + entry.roleKey);
    return keys;
  }
  std::u16string Written(const std::u16string& role) {
    RoleProfileRecord record{};
    EXPECT_TRUE(accounts.WriteAccounts(role, record));
    return record.accounts;
  }
  SubstituteAccounts service;
  CConfigManagerAccount accounts{service};
};

TEST_F(AccountManagerTest, ReadsTheAccountsTextPieceByPiece) {
  accounts.LoadAccounts(u"PC.kids", u"S-1-5-21-1-2-3-1001:1:1995|S-1-5-21-1-2-3-1002:0:2001");
  accounts.LoadAccounts(u"PC.other", u"S-1-5-21-1-2-3-1003:1|S-1-5-21-1-2-3-1004::1995|:1:1990|S-1-5-21-1-2-3-1005:1:1995:9");
  accounts.LoadAccounts(u"PC.other", u"S-1-5-21-1-2-3-1001:0:1980|S-x:1:-5");
  EXPECT_EQ(Keys(), (std::vector<std::u16string>{u"S-1-5-21-1-2-3-1001@PC.kids", u"S-1-5-21-1-2-3-1002@PC.kids",
                                                 u"S-1-5-21-1-2-3-1005@PC.other", u"S-x@PC.other"}));
  EXPECT_EQ(accounts.Accounts().at(u"S-1-5-21-1-2-3-1002").account->enabled, 0u);
  EXPECT_EQ(Written(u"PC.kids"), u"S-1-5-21-1-2-3-1001:1:1995|S-1-5-21-1-2-3-1002:0:2001");
  EXPECT_EQ(Written(u"PC.other"), u"S-x:1:-5|S-1-5-21-1-2-3-1005:1:1995")
      << "a SID text that does not convert is kept as it came, first";
  EXPECT_EQ(Written(u"PC.nobody"), u"");
}

TEST_F(AccountManagerTest, KeepsBothMapsInStepAndTracksEachRolesSet) {
  accounts.LoadAccounts(u"PC.a", u"S-1-5-21-9-1001:1:2010");
  accounts.Commit();
  EXPECT_FALSE(accounts.IsModified());
  EXPECT_FALSE(accounts.AddAccount(u"S-1-5-21-9-1001", u"PC.b", 1, 2000)) << "the SID text is there";
  EXPECT_FALSE(accounts.AddAccount(u"s-1-5-21-9-1001", u"PC.a", 1, 2000)) << "the same SID is in the role";
  ASSERT_TRUE(accounts.AddAccount(u"S-1-5-21-9-1002", u"PC.b", 1, 2012));
  EXPECT_TRUE(accounts.IsRoleChanged(u"PC.b"));
  EXPECT_FALSE(accounts.IsRoleChanged(u"PC.a"));

  EXPECT_FALSE(accounts.UpdateAccount(u"S-1-5-21-9-1001", u"PC.a", 2010)) << "nothing changes";
  ASSERT_TRUE(accounts.UpdateAccount(u"S-1-5-21-9-1001", u"", 2011));
  accounts.Commit();
  ASSERT_TRUE(accounts.UpdateAccount(u"S-1-5-21-9-1001", u"PC.b", 2011));
  EXPECT_TRUE(accounts.IsRoleChanged(u"PC.a"));
  EXPECT_TRUE(accounts.IsRoleChanged(u"PC.b"));
  EXPECT_EQ(Written(u"PC.b"), u"S-1-5-21-9-1001:1:2011|S-1-5-21-9-1002:1:2012");

  EXPECT_FALSE(accounts.SetEnabled(u"S-1-5-21-9-9999", 0));
  EXPECT_TRUE(accounts.SetEnabled(u"S-1-5-21-9-1002", 0));
  EXPECT_TRUE(accounts.RemoveAccount(u"S-1-5-21-9-1001"));
  EXPECT_FALSE(accounts.RemoveAccount(u"S-1-5-21-9-1001"));
  EXPECT_EQ(Written(u"PC.b"), u"S-1-5-21-9-1002:0:2012");
  accounts.Commit();
  EXPECT_EQ(accounts.RoleAccountSets().count(u"PC.a"), 0u) << "a role left without accounts goes";
  EXPECT_FALSE(accounts.IsModified());
}

}  // namespace
