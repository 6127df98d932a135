// The host's settings password and its tour end to end, through parental-host.exe and its
// real windows: a change from the status page asks for the password; the tour's index lists
// every screenshot it left in the folder, in order, and each document the plug-in submitted.
#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "support/scripted_host.h"

namespace {

std::set<std::string> FilesEndingIn(const std::wstring& folder, const wchar_t* pattern) {
  std::set<std::string> names;
  WIN32_FIND_DATAA found;
  const std::string folderName(folder.begin(), folder.end());
  HANDLE search = FindFirstFileA((folderName + "\\" + std::string(pattern, pattern + wcslen(pattern))).c_str(), &found);
  for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found)) names.insert(found.cFileName);
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
  return names;
}

// The values of `attribute="..."` in the page, in order.
std::vector<std::string> Attributes(const std::string& html, const std::string& attribute) {
  std::vector<std::string> values;
  const std::string key = " " + attribute + "=\"";
  for (std::size_t at = html.find(key); at != std::string::npos; at = html.find(key, at + 1)) {
    const std::size_t start = at + key.size();
    values.push_back(html.substr(start, html.find('"', start) - start));
  }
  return values;
}

using Tour = ScriptedHostTest;

TEST_F(Tour, TheIndexShowsEveryScreenshotAndSubmissionOfTheTourInOrder) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + L"parental-tour";
  for (const auto* pattern : {L"*.png", L"*.xml", L"*.html"})
    for (const std::string& name : FilesEndingIn(folder, pattern)) DeleteFileA((std::string(folder.begin(), folder.end()) + "\\" + name).c_str());

  const HostRun run = RunHost(HOST_EXE, L"--tour \"" + folder + L"\"");
  ASSERT_EQ(run.status, 0u) << run.output;
  EXPECT_EQ(run.output.find("script error"), std::string::npos) << run.output;

  const std::string html = ReadFile(folder + L"\\index.html");
  const std::vector<std::string> images = Attributes(html, "src");
  const std::set<std::string> shots = FilesEndingIn(folder, L"*.png");
  EXPECT_EQ(std::set<std::string>(images.begin(), images.end()), shots) << html;
  EXPECT_EQ(images.size(), shots.size()) << "each screenshot once";
  EXPECT_GE(shots.size(), 25u);
  EXPECT_NE(run.output.find("tour: " + std::to_string(shots.size()) + " screenshots"), std::string::npos) << run.output;
  const std::vector<std::string> links = Attributes(html, "href");
  const std::set<std::string> documents = FilesEndingIn(folder, L"*.xml");
  EXPECT_EQ(std::set<std::string>(links.begin(), links.end()), documents) << html;
  EXPECT_FALSE(documents.empty()) << "the setup's OK submits the configuration";

  // In the order they were taken, with their lines of text; the log follows what was stored.
  EXPECT_LT(html.find("main-first.png"), html.find("log-empty-configuration.png"));
  EXPECT_LT(html.find("submission-1.xml"), html.find("log-configured.png"));
  EXPECT_LT(html.find("log-configured.png"), html.find("setup-general.png"));
  EXPECT_NE(html.find("<figcaption>1. The main window"), std::string::npos) << html;
  EXPECT_NE(html.find("VM.Guest"), std::string::npos) << "the submitted document is shown\n" << html;
}

using HostPassword = ScriptedHostTest;

// With a password, a wrong answer to the prompt refuses the change (the dialog stays open,
// the mirror keeps nothing); the right one lets it through.
TEST_F(HostPassword, ChangesFromTheStatusPageAskForTheSettingsPassword) {
  const std::string defineGuest = "open-main\nlink \"Not defined\" Guest\ntype 2033 10\nok\n";
  HostRun run = Run(defineGuest + "print 1011\ntype 1011 wrong\nok\nprint 2033\ncancel\nwait 300\n"
                    "link \"Set exception for web page...\"\ntype 1011 wrong\nok\nwait 300\nclose-main\n",
                    L"--settings-password secret");
  ASSERT_EQ(run.status, 0u) << run.output;
  EXPECT_TRUE(Has(run, "control 1011: enabled")) << "the prompt over the dialog\n" << run.output;
  EXPECT_TRUE(Has(run, "control 2033: enabled \"10\"")) << "the dialog stays open with its edit\n" << run.output;
  EXPECT_FALSE(Has(run, "stored (")) << run.output;
  EXPECT_FALSE(Has(run, "Web page exceptions")) << "no dialog after a refusal\n" << run.output;

  run = Run(defineGuest + "type 1011 secret\nok\nwait 300\nclose-main\n", L"--settings-password secret");
  ASSERT_EQ(run.status, 0u) << run.output;
  EXPECT_TRUE(Has(run, "-501:1:" + std::to_string(CurrentYear() - 10))) << run.output;
}

using GermanScript = ScriptedHostTest;

// A script in English's texts drives the German windows through the word table.
TEST_F(GermanScript, TheWordTableCarriesAScriptIntoGerman) {
  const HostRun run = Run("open-main\nlink \"Not defined\" Guest\ntype 2033 10\nok\nwait 300\n"
                          "link Enabled Guest\nwait 300\nprint-main\nclose-main\n", L"--language de");
  ASSERT_EQ(run.status, 0u) << run.output;
  EXPECT_TRUE(Has(run, "script 2: link Nicht festgelegt Guest")) << run.output;
  EXPECT_TRUE(Has(run, "Guest (<A ID=\"4\">10 Jahre</A>)</H4>\t<A ID=\"2\"><F8>Deaktiviert")) << run.output;
}

}  // namespace
