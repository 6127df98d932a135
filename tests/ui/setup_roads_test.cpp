// The setup pages and forms end to end: parental-host.exe with the real plug-in, driven by
// scripts through the real windows under Wine; what they change is checked in the registry
// mirror and in the documents the plug-in submitted, and again after a restart. The
// screenshots go to the build folder's screenshots/.
#include "support/scripted_host.h"

namespace {

using SetupRoads = ScriptedHostTest;

TEST_F(SetupRoads, GeneralStoresRegisterOnOkAndNothingOnCancel) {
  HostRun run = Run("open-setup\nprint 2002\nclick 2002\n" + Shot("general_page.png") + "ok\n");
  ASSERT_EQ(run.status, 0u) << run.output;
  EXPECT_TRUE(Has(run, "control 2002: enabled clear")) << run.output;
  EXPECT_TRUE(Has(run, "Register = 0x1 (DWORD)")) << run.output;
  EXPECT_NE(Submission(1).find("NAME=\"Register\""), std::string::npos) << Submission(1);

  Forget();
  run = Run("open-setup\nprint 2002\nclick 2002\nprint 2002\ncancel\n");
  ASSERT_EQ(run.status, 0u) << run.output;
  EXPECT_TRUE(Has(run, "control 2002: enabled checked")) << "the stored value is shown again\n" << run.output;
  EXPECT_TRUE(Has(run, "setup cancelled")) << run.output;
  EXPECT_TRUE(Has(run, "Register = 0x1 (DWORD)")) << run.output;
  EXPECT_EQ(Submission(1), "") << "Cancel submits nothing";
}

TEST_F(SetupRoads, AccountsAreAddedEditedSwitchedAndRemoved) {
  // Guest at 10 takes the template of its age; the current user at 15 copies the adults'.
  HostRun run = Run(
      "open-setup\npage Accounts\nprint 2006\nclick 2004\nprint 1\nclick-and-wait 3\ntype 2033 10\nok\n"
      "click 2004\nclick-and-wait 3\ntype 2033 15\nclick 2001\nprint 1\n"
      "choose 2016 \"Adult (18 years and older)\"\nprint 1\n" + Shot("account_form.png") + "ok\n"
      "select 2007 Guest\nclick 2006\nprint 3\ntype 2033 14\nok\n"
      "check 2007 Guest off\nprint 2007\ncheck 2007 Guest on\ncheck 2007 Guest off\n" + Shot("accounts_page.png") + "ok\n",
      L"--answer account=Guest --answer account=1000");
  ASSERT_EQ(run.status, 0u) << run.output;
  EXPECT_TRUE(Has(run, "control 2006: disabled")) << "no row selected\n" << run.output;
  EXPECT_TRUE(Has(run, "control 1: disabled \"OK\"\n  script 6:")) << "OK waits for an account\n" << run.output;
  EXPECT_TRUE(Has(run, "control 1: disabled \"OK\"\n  script 14:")) << "copying needs a role\n" << run.output;
  EXPECT_TRUE(Has(run, "control 3: disabled")) << "an existing account is not chosen again\n" << run.output;
  EXPECT_TRUE(Has(run, "|14] [x ")) << "the edited age in its row\n" << run.output;
  const std::string guest = "-501:0:" + std::to_string(CurrentYear() - 14) + "\"";
  const std::string user = "-1000:1:" + std::to_string(CurrentYear() - 15) + "\"";
  EXPECT_TRUE(Has(run, guest)) << run.output;
  EXPECT_TRUE(Has(run, user)) << run.output;
  // Guest's age 14 matched the teenagers' template (14 allowed; the preteens' leave it out).
  const std::size_t guestRole = run.output.find(".Guest\\");
  ASSERT_NE(guestRole, std::string::npos) << run.output;
  EXPECT_NE(run.output.find("|14:1|", guestRole), std::string::npos) << run.output;
  EXPECT_NE(Submission(1).find(guest), std::string::npos) << Submission(1);

  // After a restart: removing the current user, first answered Cancel, then OK.
  Forget();
  run = Run("open-setup\npage Accounts\nprint 2007\nselect 2007 15\nclick 2005\ncancel\nprint 2007\n"
            "click 2005\nok\nprint 2007\nok\n");
  ASSERT_EQ(run.status, 0u) << run.output;
  EXPECT_TRUE(Has(run, "|15] [  Guest|")) << "stored and shown after the restart\n" << run.output;
  EXPECT_TRUE(Has(run, "Are you sure you want to delete the account")) << run.output;
  EXPECT_TRUE(Has(run, "answered 2\n  script 7: print 2007\n  control 2007: enabled [x ")) << "Cancel keeps it\n"
                                                                                          << run.output;
  EXPECT_TRUE(Has(run, "script 10: print 2007\n  control 2007: enabled [  Guest|")) << run.output;
  EXPECT_FALSE(Has(run, user)) << "the current user's role is deleted\n" << run.output;
  EXPECT_TRUE(Has(run, guest)) << run.output;
  EXPECT_NE(Submission(1).find("DELETE=\"1\""), std::string::npos) << Submission(1);
}

TEST_F(SetupRoads, ExceptionsAreAddedEditedAndRemovedThroughTheForm) {
  ASSERT_EQ(RunHost(HOST_EXE, L"--no-report --section 01000D01 --apply \"" EXAMPLES L"\\roles.xml\"").status, 0u);
  HostRun run = Run(
      "open-setup\npage Exceptions\nprint 2028\nchoose 2024 LAB.kid\nprint 2027\n"
      "click 2028\nprint 1\nchoose 2031 Allowed\nprint 1\ntype 2030 www.games.example\nprint 1\n" + Shot("url_form.png") +
      "ok\nclick 2028\ntype 2030 video.example/clips\nchoose 2031 Blocked\nok\n"
      "select 2027 games.example/\nclick 2029\ntype 2030 chat.example\nchoose 2031 Blocked\nok\n"
      "select 2027 example.com/\nclick 2005\ncancel\nclick 2005\n" + Shot("remove_question.png") + "ok\n"
      "print 2027\n" + Shot("exceptions_page.png") + "ok\n"
      "open-setup\npage Exceptions\nprint 2024\ncancel\n");
  ASSERT_EQ(run.status, 0u) << run.output;
  EXPECT_TRUE(Has(run, "control 2028: disabled")) << "no role chosen\n" << run.output;
  EXPECT_TRUE(Has(run, "control 2027: enabled [Allowed|example.com/]")) << run.output;
  EXPECT_TRUE(Has(run, "control 1: disabled \"OK\"\n  script 8:")) << "no URL, no state\n" << run.output;
  EXPECT_TRUE(Has(run, "control 1: disabled \"OK\"\n  script 10:")) << "a state but no URL\n" << run.output;
  EXPECT_TRUE(Has(run, "control 1: enabled \"OK\"\n  script 12:")) << run.output;
  EXPECT_TRUE(Has(run, "control 2027: enabled [Blocked|chat.example] [Blocked|video.example/clips]")) << run.output;
  // The stored items with the list's order as their priorities (an item's values are listed
  // by name: its "Priority" comes before its "Url").
  const std::size_t mirror = run.output.find("Configuration in the registry mirror");
  auto priority = [&](const char* url) {
    const std::size_t at = run.output.find(std::string("Url = \"") + url + "\"", mirror);
    return at == std::string::npos ? std::string("missing") : run.output.substr(run.output.rfind("Priority = ", at), 20);
  };
  EXPECT_EQ(priority("chat.example"), "Priority = 0x1 (DWOR") << run.output;
  EXPECT_EQ(priority("video.example/clips"), "Priority = 0x2 (DWOR") << run.output;
  EXPECT_EQ(run.output.find("example.com", mirror), std::string::npos) << "removed from the mirror\n" << run.output;
  EXPECT_NE(Submission(1).find("video.example/clips"), std::string::npos) << Submission(1);

  EXPECT_TRUE(Has(run, "control 2024: enabled \"LAB.kid\"")) << "the role is remembered\n" << run.output;

  // After a restart; an edited URL is stored as typed and normalised when loaded.
  run = Run("open-setup\npage Exceptions\nchoose 2024 LAB.kid\nprint 2027\ncancel\n");
  EXPECT_TRUE(Has(run, "control 2027: enabled [Blocked|chat.example/] [Blocked|video.example/clips]")) << run.output;
}

TEST_F(SetupRoads, CategoriesAreSetPerRoleAndTheRoleIsRemembered) {
  ASSERT_EQ(RunHost(HOST_EXE, L"--no-report --section 01000D01 --apply \"" EXAMPLES L"\\roles.xml\"").status, 0u);
  HostRun run = Run("open-setup\npage Categories\nprint 2016\nchoose 2022 LAB.kid\nprint 2016\n"
                    "check 2016 \"Web mail\" on\ncheck 2016 Chat off\ncheck 2016 Gambling on\nprint 2016\n" +
                    Shot("categories_page.png") +
                    "ok\nopen-setup\npage Categories\nprint 2022\nprint 2016\npage Exceptions\nprint 2024\ncancel\n");
  ASSERT_EQ(run.status, 0u) << run.output;
  EXPECT_TRUE(Has(run, "control 2016: disabled\n")) << "no role chosen\n" << run.output;
  EXPECT_TRUE(Has(run, "control 2016: enabled [x Chat]\n")) << run.output;
  EXPECT_TRUE(Has(run, "control 2016: enabled [x Gambling] [x Web mail]\n")) << run.output;
  EXPECT_TRUE(Has(run, "Categories = \"4:1|12:0|13:0|14:1\"")) << run.output;
  EXPECT_TRUE(Has(run, "script 14: print 2022\n  control 2022: enabled \"LAB.kid\"")) << run.output;
  EXPECT_TRUE(Has(run, "script 15: print 2016\n  control 2016: enabled [x Gambling] [x Web mail]")) << run.output;
  EXPECT_TRUE(Has(run, "control 2024: enabled \"LAB.kid\"")) << "the Exceptions page starts there\n" << run.output;
  EXPECT_NE(Submission(1).find("4:1|12:0|13:0|14:1"), std::string::npos) << Submission(1);

  run = Run("open-setup\npage Categories\nchoose 2022 LAB.kid\nprint 2016\ncancel\n");
  EXPECT_TRUE(Has(run, "control 2016: enabled [x Gambling] [x Web mail]\n")) << "after a restart\n" << run.output;
}

TEST_F(SetupRoads, ASettingsPasswordGuardsTheSetup) {
  HostRun run = Run("open-setup\ntype 1011 wrong\nok\n", L"--settings-password secret");
  ASSERT_EQ(run.status, 0u) << run.output;
  EXPECT_TRUE(Has(run, "advanced setup refused")) << run.output;
  EXPECT_FALSE(Has(run, "Register =")) << run.output;

  run = Run("open-setup\ntype 1011 secret\nok\nclick 2002\nok\n", L"--settings-password secret");
  ASSERT_EQ(run.status, 0u) << run.output;
  EXPECT_TRUE(Has(run, "advanced setup opened")) << run.output;
  EXPECT_TRUE(Has(run, "Register = 0x1 (DWORD)")) << run.output;
}

}  // namespace
