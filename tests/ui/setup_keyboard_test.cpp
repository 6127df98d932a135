// The setup pages and forms with the keyboard alone: parental-host.exe runs scripts that
// only press keys (SendInput: access keys, arrows, Space, Enter) and type, in English and
// in German; the host's report shows what the pages stored.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/host_process.h"

namespace {

class SetupKeyboard : public MirrorTest {
 protected:
  // Runs the host with a script; the run's output is its report.
  static HostRun Run(const std::string& script, const std::wstring& options) {
    const std::wstring path = WriteTemp(L"parental-keys.txt", script);
    HostRun run = RunHost(HOST_EXE, options + L" --script \"" + path + L"\"");
    DeleteFileW(path.c_str());
    run.output.erase(std::remove(run.output.begin(), run.output.end(), '\r'), run.output.end());
    return run;
  }
  static bool Has(const HostRun& run, const std::string& text) { return run.output.find(text) != std::string::npos; }
};

// One road per page, each run of the host on what the roads before it stored.
struct Road {
  const char* what;
  std::string script;
  std::wstring options;
  std::vector<std::string> expected;  // in the report
};

const Road kRoads[] = {
    {"General (English): the check box by its access key, Enter saves",
     "open-setup\npage \"Parental control\"\npress Alt+I\nprint 2002\npress Enter\n",
     L"",
     {"control 2002: enabled checked", "Register = 0x1 (DWORD)"}},
    {"Accounts (German): \"Hinzufügen\" opens the account form, \"Auswählen\" picks Guest, the age "
     "by its label's key, Enter ends the form and then the setup",
     "open-setup\npage Konten\npress Alt+H\nprint 2033\npress Alt+W\nprint 2017\npress Alt+L\nwrite 12\n"
     "print 2033\npress Enter\nprint 2007\npress Enter\n",
     L"--language de --answer account=Guest",
     {"control 2033: enabled \"12\"", "control 2007: enabled [x Guest|", "setup OK: saved"}},
    {"Categories (German): Guest's role by the account's key and Down, the tree by its group's "
     "key, the first category (blocked for preteens) allowed with Space; the engine's names in German",
     "open-setup\npage Kategorien\npress Alt+K Down\nprint 2022\npress Alt+T Home Space\nprint 2016\npress Enter\n",
     L"--language de",
     {".Guest\"\n  script 5:", "[x Alkohol] [x Sexualaufklärung]", "setup OK: saved"}},
    {"Exceptions (English): Add opens the URL form, the address typed after the group's key, the "
     "state by its label's key, Enter twice",
     "open-setup\npage Exceptions\npress Alt+T Down\nprint 2024\npress Alt+A\nprint 2030\npress Alt+R\n"
     "write www.keys.example\npress Alt+S Down\nprint 2031\npress Enter\nprint 2027\npress Enter\n",
     L"",
     {"control 2027: enabled [Blocked|keys.example/]", "Url = \"keys.example/\""}},
};

TEST_F(SetupKeyboard, EveryPageAndFormByKeysAlone) {
  for (const Road& road : kRoads) {
    SCOPED_TRACE(road.what);
    HostRun run = Run(road.script, road.options);
    ASSERT_EQ(run.status, 0u) << run.output;
    for (const std::string& text : road.expected) EXPECT_TRUE(Has(run, text)) << text << "\n" << run.output;
  }
}

}  // namespace
