// The simulated computer's data file: groups and flags, and malformed records refused with
// their line. (The shipped file, through the stand-in: simulated_accounts_test.cpp.)
#include <gtest/gtest.h>

#include "computer/computer_data.h"

namespace {

using host::SimulatedAccount;

TEST(ComputerData, ReadsGroupsAndFlagsAndRefusesMalformedRecords) {
  std::vector<SimulatedAccount> accounts;
  std::string error;
  ASSERT_TRUE(host::ParseComputerData("# c\r\n\naccount|1001|Ann|Users,Power Users|disabled,deny-logon\r\n"
                                      "account|1002|Bo||\n",
                                      accounts, error));
  ASSERT_EQ(accounts.size(), 2u);
  EXPECT_EQ(accounts[0].groups, host::kUsers | host::kPowerUsers);
  EXPECT_TRUE(accounts[0].disabled && accounts[0].denyLogon);
  EXPECT_EQ(accounts[1].groups, 0u);
  EXPECT_FALSE(accounts[1].disabled || accounts[1].denyLogon);

  for (const char* text : {"account|0|A|Users|", "account|x|A|Users|", "account|1|A|Users", "account|1||Users|",
                           "account|1|A\\B|Users|", "account|1|A|Friends|", "account|1|A|Users,Users|",
                           "account|1|A|Users|locked", "account|1|A||\naccount|1|B||", "account|1|A||\naccount|2|a||",
                           "user|1|A||"}) {
    EXPECT_FALSE(host::ParseComputerData(text, accounts, error)) << text;
    EXPECT_EQ(error.rfind("line ", 0), 0u) << text;
  }
}

}  // namespace
