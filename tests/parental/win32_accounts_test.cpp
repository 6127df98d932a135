// The Win32 accounts service under Wine: SID conversions agree with the portable text
// form, and what Wine lacks fails quietly. (Picker bytes that make no SID: the simulated
// picker's test in tests/host.)
#include <gtest/gtest.h>

#include "parental/win32_accounts.h"

namespace {

using namespace parental::corvui;

TEST(Win32Accounts, ConvertsSidsAsThePortableFormDoes) {
  Win32Accounts accounts;
  for (const char16_t* text : {u"S-1-5-32-544", u"S-1-5-21-1-2", u"S-1-5-21-3623811015-3361044348-30300820-1013", u"S-1-0-0"}) {
    Sid sid, portable;
    ASSERT_TRUE(accounts.TextToSid(text, &sid));
    ASSERT_TRUE(ParseSidText(text, &portable));
    EXPECT_EQ(sid, portable);
    EXPECT_EQ(accounts.SidToText(sid), text);
  }
  Sid sid;
  EXPECT_FALSE(accounts.TextToSid(u"S-1-5-x", &sid));
  EXPECT_EQ(accounts.SidToText(Sid{1, 4, 0}), u"") << "bytes that are no SID";

  ASSERT_TRUE(accounts.TextToSid(u"S-1-5-32-544", &sid));
  std::u16string user, domain;
  EXPECT_TRUE(accounts.LookupName(sid, &user, &domain));
  EXPECT_EQ(user, u"Administrators");
}

TEST(Win32Accounts, EnumerationAndPickerTakeTheirFailurePaths) {
  Win32Accounts accounts;
  std::vector<LocalAccount> local;
  if (accounts.EnumerateLocalAccounts(nullptr, local, u"NO-SUCH-COMPUTER")) {
    EXPECT_TRUE(local.empty());
  }
  PickedAccount picked;
  EXPECT_FALSE(accounts.PickAccount(PickerScope{1, 0, 0, 0, 0, 0}, nullptr, &picked)) << "no picker without COM";
}

}  // namespace
