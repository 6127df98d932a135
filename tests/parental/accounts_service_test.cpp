// The accounts service's own steps, through the substitute: which local accounts are
// listed, and what the picker's selection gives.
#include <gtest/gtest.h>

#include "model_host.h"
#include "parental/substitute_accounts.h"

namespace {

using namespace parental::corvui;

std::vector<std::u16string> Listed(SubstituteAccounts& accounts, CPlug* engine) {
  std::vector<LocalAccount> local;
  EXPECT_TRUE(accounts.EnumerateLocalAccounts(engine, local, u"pc"));
  std::vector<std::u16string> listed;
  for (const LocalAccount& a : local) listed.push_back(a.sidText + (a.administrator ? u" admin" : u""));
  return listed;
}

TEST(AccountsService, ListsEachGovernableUserOfThisComputerOnce) {
  ModelHost host;
  SubstituteAccounts accounts;
  accounts.AddMember(BuiltinGroup::Users, u"S-1-5-21-5-1001", u"PC\\anna");
  accounts.AddMember(BuiltinGroup::Administrators, u"S-1-5-21-5-1001", u"PC\\anna");
  accounts.AddMember(BuiltinGroup::Administrators, u"S-1-5-21-5-500", u"PC\\Administrator");
  accounts.AddMember(BuiltinGroup::Users, u"S-1-5-21-5-1002", u"PC\\disabled");
  accounts.AddMember(BuiltinGroup::Users, u"S-1-5-21-5-1003", u"PC\\denied");
  accounts.AddMember(BuiltinGroup::Users, u"S-1-5-21-9-1004", u"OFFICE\\domainuser");
  accounts.AddMember(BuiltinGroup::Users, u"S-1-5-4", u"NT AUTHORITY\\INTERACTIVE", 5);
  accounts.AddMember(BuiltinGroup::Guests, u"S-1-5-21-5-1005", u"PC\\guest");
  accounts.disabledUsers.insert(u"disabled");
  accounts.denyLogonSids.push_back(u"S-1-5-21-5-1003");
  EXPECT_EQ(Listed(accounts, &host.engine), (std::vector<std::u16string>{u"S-1-5-21-5-1001 admin", u"S-1-5-21-5-1005"}))
      << "the engine excludes relative identifier 500";
  EXPECT_EQ(Listed(accounts, nullptr).size(), 3u) << "without the engine nothing is excluded for it";
  accounts.membersAvailable = false;
  std::vector<LocalAccount> none;
  EXPECT_FALSE(accounts.EnumerateLocalAccounts(nullptr, none, u"PC"));
}

TEST(AccountsService, ThePickerGivesTheFirstSelectedAccountWithAWholeSid) {
  SubstituteAccounts accounts;
  const std::vector<std::uint8_t> admins = {1, 2, 0, 0, 0, 0, 0, 5, 32, 0, 0, 0, 0x20, 2, 0, 0};
  accounts.pickerSelection = {{u"Administrators\u4E00", u"group", u"WinNT://PC/Administrators", u"", {admins}},
                              {u"second", u"user", u"", u"", {admins}}};
  PickedAccount picked;
  ASSERT_TRUE(accounts.PickAccount({}, nullptr, &picked));
  EXPECT_EQ(picked.sidText, u"S-1-5-32-544");
  EXPECT_EQ(picked.name, u"Administrators?") << "through the ANSI code page and back";

  auto& attribute = accounts.pickerSelection[0].attributes[0];
  attribute = std::vector<std::uint8_t>{1, 1, 0, 0, 0, 0, 0, 5, 32, 0};  // one sub-authority needs 12 bytes
  EXPECT_FALSE(accounts.PickAccount({}, nullptr, &picked));
  std::vector<std::uint8_t> nine(8 + 9 * 4, 0);
  nine[1] = 9;
  attribute = nine;
  EXPECT_FALSE(accounts.PickAccount({}, nullptr, &picked)) << "more than 8 sub-authorities";
  attribute = std::nullopt;  // not a byte array
  EXPECT_FALSE(accounts.PickAccount({}, nullptr, &picked));
  accounts.pickerSelection = {{u"x", u"user", u"", u"", {}}};
  EXPECT_FALSE(accounts.PickAccount({}, nullptr, &picked)) << "no fetched attribute";
  accounts.pickerSelection.clear();
  EXPECT_FALSE(accounts.PickAccount({}, nullptr, &picked));
}

TEST(AccountsService, SidTextsAndBytesThatDoNotConvert) {
  SubstituteAccounts accounts;
  Sid sid;
  for (const char16_t* bad : {u"", u"S-", u"S-1", u"S-2-5-1", u"S-1-5-", u"S-1--5", u"S-1-5-x", u"S-1-5-4294967296",
                              u"S-1-281474976710656-1", u"S-1-5-1-2-3-4-5-6-7-8-9-10-11-12-13-14-15-16", u"X-1-5-1"})
    EXPECT_FALSE(accounts.TextToSid(bad, &sid)) << std::string(bad, bad + std::char_traits<char16_t>::length(bad));
  ASSERT_TRUE(accounts.TextToSid(u"S-1-0x123456789ABC-7", &sid));
  EXPECT_EQ(accounts.SidToText(sid), u"S-1-0x123456789ABC-7");
  EXPECT_EQ(accounts.SidToText(Sid{1, 3, 0, 0, 0, 0, 0, 5, 1}), u"") << "fewer bytes than the count needs";
  EXPECT_EQ(RelativeId(Sid{1, 3, 0}), 0u);
}

}  // namespace
