// The plug-in's Win32 accounts service on the host's simulated computer: this program
// stands where the host does, so the account-database stand-in beside it (netapi32.dll)
// is loaded in place of Wine's and answers from the data file the test names.
#include <gtest/gtest.h>
#include <windows.h>
#include <lm.h>
#include <sddl.h>

#include "common/text.h"
#include "computer/local_computer.h"
#include "parental/engine_plug.h"
#include "parental/win32_accounts.h"
#include "support/host_process.h"

namespace {

using parental::common::AsText;
using parental::common::AsWide;
using namespace parental::corvui;

std::wstring ComputerName() {
  wchar_t name[MAX_COMPUTERNAME_LENGTH + 1];
  DWORD length = MAX_COMPUTERNAME_LENGTH + 1;
  return GetComputerNameW(name, &length) ? name : L"";
}

// The SID text of this computer's account with relative identifier rid.
std::u16string AccountSid(unsigned rid) {
  BYTE sid[SECURITY_MAX_SID_SIZE];
  wchar_t domain[256], *text = nullptr;
  DWORD size = sizeof(sid), length = 256;
  SID_NAME_USE use;
  if (!LookupAccountNameW(nullptr, ComputerName().c_str(), sid, &size, domain, &length, &use) ||
      !ConvertSidToStringSidW(sid, &text))
    return u"?";
  std::u16string result = AsText(text) + (u"-" + parental::common::FormatDecimal(rid));
  LocalFree(text);
  return result;
}

class SimulatedAccounts : public ::testing::Test {
 protected:
  void SetUp() override {
    engine_.answer = [](std::uint32_t code, const void*, std::uint64_t, void* out, std::uint64_t size,
                        std::uint64_t* returned) {
      if (code != kInnerExcludedRid || size < 4) return kPlugNotSupported;
      *static_cast<std::uint32_t*>(out) = 500;
      *returned = 4;
      return kPlugOk;
    };
  }
  void TearDown() override { SetEnvironmentVariableW(host::kComputerDataVariable, nullptr); }

  static void UseData(const char* text) {
    SetEnvironmentVariableW(host::kComputerDataVariable, WriteTemp(L"computer-data-test.txt", text).c_str());
  }
  std::vector<std::u16string> Listed(bool withEngine) {
    std::vector<LocalAccount> local;
    EXPECT_TRUE(accounts_.EnumerateLocalAccounts(withEngine ? &engine_ : nullptr, local,
                                                 AsText(ComputerName().c_str())));
    std::vector<std::u16string> listed;
    for (const LocalAccount& a : local) listed.push_back(a.sidText + (a.administrator ? u" admin" : u""));
    return listed;
  }

  Win32Accounts accounts_;
  EnginePlug engine_;
};

TEST_F(SimulatedAccounts, TheStandInBesideTheProgramTakesTheSystemLibrarysPlace) {
  EXPECT_TRUE(host::AccountDatabaseIsSimulated()) << "Wine's own netapi32 was loaded";
}

TEST_F(SimulatedAccounts, ListsTheShippedAccountsAsTheSystemNamesThem) {
  EXPECT_EQ(Listed(true), (std::vector<std::u16string>{AccountSid(1000) + u" admin", AccountSid(501)}))
      << "the engine excludes 500";
  EXPECT_EQ(Listed(false), (std::vector<std::u16string>{AccountSid(1000) + u" admin", AccountSid(500) + u" admin",
                                                          AccountSid(501)}));
  wchar_t user[257];
  DWORD length = 257;
  GetUserNameW(user, &length);
  std::u16string name, domain;
  Sid sid;
  ASSERT_TRUE(accounts_.TextToSid(AccountSid(1000), &sid));
  ASSERT_TRUE(accounts_.LookupName(sid, &name, &domain));
  EXPECT_EQ(name, AsText(user));
  EXPECT_TRUE(parental::common::EqualsNoCase(domain, AsText(ComputerName().c_str())));
}

TEST_F(SimulatedAccounts, LeavesOutDisabledDenyLogonAndExcludedAccountsAndListsEachOnce) {
  UseData("account|1000|*|Administrators,Users|\n"
          "account|500|Administrator|Administrators|\n"
          "account|1001|ann|Users|disabled\n"
          "account|1002|bo|Users,Administrators|deny-logon\n"
          "account|1003|cy|Power Users,Users|\n"
          "account|501|Guest|Guests|\n");
  EXPECT_EQ(Listed(true), (std::vector<std::u16string>{AccountSid(1000) + u" admin", AccountSid(1003),
                                                         AccountSid(501)}));
}

TEST_F(SimulatedAccounts, TheStandInAnswersAsTheSystemLibraryAndForwardsTheRest) {
  UseData("account|1000|*|Administrators|\naccount|500|Administrator|Administrators|disabled\n"
          "account|501|Guest|Guests|\n");
  LPBYTE buffer = nullptr;
  DWORD read = 0, total = 0;
  ASSERT_EQ(NetLocalGroupGetMembers(nullptr, L"Administrators", 3, &buffer, MAX_PREFERRED_LENGTH, &read, &total,
                                    nullptr), DWORD(NERR_Success));
  ASSERT_EQ(read, 2u);
  EXPECT_EQ(reinterpret_cast<LOCALGROUP_MEMBERS_INFO_3*>(buffer)[1].lgrmi3_domainandname,
            ComputerName() + L"\\Administrator");
  NetApiBufferFree(buffer);
  ASSERT_EQ(NetUserGetInfo(nullptr, L"administrator", 1, &buffer), DWORD(NERR_Success));
  EXPECT_EQ(reinterpret_cast<USER_INFO_1*>(buffer)->usri1_flags & UF_ACCOUNTDISABLE, DWORD(UF_ACCOUNTDISABLE));
  EXPECT_EQ(reinterpret_cast<USER_INFO_1*>(buffer)->usri1_priv, DWORD(USER_PRIV_ADMIN));
  NetApiBufferFree(buffer);
  ASSERT_EQ(NetUserGetInfo(nullptr, L"Guest", 1, &buffer), DWORD(NERR_Success));
  EXPECT_EQ(reinterpret_cast<USER_INFO_1*>(buffer)->usri1_priv, DWORD(USER_PRIV_GUEST));
  NetApiBufferFree(buffer);
  EXPECT_EQ(NetUserGetInfo(nullptr, L"nobody", 1, &buffer), DWORD(NERR_UserNotFound));

  ASSERT_EQ(NetWkstaGetInfo(nullptr, 100, &buffer), DWORD(NERR_Success)) << "forwarded to Wine's library";
  EXPECT_EQ(reinterpret_cast<WKSTA_INFO_100*>(buffer)->wki100_computername, ComputerName());
  NetApiBufferFree(buffer);

  SetEnvironmentVariableW(host::kComputerDataVariable, L"C:\\no-such-folder\\computer-data.txt");
  EXPECT_TRUE(Listed(false).empty()) << "without data Wine's library answers, with no members";
}

}  // namespace
