// The account setup dialog's rules: the age field, the combo's match, the templates it
// offers and what "OK" does in each way of running.
#include <gtest/gtest.h>

#include "dialog_model.h"
#include "ui/dialogs/account_setup.h"

namespace {

using namespace parental::corvui;
using Mode = AccountSetup::Mode;

TEST(AccountSetupRules, AnAgeAbove150Becomes150) {
  for (auto [typed, age, shown] : std::vector<std::tuple<std::u16string, int, std::u16string>>{
           {u"200", 150, u"150"}, {u"42", 42, u"42"}, {u"", 0, u""}, {u"150", 150, u"150"},
           {u"99999999999999999999", 150, u"150"}, {u"12x", 12, u"12x"}}) {
    std::u16string text = typed;
    EXPECT_EQ(ApplyAgeRule(text), static_cast<std::uint32_t>(age));
    EXPECT_EQ(text, shown);
  }
}

TEST(AccountSetupRules, TheComboSelectsTheFirstRangeThatHoldsTheAge) {
  const std::vector<std::uint32_t> ranges = {PackAgeRange(18, 120), PackAgeRange(0, 0), PackAgeRange(5, 5),
                                             PackAgeRange(30, 20)};
  EXPECT_EQ(MatchAgeRange(ranges, 0), 1);
  EXPECT_EQ(MatchAgeRange(ranges, 5), 2);
  EXPECT_EQ(MatchAgeRange(ranges, 6), -1) << "an equal minimum and maximum hold that age only";
  EXPECT_EQ(MatchAgeRange(ranges, 120), 0);
  EXPECT_EQ(MatchAgeRange(ranges, 150), 3) << "a maximum below the minimum reaches 65535";
  EXPECT_EQ(MatchAgeRange(ranges, 25), 0);
}

class AccountSetupTest : public ::testing::Test {
 protected:
  AccountSetup Make(const std::u16string& user = u"kid", const std::u16string& sid = u"S-1-5-21-7-1001") {
    return AccountSetup(model.roles, model.accounts, u"PC", user, sid);
  }
  const AccountEntry* Account(const std::u16string& sid) {
    auto it = model.accounts.Accounts().find(sid);
    return it == model.accounts.Accounts().end() ? nullptr : &it->second;
  }
  DialogModel model;
};

TEST_F(AccountSetupTest, TemplatesComeInTheRoleOrderWithTheirDisplayNames) {
  std::vector<std::u16string> names;
  for (const tmpRole& t : Make().Templates([](const std::u16string& key) { return u"[" + key + u"]"; }))
    names.push_back(t.displayName);
  EXPECT_EQ(names, (std::vector<std::u16string>{u"[@Adult]", u"[@Teen]", u"[@Preteen]", u"[@Child]"}));
}

TEST_F(AccountSetupTest, ANewAccountGetsARoleOfItsOwnFromTheTemplateOfItsAge) {
  EXPECT_FALSE(Make().Apply(Mode::NewAccount, 121, 2026, {})) << "no template holds 121: the dialog stays";
  EXPECT_TRUE(model.roles.Roles().empty());

  ASSERT_TRUE(Make().Apply(Mode::NewAccount, 10, 2026, {}));
  const auto kid = model.Role(u"PC.kid");
  EXPECT_EQ(kid->Categories(), model.Role(u"@Preteen")->Categories());
  EXPECT_EQ(model.roles.Roles().at(u"PC.kid").state, RoleState::New);
  ASSERT_NE(Account(u"S-1-5-21-7-1001"), nullptr);
  EXPECT_EQ(Account(u"S-1-5-21-7-1001")->roleKey, u"PC.kid");
  EXPECT_EQ(Account(u"S-1-5-21-7-1001")->account->birthYear, 2016);
  EXPECT_EQ(Account(u"S-1-5-21-7-1001")->account->enabled, 1u);

  // An account with a record, or a role of that key without the account: refused, the
  // dialog stays open, and nothing changes.
  model.roles.SetCategory(u"PC.kid", 8, true);
  EXPECT_FALSE(Make().Apply(Mode::NewAccount, 30, 2026, {}));
  EXPECT_EQ(model.Role(u"PC.kid")->Categories().Find(8)[0], 1u);
  EXPECT_EQ(Account(u"S-1-5-21-7-1001")->account->birthYear, 2016);
  EXPECT_FALSE(Make(u"kid", u"S-1-5-21-7-1002").Apply(Mode::NewAccount, 30, 2026, {}));
  EXPECT_EQ(Account(u"S-1-5-21-7-1002"), nullptr);
  EXPECT_EQ(model.roles.Roles().at(u"PC.kid").state, RoleState::New);
}

TEST_F(AccountSetupTest, AnExistingAccountTakesItsAgeAndTheLastMatchingTemplateInKeyOrder) {
  host::EngineData data = model.host.data;
  data.templates.push_back({u"@Five", 5, 5, {{8, 1}}});  // holds 5 to 99 on "OK"
  model.UseEngineData(data);
  EXPECT_FALSE(Make().Apply(Mode::ExistingAccount, 40, 2026, {})) << "an account that is not there";

  ASSERT_TRUE(model.roles.CreateRole(u"Shared", u"", {}));
  model.roles.SetCategory(u"Shared", 12, false);
  model.accounts.AddAccount(u"S-1-5-21-7-1001", u"Shared", 1, 2000);
  ASSERT_TRUE(Make().Apply(Mode::ExistingAccount, 40, 2026, model.Role(u"@Child")));
  EXPECT_EQ(Account(u"S-1-5-21-7-1001")->account->birthYear, 1986);
  EXPECT_EQ(model.Role(u"Shared")->Categories(), model.Role(u"@Five")->Categories()) << "@Adult, then @Five";
  EXPECT_FALSE(model.roles.Roles().count(u"PC.kid")) << "no role of its own is made for a governed account";

  // No template holds 130: only the age changes, and the dialog ends.
  EXPECT_TRUE(Make().Apply(Mode::ExistingAccount, 130, 2026, {}));
  EXPECT_EQ(Account(u"S-1-5-21-7-1001")->account->birthYear, 1896);

  // A role that is gone cannot take the template: the age stays too, and the dialog stays.
  model.accounts.AddAccount(u"S-1-5-21-7-1002", u"Gone", 1, 2000);
  EXPECT_FALSE(Make(u"kid", u"S-1-5-21-7-1002").Apply(Mode::ExistingAccount, 10, 2026, {}));
  EXPECT_EQ(Account(u"S-1-5-21-7-1002")->account->birthYear, 2000);
}

TEST_F(AccountSetupTest, TheChosenTemplateMakesTheRoleAndAnAccountWithARecordIsRefused) {
  EXPECT_FALSE(Make().Apply(Mode::ChooseRole, 10, 2026, {})) << "no entry selected";
  ASSERT_TRUE(Make().Apply(Mode::ChooseRole, 10, 2026, model.Role(u"@Adult")));
  EXPECT_EQ(model.Role(u"PC.kid")->Categories(), model.Role(u"@Adult")->Categories());
  EXPECT_EQ(Account(u"S-1-5-21-7-1001")->roleKey, u"PC.kid");

  // The same SID under another name: its account exists, so no role is made for it.
  EXPECT_FALSE(Make(u"other").Apply(Mode::ChooseRole, 10, 2026, model.Role(u"@Adult")));
  EXPECT_FALSE(model.roles.Roles().count(u"PC.other"));
  EXPECT_EQ(Account(u"S-1-5-21-7-1001")->roleKey, u"PC.kid");
}

}  // namespace
