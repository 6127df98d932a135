// The simulated computer's data file: the shipped one names only the accounts Wine can
// name, with a current user who administers and an enabled standard "Guest"; malformed
// records are refused with their line.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "computer/computer_data.h"

namespace {

using host::SimulatedAccount;

TEST(ComputerData, ShippedFileHoldsTheAccountsWineCanName) {
  std::ifstream file(COMPUTER_DATA_FILE, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  std::vector<SimulatedAccount> accounts;
  std::string error;
  ASSERT_TRUE(host::ParseComputerData(text, accounts, error)) << error;
  ASSERT_EQ(accounts.size(), 3u);
  EXPECT_EQ(accounts[0].rid, 1000u);
  EXPECT_EQ(accounts[0].name, u"*");
  EXPECT_EQ(accounts[0].groups, host::kAdministrators | host::kUsers);
  EXPECT_EQ(accounts[1].name, u"Administrator");
  EXPECT_EQ(accounts[1].rid, 500u);
  EXPECT_EQ(accounts[2].name, u"Guest");
  EXPECT_EQ(accounts[2].groups, unsigned(host::kGuests));
  for (const SimulatedAccount& account : accounts) EXPECT_FALSE(account.disabled || account.denyLogon);
}

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
