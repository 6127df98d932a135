// parental-host.exe with the real plug-in, as a user runs it: the trace of a whole life,
// a configuration document stored in the registry mirror with the change notice, a
// refused document, and the command line.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "support/host_process.h"

namespace {


HostRun RunHost(const std::wstring& arguments) { return ::RunHost(HOST_EXE, arguments); }

std::wstring ReadString(const wchar_t* key, const wchar_t* value) {
  wchar_t text[256] = {};
  DWORD size = sizeof(text);
  if (RegGetValueW(HKEY_LOCAL_MACHINE, key, value, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
    return L"(missing)";
  return text;
}

using EndToEnd = MirrorTest;

TEST_F(EndToEnd, ThePlugInLivesAndIsReleased) {
  HostRun run = RunHost(L"--trace");
  ASSERT_EQ(run.status, 0u) << run.output;
  // The plug-in object, the status page and its two panels, the two configuration objects.
  EXPECT_EQ(run.Count(" register  id 0x1000D00 -> 0"), 6u) << run.output;
  EXPECT_EQ(run.Count("0x00040001 name table -> 0"), 1u);
  EXPECT_EQ(run.Count("0x000300E8 host services -> 0"), 3u);  // twice the plug-in, once the status panel
  EXPECT_EQ(run.Count("0x00030005 publish panels"), 2u);
  EXPECT_EQ(run.Count("0x00030006 publish setup pages -> 0"), 1u);
  EXPECT_EQ(run.Count("0x00000005 create -> 0"), 6u);
  EXPECT_EQ(run.Count("0x00000006 destroy -> 0"), 6u);
  EXPECT_EQ(run.Count(" unregister  released"), 6u);
  EXPECT_NE(run.output.find("All 6 objects were released."), std::string::npos);
  // The host reads the status page: its records, the header and the frequent actions.
  EXPECT_NE(run.output.find("status page \"parental\": title \"Parental control\""), std::string::npos);
  EXPECT_NE(run.output.find("caption=\"Enabled\""), std::string::npos);
  EXPECT_NE(run.output.find("Set exception for web page..."), std::string::npos);
  // Unloading comes after every destruction and before every release.
  EXPECT_LT(run.output.rfind("destroy -> 0"), run.output.find("unloading the plug-in"));
  EXPECT_LT(run.output.find("unloading the plug-in"), run.output.find("unregister"));
}

TEST_F(EndToEnd, AStoredDocumentReachesTheMirrorAndTheChangeIsAnnounced) {
  HostRun run = RunHost(L"--trace --section 01000D01 --apply \"" EXAMPLES L"\\roles.xml\"");
  ASSERT_EQ(run.status, 0u) << run.output;
  EXPECT_EQ(run.Count("0x01030009 configuration changed"), 6u) << run.output;  // to every created object
  const wchar_t* node =
      L"Software\\Corvid\\Corvid Security\\CurrentVersion\\Plugins\\01000D01\\Profiles\\LAB.kid\\Exceptions\\Node_00000001";
  EXPECT_EQ(ReadString(node, L"Url"), L"http://www.example.com/");
  EXPECT_NE(run.output.find("Categories = \"12:1|13:0\""), std::string::npos);

  run = RunHost(L"--apply \"" EXAMPLES L"\\general.xml\"");  // section 01000D00 by default
  EXPECT_EQ(run.status, 0u);
  EXPECT_NE(run.output.find("Register = 0x1 (DWORD)"), std::string::npos) << run.output;

  std::wstring broken = WriteTemp(L"parental-broken.xml", "<Corvid><SECTION ID=\"01000103\"></Corvid>");
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, kMirror);
  run = RunHost(L"--section 01000D01 --apply \"" + broken + L"\"");
  EXPECT_EQ(run.status, 1u);
  EXPECT_NE(run.output.find("could not store"), std::string::npos) << run.output;
  EXPECT_EQ(ReadString(node, L"Url"), L"(missing)");
  DeleteFileW(broken.c_str());
}

TEST_F(EndToEnd, InGermanThePlugInAndTheEngineSpeakGerman) {
  HostRun run = RunHost(L"--language de");
  ASSERT_EQ(run.status, 0u) << run.output;
  EXPECT_NE(run.output.find("status page \"parental\": title \"Kindersicherung\""), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("caption=\"Aktiviert\""), std::string::npos);
  EXPECT_NE(run.output.find("Ausnahme f\xC3\xBCr Webseite festlegen..."), std::string::npos);
  EXPECT_NE(run.output.find("All 6 objects were released."), std::string::npos);
  run = RunHost(L"--language ..\\x");
  EXPECT_EQ(run.status, 2u) << "a language is a folder name, never a path";
  run = RunHost(L"--language fr");
  EXPECT_EQ(run.status, 1u) << "no such language: nothing to load";
}

TEST_F(EndToEnd, CommandLine) {
  HostRun run = RunHost(L"--help");
  EXPECT_EQ(run.status, 0u);
  EXPECT_EQ(run.output.rfind("Usage: parental-host", 0), 0u);
  run = RunHost(L"--frobnicate");
  EXPECT_EQ(run.status, 2u);
  EXPECT_NE(run.output.find("unknown option --frobnicate"), std::string::npos);
  run = RunHost(L"--plugin Z:\\no\\such.dll");
  EXPECT_EQ(run.status, 1u);
  EXPECT_NE(run.output.find("cannot load the plug-in"), std::string::npos);
}

// The header's password row: an enabled administrator (the user who runs the host, 1000)
// and no settings password; a disabled administrator, or a password, and it is gone.
TEST_F(EndToEnd, ThePasswordWarningShowsExactlyWhenAnEnabledAdministratorHasNoPassword) {
  auto roles = [](const char* enabled) {
    return WriteTemp(L"parental-admin-role.xml",
                     std::string("<?xml version=\"1.0\"?><Corvid><SECTION ID=\"01000103\"><SETTINGS><PLUGINS>"
                                 "<PLUGIN ID=\"01000D01\"><PROFILES><NODE NAME=\"VM.root\" TYPE=\"SUBNODE\">"
                                 "<NODE NAME=\"Accounts\" VALUE=\"S-1-5-21-0-0-0-1000:") +
                         enabled + ":1980\" TYPE=\"STRING\"/></NODE></PROFILES></PLUGIN></PLUGINS></SETTINGS>"
                                   "</SECTION></Corvid>");
  };
  const char kWarning[] = "not protected by a password";
  const std::wstring apply = L"--section 01000D01 --apply \"" + roles("1") + L"\"";
  HostRun run = RunHost(apply);
  ASSERT_EQ(run.status, 0u) << run.output;
  EXPECT_EQ(run.Count(kWarning), 1u) << run.output;
  EXPECT_NE(run.output.find("COMMAND=\"gui.passworddlg.show\""), std::string::npos);

  run = RunHost(L"--settings-password secret");
  EXPECT_EQ(run.Count(kWarning), 0u) << "a password protects the settings\n" << run.output;

  run = RunHost(L"--section 01000D01 --apply \"" + roles("0") + L"\"");
  EXPECT_EQ(run.Count(kWarning), 0u) << "the administrator is not under parental control\n" << run.output;
}

}  // namespace
