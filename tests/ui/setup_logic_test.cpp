// The setup pages' rules that need no window: enabling, age matching, form answers, the
// page offer, the display-name caches, the account form's role choices and the account
// actions on a loaded model, refused ones included.
#include <gtest/gtest.h>

#include "model_host.h"
#include "parental/parental_config.h"
#include "parental/substitute_accounts.h"
#include "support/counting_guids.h"
#include "ui/setup/account_actions.h"
#include "ui/setup/role_choices.h"

namespace {

using namespace parental::corvui;
using parental::core::RolePtr;

TEST(SetupRules, EnablingFollowsSelectionModeAndInput) {
  // Account form: OK needs an account (new) and, when copying, a chosen role.
  EXPECT_FALSE(AccountFormRule(true, false, false, false).ok);
  EXPECT_TRUE(AccountFormRule(true, true, false, false).ok);
  EXPECT_FALSE(AccountFormRule(true, true, true, false).ok);
  EXPECT_TRUE(AccountFormRule(true, true, true, true).ok);
  EXPECT_TRUE(AccountFormRule(false, false, false, false).ok) << "an existing account needs no choice";
  EXPECT_TRUE(AccountFormRule(true, false, false, false).choose);
  EXPECT_FALSE(AccountFormRule(false, true, false, false).choose);
  EXPECT_TRUE(AccountFormRule(false, true, true, false).roles);
  EXPECT_FALSE(AccountFormRule(false, true, false, true).roles);

  const ExceptionsPageEnabling none = ExceptionsPageRule(false, true);
  EXPECT_FALSE(none.list || none.add || none.remove || none.edit) << "no role: nothing, even with a row";
  const ExceptionsPageEnabling role = ExceptionsPageRule(true, false);
  EXPECT_TRUE(role.list && role.add);
  EXPECT_FALSE(role.remove || role.edit);
  const ExceptionsPageEnabling row = ExceptionsPageRule(true, true);
  EXPECT_TRUE(row.remove && row.edit);

  EXPECT_FALSE(UrlFormAccepts(u"", true)) << "OK stays disabled while the URL is empty";
  EXPECT_FALSE(UrlFormAccepts(u"a.example", false));
  EXPECT_TRUE(UrlFormAccepts(u"a.example", true));
}

TEST(SetupRules, AgesMatchTheFirstRangeUpToTheFormsLimit) {
  EXPECT_EQ(MatchAgeRange({{0, 0}}, 0), 0);
  EXPECT_EQ(MatchAgeRange({{0, 0}}, 255), 0) << "a range whose maximum is not above its minimum ends at 255";
  EXPECT_EQ(MatchAgeRange({{0, 0}}, 256), -1);
  EXPECT_EQ(MatchAgeRange({{10, 10}}, 9), -1);
  EXPECT_EQ(MatchAgeRange({{10, 10}}, 70), 0);
  EXPECT_EQ(MatchAgeRange({{255, 255}, {9, 12}, {0, 8}}, 12), 1);
  EXPECT_EQ(MatchAgeRange({{255, 255}, {9, 12}, {0, 8}}, 13), -1) << "no match: the combo decides";
  EXPECT_EQ(MatchAgeRange({{18, 120}, {13, 17}}, 15), 1);
  EXPECT_EQ(MatchAgeRange({{255, 255}}, 255), 0) << "(255, 255) holds only 255, which the spin never gives";

  EXPECT_EQ(ReadAge(u"12"), 12);
  EXPECT_EQ(ReadAge(u"  7 years"), 7);
  EXPECT_EQ(ReadAge(u"-3"), -3);
  EXPECT_EQ(ReadAge(u"x"), 0);
  EXPECT_EQ(ReadAge(u"99999999999"), INT32_MAX);
}

TEST(SetupRules, FormsReportOnlyRealChanges) {
  EXPECT_FALSE(AccountFormChanged(true, false, 10, 0, -1, -1)) << "a new account needs a chosen account";
  EXPECT_TRUE(AccountFormChanged(true, true, 0, 0, -1, -1));
  EXPECT_FALSE(AccountFormChanged(false, true, 10, 10, 2, 2));
  EXPECT_TRUE(AccountFormChanged(false, true, 11, 10, 2, 2));
  EXPECT_TRUE(AccountFormChanged(false, true, 10, 10, -1, 2));

  EXPECT_TRUE(UrlFormChanged(false, u"a.example", 1u, u"", std::nullopt));
  EXPECT_FALSE(UrlFormChanged(false, u"", 1u, u"", std::nullopt));
  EXPECT_FALSE(UrlFormChanged(false, u"a.example", std::nullopt, u"", std::nullopt));
  EXPECT_FALSE(UrlFormChanged(true, u"a.example", 1u, u"a.example", 1u)) << "an edit that keeps both";
  EXPECT_TRUE(UrlFormChanged(true, u"a.example", 0u, u"a.example", 1u));
  EXPECT_TRUE(UrlFormChanged(true, u"b.example", 1u, u"a.example", 1u));
}

int g_wordAsked = 0;
template <int kVersion>
int Word() {
  ++g_wordAsked;
  return kVersion;
}

TEST(SetupRules, PagesAreOfferedFromBrowserFiveOrWordNine) {
  g_wordAsked = 0;
  EXPECT_FALSE(PagesOffered(4, &Word<8>));
  EXPECT_TRUE(PagesOffered(4, &Word<9>));
  EXPECT_EQ(g_wordAsked, 2);
  EXPECT_TRUE(PagesOffered(5, &Word<0>));
  EXPECT_EQ(g_wordAsked, 2) << "Word is asked only when the browser is too old";
  EXPECT_FALSE(PagesOffered(0, &Word<0>));
}

TEST(SetupRules, MessagesFillTheirPlaceholdersInOrder) {
  EXPECT_EQ(FillPlaceholders(u"%s, %s: 100%%, %d", {u"@Unknown state", u"a.example/"}),
            u"@Unknown state, a.example/: 100%, ");
  EXPECT_EQ(ExceptionStateText(7, u"Allowed", u"Blocked"), u"@Unknown state");
}

// A loaded model on the in-process host, with the host's name table.
class SetupModelTest : public ::testing::Test {
 protected:
  SetupModelTest() {
    host.LoadNames();
    service.names[kAnna] = {u"anna", u"PC"};
    service.names[kBen] = {u"ben", u"PC"};
    config.Load(config.GetVariables());
  }

  static constexpr char16_t kAnna[] = u"S-1-5-21-7-1001";
  static constexpr char16_t kBen[] = u"S-1-5-21-7-1002";
  ModelHost host;
  CountingGuids guids;
  SubstituteAccounts service;
  CParentalConfig config{&host.engine, true, host.registry, service};
  CConfigViewBase names{service};
};

TEST_F(SetupModelTest, DisplayNamesAreAskedOnceUntilTheCachesAreEmptied) {
  EXPECT_EQ(names.AccountNameOf(kAnna).user, u"anna");
  EXPECT_EQ(names.AccountNameOf(kAnna).domain, u"PC");
  service.names[kAnna] = {u"renamed", u"PC"};
  EXPECT_EQ(names.AccountNameOf(kAnna).user, u"anna") << "cached";
  EXPECT_TRUE(names.AccountNameOf(u"S-1-5-21-7-1999").user.empty()) << "a SID that does not resolve";
  EXPECT_TRUE(names.AccountNameOf(u"not a SID").domain.empty());
  EXPECT_TRUE(names.AccountNameOf(u"").user.empty());

  EXPECT_EQ(names.DisplayNameOf(u"@default"), u"Default role");
  EXPECT_EQ(names.DisplayNameOf(u"@nowhere"), u"@nowhere") << "a symbolic name the table lacks";
  EXPECT_EQ(names.DisplayNameOf(u"PC.anna"), u"PC.anna");
  EXPECT_EQ(names.DisplayNameOf(u""), u"");

  names.ClearNameCaches();
  EXPECT_EQ(names.AccountNameOf(kAnna).user, u"renamed");
}

TEST_F(SetupModelTest, RoleChoicesOfferTemplatesByAgeThenTheOtherRoles) {
  ASSERT_TRUE(AddGovernedAccount(config, {kAnna, u"anna", u"PC", 10, {}}, 2026));
  ASSERT_TRUE(AddGovernedAccount(config, {kBen, u"ben", u"PC", 5, {}}, 2026));
  ASSERT_TRUE(RemoveGovernedAccount(config, kBen));
  RoleChoices choices = BuildRoleChoices(*config.Roles().GetRoles(), names);
  ASSERT_EQ(choices.names.size(), 5u) << "the removed account's role is not offered";
  ASSERT_EQ(choices.ranges.size(), 5u);
  EXPECT_EQ(choices.names[4], u"PC.anna");
  EXPECT_EQ(choices.ranges[4].minimum, 255);
  EXPECT_EQ(MatchAgeRange(choices.ranges, 15), 1);
  EXPECT_EQ(choices.RoleAt(1)->Name(), u"@Teen");
  EXPECT_FALSE(choices.RoleAt(-1));
  EXPECT_FALSE(choices.RoleAt(5));
}

TEST_F(SetupModelTest, AccountActionsChangeTheModelOrTakeBackWhatTheyDid) {
  RolePtr teen = config.Roles().GetRoles()->at(u"@Teen").role;
  const AccountEntry* anna = AddGovernedAccount(config, {kAnna, u"anna", u"PC", 14, teen}, 2026);
  ASSERT_TRUE(anna);
  EXPECT_EQ(AccountAge(config, kAnna, 2026), 14);
  EXPECT_FALSE(AccountAge(config, kAnna, std::nullopt));

  // The same account again: its role cannot be made, nothing changes.
  const std::string before = DescribeModel(config);
  EXPECT_FALSE(AddGovernedAccount(config, {kAnna, u"anna", u"PC", 3, {}}, 2026));
  EXPECT_EQ(DescribeModel(config), before);
  // Its SID under another name: the role is made, the account refused, the role marked deleted.
  EXPECT_FALSE(AddGovernedAccount(config, {kAnna, u"other", u"PC", 3, {}}, 2026));
  EXPECT_EQ(config.Roles().Roles().at(u"PC.other").state, RoleState::Deleted);
  // No local year: the same.
  EXPECT_FALSE(AddGovernedAccount(config, {kBen, u"ben", u"PC", 3, {}}, std::nullopt));
  EXPECT_EQ(config.Roles().Roles().at(u"PC.ben").state, RoleState::Deleted);
  EXPECT_EQ(config.Accounts().Accounts().count(kBen), 0u);

  EXPECT_FALSE(SwitchGovernedAccount(config, kAnna, true)) << "already enabled";
  EXPECT_TRUE(SwitchGovernedAccount(config, kAnna, false));
  EXPECT_EQ(config.Accounts().Accounts().at(kAnna).account->enabled, 0u);
  EXPECT_FALSE(SwitchGovernedAccount(config, kBen, true)) << "unknown account";

  RolePtr child = config.Roles().GetRoles()->at(u"@Child").role;
  EXPECT_TRUE(ChangeGovernedAccount(config, kAnna, child, 7, 2026));
  EXPECT_EQ(config.Accounts().Accounts().at(kAnna).account->birthYear, 2019);
  EXPECT_EQ(config.Roles().Roles().at(u"PC.anna").role->Categories(), child->Categories());
  EXPECT_FALSE(ChangeGovernedAccount(config, kAnna, {}, 7, 2026)) << "same age, no role";
  EXPECT_FALSE(ChangeGovernedAccount(config, kBen, child, 7, 2026));

  EXPECT_FALSE(RemoveGovernedAccount(config, kBen));
  EXPECT_TRUE(RemoveGovernedAccount(config, kAnna));
  EXPECT_EQ(config.Roles().Roles().at(u"PC.anna").state, RoleState::Deleted);
  EXPECT_TRUE(config.Accounts().Accounts().empty());
}

}  // namespace
