// The status page end to end: parental-host.exe with the real plug-in shows it in its main
// window, and scripts click its links, the state button's menu and the dialogs they open as
// a user does. What the page shows is read with print-main; what the links change is checked
// in the registry mirror. The screenshots go to the build folder's screenshots/.
#include "support/scripted_host.h"

namespace {

using StatusRoads = ScriptedHostTest;

constexpr char kPasswordWarning[] = "not protected by a password";
constexpr char kTrafficWarning[] = "Encrypted web traffic is not filtered.";

// "Not defined" on root (an administrator) with an age, the notice answered.
std::string DefineRoot(int age) {
  return "link \"Not defined\" root\ntype 2033 " + std::to_string(age) + "\nok\nok\nwait 300\n";
}

// What the n-th print-main of the run logged (1 first).
std::string Printed(const HostRun& run, int n) {
  std::size_t start = 0;
  for (int i = 0; i < n && start != std::string::npos; ++i) start = run.output.find(": print-main\n", start + 1);
  if (start == std::string::npos) return "";
  const std::size_t end = run.output.find("  script ", start);
  return run.output.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::string AccountsOf(const HostRun& run, const std::string& rid) {
  const std::size_t at = run.output.find("-" + rid + ":");
  return at == std::string::npos ? "" : run.output.substr(at, run.output.find('"', at) - at);
}

TEST_F(StatusRoads, AccountLinksOpenTheDialogsAndStoreWhatTheyChange) {
  HostRun run = Run("open-main\nprint-main\n" + DefineRoot(12) +
                    "link \"Not defined\" Guest\ntype 2033 10\nok\nwait 300\nprint-main\n"
                    "link Enabled Guest\nwait 300\nprint-main\n" + Shot("main_window_accounts.png") +
                    "link Disabled Guest\nwait 300\n"
                    "link \"10 years\" Guest\ntype 2033 14\nok\nwait 300\nprint-main\n"
                    "link Setup... Guest\nselect 505 \"Blocked and allowed web pages\"\ntype 2035 www.chess.example\n"
                    "click 2004\n" + Shot("account_config_from_status.png") + "ok\nwait 300\nclose-main\n");
  ASSERT_EQ(run.status, 0u) << run.output;
  EXPECT_NE(Printed(run, 1).find("<H4>root</H4>\t<A ID=\"1\">Not defined</A>"), std::string::npos) << run.output;
  EXPECT_NE(Printed(run, 1).find("item 3 with a picture"), std::string::npos) << "the placeholder\n" << run.output;
  // The new accounts' lines (each role from the template of its age), the administrator's notice.
  const std::string defined = Printed(run, 2);
  EXPECT_NE(defined.find("root (<A ID=\"4\">12 years</A>)</H4>\t<A ID=\"3\"><F7>Enabled</A>"), std::string::npos)
      << run.output;
  EXPECT_NE(defined.find("Guest (<A ID=\"4\">10 years</A>)</H4>\t<A ID=\"3\"><F7>Enabled</A>"), std::string::npos)
      << run.output;
  EXPECT_EQ(run.Count("This account is an administrator"), 1u) << "for root, not for Guest\n" << run.output;
  // The labels switch the account and store it.
  EXPECT_NE(Printed(run, 3).find("Guest (<A ID=\"4\">10 years</A>)</H4>\t<A ID=\"2\"><F8>Disabled</A>"),
            std::string::npos) << run.output;
  EXPECT_EQ(run.Count("configuration of section 01000D01 stored"), 6u) << "each change stored\n" << run.output;
  // The age link changes the birth year.
  EXPECT_NE(Printed(run, 4).find("Guest (<A ID=\"4\">14 years</A>)"), std::string::npos) << run.output;
  EXPECT_EQ(AccountsOf(run, "1000"), "-1000:1:" + std::to_string(CurrentYear() - 12)) << run.output;
  EXPECT_EQ(AccountsOf(run, "501"), "-501:1:" + std::to_string(CurrentYear() - 14)) << run.output;
  // "Setup..." opened the account configuration dialog, whose OK was stored.
  EXPECT_TRUE(Has(run, "Url = \"chess.example/\"")) << run.output;
}

TEST_F(StatusRoads, WarningsAndTheHeaderFollowTheHostsState) {
  HostRun run = Run("open-main\nprint-main\n" + DefineRoot(30) + "print-main\n" + Shot("main_window_warnings.png") +
                    "link Enable\nwait 300\nprint-main\n"
                    "state 1\nprint-main\n" + Shot("main_window_state1.png") + "state 2\nprint-main\n" +
                    Shot("main_window_state2.png") + "state 3\nprint-main\nstate 4\nprint-main\n"
                    "link Enabled\nwait 300\n" + Shot("main_window_state_menu.png") +
                    "menu \"Disable parental control\"\nwait 300\nprint-main\n"
                    "link Disabled\nwait 300\nmenu \"Enable parental control\"\nwait 300\nprint-main\nclose-main\n");
  ASSERT_EQ(run.status, 0u) << run.output;
  // No enabled administrator yet: no password warning; the traffic warning from the start.
  EXPECT_EQ(Printed(run, 1).find(kPasswordWarning), std::string::npos) << run.output;
  EXPECT_NE(Printed(run, 1).find(kTrafficWarning), std::string::npos) << run.output;
  EXPECT_NE(Printed(run, 2).find(kPasswordWarning), std::string::npos) << run.output;
  EXPECT_NE(Printed(run, 2).find(kTrafficWarning), std::string::npos) << run.output;
  EXPECT_EQ(Printed(run, 3).find(kTrafficWarning), std::string::npos) << "gone after Enable\n" << run.output;
  EXPECT_NE(Printed(run, 3).find(kPasswordWarning), std::string::npos) << run.output;
  // The state word and the frame of each state; the accounts and the actions only while on.
  const struct {
    int print;
    const char* word;
    const char* frame;
    bool on;
  } states[] = {{4, "Disabled", "3", false}, {5, "Non-functional", "2", false}, {6, "Disabled", "1", false},
                {7, "Enabled", "0", true}, {8, "Disabled", "3", false}, {9, "Enabled", "0", true}};
  for (const auto& state : states) {
    const std::string shown = Printed(run, state.print);
    EXPECT_NE(shown.find(std::string("active=\"") + state.frame + "\""), std::string::npos) << shown;
    EXPECT_NE(shown.find(std::string("caption=\"") + state.word + "\""), std::string::npos) << shown;
    EXPECT_EQ(shown.find("panel 1: hidden") == std::string::npos, state.on) << shown;
    EXPECT_EQ(shown.find("root (") != std::string::npos, state.on) << shown;
  }
  // The last two through the state button's menu.
  EXPECT_EQ(run.Count("state menu: state"), 2u) << run.output;

  // With a settings password the password warning goes away.
  run = Run("open-main\nprint-main\nclose-main\n", L"--settings-password secret");
  ASSERT_EQ(run.status, 0u) << run.output;
  EXPECT_TRUE(Has(run, "root (")) << run.output;
  EXPECT_FALSE(Has(run, kPasswordWarning)) << run.output;
}

TEST_F(StatusRoads, TheAdvancedSetupAndThePageShowEachOthersChanges) {
  HostRun run = Run("open-main\nlink \"Not defined\" Guest\ntype 2033 10\nok\nwait 300\n"
                    "click 1010\npage Accounts\nprint 2007\ncheck 2007 Guest off\nok\nwait 300\nprint-main\n"
                    "link Disabled Guest\nwait 300\nclick 1010\npage Accounts\nprint 2007\ncancel\nclose-main\n");
  ASSERT_EQ(run.status, 0u) << run.output;
  const std::size_t first = run.output.find("control 2007: enabled [x Guest|");
  EXPECT_NE(first, std::string::npos) << "the page's new account in the setup\n" << run.output;
  EXPECT_NE(Printed(run, 1).find("Guest (<A ID=\"4\">10 years</A>)</H4>\t<A ID=\"2\"><F8>Disabled"), std::string::npos)
      << "the setup's change on the page\n" << run.output;
  EXPECT_NE(run.output.find("control 2007: enabled [x Guest|", first + 1), std::string::npos)
      << "the page's change in the setup\n" << run.output;
  EXPECT_EQ(AccountsOf(run, "501"), "-501:1:" + std::to_string(CurrentYear() - 10)) << run.output;
}

TEST_F(StatusRoads, WebPageExceptionsRefusedAccessAndChangesFromOutside) {
  HostRun run = Run("open-main\n" + DefineRoot(30) +                                   // 1-7
                    "link \"Not defined\" Guest\ntype 2033 10\nok\nwait 300\n"          // 8-11
                    "link \"Set exception for web page...\"\ntype 499 games.example\ntoggle 2036 0\n" +
                    Shot("web_page_exception_from_status.png") + "ok\nwait 300\nclose-main\n");
  ASSERT_EQ(run.status, 0u) << run.output;
  // One exception per account's role, one allowed and one blocked.
  const std::size_t mirror = run.output.find("Configuration in the registry mirror");
  EXPECT_EQ(run.Count("Url = \"games.example/\""), 2u) << run.output;
  const std::size_t allowed = run.output.find("State = 0x1", mirror), blocked = run.output.find("State = 0x0", mirror);
  EXPECT_TRUE(allowed != std::string::npos && blocked != std::string::npos) << run.output;

  // Access refused: neither a label, nor the web-page exceptions, nor a dialog's OK changes anything.
  const std::string before = run.output.substr(mirror);
  run = Run("open-main\nlink Enabled Guest\nwait 300\nlink \"Set exception for web page...\"\nwait 300\n"
            "link \"10 years\" Guest\ntype 2033 15\nok\ncancel\nwait 300\nprint-main\nclose-main\n",
            L"--refuse-access");
  ASSERT_EQ(run.status, 0u) << run.output;
  EXPECT_EQ(run.output.substr(run.output.find("Configuration in the registry mirror")), before);
  EXPECT_FALSE(Has(run, "stored (")) << run.output;
  EXPECT_FALSE(Has(run, "Web page exceptions")) << run.output;
  EXPECT_TRUE(Has(run, "Guest (<A ID=\"4\">10 years</A>)</H4>\t<A ID=\"3\"><F7>Enabled")) << run.output;

  // A document stored from outside while the window is open: the page follows the notice.
  std::string guest = AccountsOf(run, "501");
  const std::size_t profile = run.output.rfind("\n", run.output.find(guest)), name = run.output.rfind(".Guest\\", profile);
  ASSERT_NE(name, std::string::npos) << run.output;
  const std::string role = run.output.substr(run.output.rfind(' ', name) + 1, name - run.output.rfind(' ', name) - 1) + ".Guest";
  const std::string sid = run.output.substr(run.output.rfind('"', run.output.find(guest)) + 1,
                                            run.output.find(guest) - run.output.rfind('"', run.output.find(guest)) - 1);
  const std::wstring document = WriteTemp(L"parental-guest-off.xml",
      "<?xml version=\"1.0\"?><Corvid><SECTION ID=\"01000103\"><SETTINGS><PLUGINS><PLUGIN ID=\"01000D01\"><PROFILES>"
      "<NODE NAME=\"" + role + "\" TYPE=\"SUBNODE\"><NODE NAME=\"Accounts\" VALUE=\"" + sid + "-501:0:2000\" TYPE=\"STRING\"/>"
      "</NODE></PROFILES></PLUGIN></PLUGINS></SETTINGS></SECTION></Corvid>");
  char path[MAX_PATH];
  WideCharToMultiByte(CP_UTF8, 0, document.c_str(), -1, path, MAX_PATH, nullptr, nullptr);
  run = Run(std::string("open-main\napply \"") + path + "\" 01000D01\nwait 300\nprint-main\n" +
            Shot("main_window_after_apply.png") + "close-main\n");
  DeleteFileW(document.c_str());
  ASSERT_EQ(run.status, 0u) << run.output;
  EXPECT_TRUE(Has(run, "Guest (<A ID=\"4\">" + std::to_string(CurrentYear() - 2000) + " years</A>)</H4>\t<A ID=\"2\"><F8>Disabled"))
      << run.output;
}

// Keys alone: Tab walks the page's links and buttons item by item (Shift+Tab back), Enter and
// Space activate the one with the focus, and the state button's menu is chosen by arrows.
TEST_F(StatusRoads, TheKeyboardAloneWalksThePage) {
  HostRun run = Run("open-main\nwait 300\n"
                    "press Tab Tab Tab Tab\nwait 200\n" + Shot("main_window_keyboard_focus.png") +
                    "press Enter\nwait 300\nwrite 10\npress Enter\nwait 300\nprint-main\nclose-main\n"
                    "open-main\nwait 300\npress Shift+Tab\nwait 200\npress Enter\nwait 300\ncancel\nwait 300\n"
                    "close-main\nopen-main\nwait 300\npress Tab\nwait 200\npress Space\nwait 300\n"
                    "press Down Down Enter\nwait 300\nprint-main\nclose-main\n");
  ASSERT_EQ(run.status, 0u) << run.output;
  // The fourth stop is Guest's "Not defined": its setup dialog took the age from the keys.
  EXPECT_NE(Printed(run, 1).find("Guest (<A ID=\"4\">10 years</A>)"), std::string::npos) << run.output;
  EXPECT_EQ(AccountsOf(run, "501"), "-501:1:" + std::to_string(CurrentYear() - 10)) << run.output;
  // Shift+Tab from the setup button reaches the last link, "Show log".
  EXPECT_TRUE(Has(run, "host command: gui.logpage.show(")) << run.output;
  // The first stop is the state button; its menu's second entry switches parental control off.
  EXPECT_TRUE(Has(run, "panel 0 item 1: link 0 clicked")) << run.output;
  EXPECT_NE(Printed(run, 2).find("caption=\"Disabled\""), std::string::npos) << run.output;
  EXPECT_EQ(Printed(run, 2).find("Guest ("), std::string::npos) << "no account lines when off\n" << run.output;
}

}  // namespace
