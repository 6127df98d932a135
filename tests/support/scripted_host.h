#pragma once
// Tests that run parental-host.exe with a script through its real windows, on a registry
// mirror that starts empty; the submitted documents are kept. The test program defines
// HOST_EXE (the program) and SCREENSHOTS / SCREENSHOTS_W (the folder of the screenshots).
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

#include "support/host_process.h"

class ScriptedHostTest : public MirrorTest {
 protected:
  void SetUp() override {
    MirrorTest::SetUp();
    CreateDirectoryW(SCREENSHOTS_W, nullptr);
    wchar_t directory[MAX_PATH];
    GetTempPathW(MAX_PATH, directory);
    submissions_ = std::wstring(directory) + L"parental-submissions";
    CreateDirectoryW(submissions_.c_str(), nullptr);
    Forget();
  }
  // Runs the host with a script (and more options); the run's output is its report.
  HostRun Run(const std::string& script, const std::wstring& options = L"") {
    const std::wstring path = WriteTemp(L"parental-road.txt", script);
    HostRun run = RunHost(HOST_EXE, options + L" --keep-submissions \"" + submissions_ + L"\" --script \"" + path + L"\"");
    DeleteFileW(path.c_str());
    run.output.erase(std::remove(run.output.begin(), run.output.end(), '\r'), run.output.end());  // text-mode lines
    return run;
  }
  // The n-th document submitted since the last Forget (1 first), or "" when there is none.
  std::string Submission(int n) { return ReadFile(submissions_ + L"\\submission-" + std::to_wstring(n) + L".xml"); }
  void Forget() {
    for (int n = 1; n < 20; ++n) DeleteFileW((submissions_ + L"\\submission-" + std::to_wstring(n) + L".xml").c_str());
  }
  static bool Has(const HostRun& run, const std::string& text) { return run.output.find(text) != std::string::npos; }
  static std::string Shot(const char* name) {
    return std::string("screenshot \"") + SCREENSHOTS + "\\" + name + "\"\n";
  }
  static std::string ReadFile(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  }
  static int CurrentYear() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wYear;
  }

  std::wstring submissions_;
};
