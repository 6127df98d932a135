// The host's own windows through real input under Wine: the log window (entries, size,
// keyboard), the settings-password dialog (differing entries, setting, removing, the
// prompt before a change), the host commands that open them, and their language.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <deque>
#include <fstream>
#include <functional>
#include <iterator>

#include "language/host_language.h"
#include "ui/host_commands.h"
#include "ui/host_dialogs.h"
#include "ui/log_window.h"
#include "ui/password_dialog.h"
#include "ui/password_prompt.h"
#include "support/window_test.h"

namespace {

using namespace host;
using wintest::PressKey;
using wintest::TypeKeys;
using Step = std::function<void(HWND front)>;

// The steps run one per timer tick inside the modal loop of the window under test, each
// with the window in front; a watchdog closes whatever is left open.
std::deque<Step> g_steps;
constexpr UINT kTick = 80;
constexpr UINT kWatchdog = 15000;

void CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  if (g_steps.empty()) return;
  Step step = std::move(g_steps.front());
  g_steps.pop_front();
  SetTimer(nullptr, 0, kTick, &Tick);
  step(GetActiveWindow());
}

void CALLBACK Watchdog(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  ADD_FAILURE() << "a window was still open: " << g_steps.size() << " steps left";
  g_steps.clear();
  for (HWND window; (window = GetActiveWindow()) != nullptr;) EndDialog(window, IDCANCEL);
}

class HostWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    UseHostLanguage(L"en");
  }
  void Script(std::deque<Step> steps) {
    g_steps = std::move(steps);
    SetTimer(nullptr, 0, kTick, &Tick);
    watchdog_ = SetTimer(nullptr, 0, kWatchdog, &Watchdog);
  }
  void TearDown() override {
    KillTimer(nullptr, watchdog_);
    EXPECT_TRUE(g_steps.empty()) << "steps left: the window closed too early";
    g_steps.clear();
  }
  UINT_PTR watchdog_ = 0;
};

std::wstring Text(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

RECT Rect(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  return rect;
}

std::wstring Cell(HWND list, int row, int column) {
  wchar_t text[128] = {};
  ListView_GetItemText(list, row, column, text, 128);
  return text;
}

const std::vector<LogEntry> kEntries = {{u"08:02", u"root", u"http://www.example.com/", u"News", false},
                                        {u"09:41", u"Guest", u"https://chat.example.net/", u"Chat", true},
                                        {u"10:05", u"Guest", u"http://games.example.org/", u"Online games", false}};

TEST_F(HostWindows, TheLogWindowListsEveryEntryFollowsItsSizeAndAnswersTheKeyboard) {
  RECT list0{}, close0{}, window0{};
  Script({
      [&](HWND log) {
        HWND list = GetDlgItem(log, IDC_LOG_LIST);
        ASSERT_EQ(ListView_GetItemCount(list), 3);
        EXPECT_EQ(Header_GetItemCount(ListView_GetHeader(list)), 5);
        EXPECT_EQ(Cell(list, 1, 1), L"Guest");
        EXPECT_EQ(Cell(list, 1, 2), L"https://chat.example.net/");
        EXPECT_EQ(Cell(list, 1, 4), L"Blocked");
        EXPECT_EQ(Cell(list, 2, 4), L"Allowed");
        EXPECT_EQ(Text(GetDlgItem(log, IDC_LOG_SUMMARY)), L"3 visits: 1 blocked, 2 allowed.");
        EXPECT_EQ(GetFocus(), list) << "the list takes the keyboard first";
        list0 = Rect(list), close0 = Rect(GetDlgItem(log, IDCANCEL)), window0 = Rect(log);
        SetWindowPos(log, nullptr, 0, 0, window0.right - window0.left + 200, window0.bottom - window0.top + 100,
                     SWP_NOMOVE | SWP_NOZORDER);
      },
      [&](HWND log) {
        const RECT list = Rect(GetDlgItem(log, IDC_LOG_LIST)), close = Rect(GetDlgItem(log, IDCANCEL));
        EXPECT_EQ(list.right - list.left, list0.right - list0.left + 200) << "the list takes the new width";
        EXPECT_EQ(list.bottom - list.top, list0.bottom - list0.top + 100);
        EXPECT_EQ(close.left - close0.left, 200) << "Close stays at the bottom right";
        EXPECT_EQ(close.top - close0.top, 100);
        SetWindowPos(log, nullptr, 0, 0, 40, 40, SWP_NOMOVE | SWP_NOZORDER);
        const RECT small = Rect(log);
        EXPECT_EQ(small.right - small.left, window0.right - window0.left) << "no smaller than it opened";
        PressKey(VK_TAB);
      },
      [](HWND log) {
        EXPECT_EQ(GetFocus(), GetDlgItem(log, IDCANCEL)) << "Tab reaches Close";
        PressKey(VK_ESCAPE);
      },
  });
  ShowLogWindow(nullptr, kEntries);
}

std::wstring Column(HWND list, int column) {
  wchar_t text[64] = {};
  HDITEMW item{};
  item.mask = HDI_TEXT;
  item.pszText = text;
  item.cchTextMax = 64;
  Header_GetItem(ListView_GetHeader(list), column, &item);
  return text;
}

TEST_F(HostWindows, TheWindowsSpeakTheChosenLanguageAndEnglishForOneTheHostLacks) {
  const struct {
    const wchar_t* code;
    const wchar_t *caption, *verdictColumn, *blocked, *summary, *close;
  } languages[] = {
      {L"de", L"Protokoll der Kindersicherung", L"Ergebnis", L"Gesperrt", L"3 Besuche: 1 gesperrt, 2 zugelassen.",
       L"&Schließen"},
      {L"fr", L"Parental control log", L"Verdict", L"Blocked", L"3 visits: 1 blocked, 2 allowed.", L"&Close"},
  };
  for (const auto& language : languages) {
    SCOPED_TRACE(testing::Message() << "language " << std::string(language.code, language.code + 2));
    UseHostLanguage(language.code);
    Script({[&](HWND log) {
      HWND list = GetDlgItem(log, IDC_LOG_LIST);
      EXPECT_EQ(Text(log), language.caption);
      EXPECT_EQ(Column(list, 4), language.verdictColumn);
      EXPECT_EQ(Cell(list, 1, 4), language.blocked);
      EXPECT_EQ(Text(GetDlgItem(log, IDC_LOG_SUMMARY)), language.summary);
      EXPECT_EQ(Text(GetDlgItem(log, IDCANCEL)), language.close);
      PressKey(VK_ESCAPE);
    }});
    ShowLogWindow(nullptr, kEntries);
    KillTimer(nullptr, watchdog_);
  }
  UseHostLanguage(L"en");
}

TEST_F(HostWindows, ThePasswordDialogSetsAPasswordTypedTwiceAlike) {
  SettingsPassword password;
  int changes = 0;
  password.OnChange([&] { ++changes; });
  changes = 0;
  Script({
      [](HWND) { TypeKeys(L"secret"); PressKey(VK_TAB); TypeKeys(L"secrets"); PressKey(VK_RETURN); },
      [](HWND dialog) {
        ASSERT_EQ(GetDlgItem(dialog, IDC_PASSWORD_NEW) != nullptr, true) << "the dialog stays open";
        EXPECT_NE(Text(GetDlgItem(dialog, IDC_PASSWORD_MESSAGE)).find(L"differ"), std::wstring::npos);
        EXPECT_EQ(Text(GetDlgItem(dialog, IDC_PASSWORD_CONFIRM)), L"");
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_PASSWORD_NEW));
        TypeKeys(L"s3cret");  // replaces the selected first entry
        PressKey(VK_TAB);
        TypeKeys(L"s3cret");
        PressKey(VK_RETURN);
      },
  });
  EXPECT_TRUE(RunPasswordDialog(nullptr, password));
  EXPECT_TRUE(password.IsSet());
  EXPECT_TRUE(password.Matches(L"s3cret"));
  EXPECT_EQ(changes, 1);
}

TEST_F(HostWindows, AProtectedPasswordIsAskedForBeforeItChangesAndEmptyEntriesRemoveIt) {
  SettingsPassword password(L"old");
  Script({[](HWND prompt) {
    EXPECT_NE(GetDlgItem(prompt, IDC_PASSWORD_TEXT), nullptr) << "the prompt comes first";
    TypeKeys(L"wrong");
    PressKey(VK_RETURN);
  }});
  EXPECT_FALSE(RunPasswordDialog(nullptr, password));
  EXPECT_TRUE(password.Matches(L"old")) << "a wrong answer changes nothing";
  TearDown();

  Script({[](HWND) { TypeKeys(L"old"); PressKey(VK_RETURN); },
          [](HWND dialog) {
            EXPECT_NE(GetDlgItem(dialog, IDC_PASSWORD_CONFIRM), nullptr);
            PressKey(VK_ESCAPE);
          }});
  EXPECT_FALSE(RunPasswordDialog(nullptr, password));
  EXPECT_TRUE(password.Matches(L"old")) << "Cancel changes nothing";
  TearDown();

  Script({[](HWND) { TypeKeys(L"old"); PressKey(VK_RETURN); }, [](HWND) { PressKey(VK_RETURN); }});
  EXPECT_TRUE(RunPasswordDialog(nullptr, password));
  EXPECT_FALSE(password.IsSet()) << "two empty entries remove the protection";
  TearDown();

  static const std::wstring longOne(300, L'p');  // any length the dialog takes, the prompt takes too
  SettingsPassword guarded(longOne);
  Script({[](HWND prompt) {
    SetDlgItemTextW(prompt, IDC_PASSWORD_TEXT, longOne.c_str());
    PressKey(VK_RETURN);
  }});
  EXPECT_TRUE(AskSettingsPassword(nullptr, guarded));
}

TEST_F(HostWindows, HostCommandsWriteTheLogIntoTheLogFolderAndRefuseOthers) {
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  SettingsPassword password;
  int asked = 0;
  HostCommandContext context{&password, folder, [&] { ++asked; return kEntries; }, nullptr};
  const std::wstring path = std::wstring(folder) + L"host-command-log.dat";
  DeleteFileW(path.c_str());
  Script({[](HWND log) {
    EXPECT_EQ(ListView_GetItemCount(GetDlgItem(log, IDC_LOG_LIST)), 3);
    PressKey(VK_ESCAPE);
  }});
  EXPECT_TRUE(RunHostCommand(nullptr, u"gui.logpage.show(TARGET=host-command-log.dat)", context));
  std::ifstream file(path.c_str(), std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  EXPECT_EQ(text, FormatLog(kEntries));
  EXPECT_EQ(asked, 1);

  // None of these opens a window (the watchdog would fail the test).
  for (const char16_t* command : {u"gui.logpage.show(TARGET=..\\host-command-log.dat)", u"gui.logpage.show(TARGET=a/b)",
                                  u"gui.logpage.show(TARGET=)", u"gui.logpage.show", u"gui.logpage.show(FILE=x.dat)",
                                  u"gui.logpage.show(TARGET=NUL)", u"gui.logpage.show(TARGET=com1.dat)",
                                  u"gui.logpage.show(TARGET=log.)",
                                  u"gui.passworddlg.show(TARGET=x)", u"gui.unknown", u"", u"(TARGET=x)"})
    EXPECT_FALSE(RunHostCommand(nullptr, command, context)) << std::string(command, command + std::char_traits<char16_t>::length(command));
  EXPECT_EQ(asked, 1) << "a refused target makes no log";
}

}  // namespace
