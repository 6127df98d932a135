// The tour end to end: parental-host.exe --tour walks its script through the real windows;
// its index lists every screenshot it left in the folder, in order, and each document the
// plug-in submitted.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "support/host_process.h"

namespace {

std::string ReadFile(const std::wstring& path) {
  std::ifstream file(path.c_str(), std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

std::set<std::string> FilesEndingIn(const std::wstring& folder, const wchar_t* pattern) {
  std::set<std::string> names;
  WIN32_FIND_DATAA found;
  const std::string spec(folder.begin(), folder.end());
  HANDLE search = FindFirstFileA((spec + "\\" + std::string(pattern, pattern + wcslen(pattern))).c_str(), &found);
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

TEST(Tour, TheIndexShowsEveryScreenshotAndSubmissionOfTheTourInOrder) {
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

}  // namespace
