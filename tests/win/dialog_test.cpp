// Dialogs from templates: the language library's template first, the template callback,
// modeless children, modal dialogs and data exchange that keeps a dialog open on failure.
#include <vector>

#include "win/controls/basic_controls.h"
#include "win/data_exchange.h"
#include "win/dialog.h"
#include "support/window_test.h"

using namespace wintest;

namespace {

class ExchangeDialog : public CDialog {
 public:
  ExchangeDialog() : CDialog(100) {}
  std::u16string name = u"Anna";
  int age = 12;
  int integrate = 1;
  std::function<void(ExchangeDialog&)> whenShown;

 protected:
  void DoDataExchange(CDataExchange& exchange) override {
    DDX_Text(exchange, 1001, name);
    DDX_Text(exchange, 1002, age);
    DDX_Check(exchange, 1003, integrate);
  }
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    if (whenShown) PostMessage(WM_APP);
    return TRUE;
  }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != WM_APP) return CDialog::WindowProc(message, wParam, lParam);
    whenShown(*this);
    return 0;
  }
};

struct Dialogs : ::testing::Test {
  TestApp app;
  HWND frame = CreateFrame(320, 200);
};

TEST_F(Dialogs, TemplatesComeFromTheLanguageLibraryFirst) {
  ASSERT_NE(app.LanguageModule(), nullptr);
  CDialog replaced(102), own(103), missing(199);
  ASSERT_TRUE(replaced.Create(frame));
  EXPECT_EQ(WindowText(replaced), u"Sprache");
  ASSERT_TRUE(own.Create(frame));
  EXPECT_EQ(WindowText(own), u"Own only");
  EXPECT_FALSE(missing.Create(frame));
}

TEST_F(Dialogs, TheTemplateCallbackChangesTheCopyTheDialogIsMadeFrom) {
  CDialog dialog(100);
  std::u16string faceSeen;
  ASSERT_TRUE(dialog.Create(frame, [&](CDialogTemplate& dialogTemplate) {
    faceSeen = dialogTemplate.FontFace();
    EXPECT_TRUE(dialogTemplate.SetFont(u"Tahoma", 14));
    dialogTemplate.SetStyle(dialogTemplate.Style() & ~WS_CAPTION);
  }));
  EXPECT_EQ(faceSeen, u"MS Shell Dlg 2");
  EXPECT_FALSE(dialog.GetStyle() & WS_CAPTION);
  LOGFONTW font{};
  GetObjectW(dialog.GetFont(), sizeof(font), &font);
  EXPECT_STREQ(font.lfFaceName, L"Tahoma");
  EXPECT_NE(dialog.GetDlgItem(1004), nullptr);  // the controls follow the new font
}

// A template of the older form without a font gets one; its controls follow unchanged.
TEST_F(Dialogs, AFontGivenToATemplateWithoutOne) {
  CDialog dialog(103);
  ASSERT_TRUE(dialog.Create(frame, [](CDialogTemplate& dialogTemplate) {
    EXPECT_FALSE(dialogTemplate.IsExtended());
    EXPECT_EQ(dialogTemplate.FontFace(), u"");
    EXPECT_TRUE(dialogTemplate.SetFont(u"Tahoma", 8));
    EXPECT_EQ(dialogTemplate.FontFace(), u"Tahoma");
    EXPECT_EQ(dialogTemplate.FontSize(), 8);
  }));
  LOGFONTW font{};
  GetObjectW(dialog.GetFont(), sizeof(font), &font);
  EXPECT_STREQ(font.lfFaceName, L"Tahoma");
  EXPECT_EQ(WindowText(dialog), u"Own only");
  EXPECT_EQ(WindowText(dialog.GetDlgItem(1301)), u"label");
  EXPECT_EQ(WindowText(dialog.GetDlgItem(1302)), u"Go");
}

TEST_F(Dialogs, DataExchangeBothWays) {
  ExchangeDialog dialog;
  ASSERT_TRUE(dialog.Create(frame));
  EXPECT_EQ(CWnd::FromHandle(dialog.GetDlgItem(1001)), nullptr);
  EXPECT_EQ(SendDlgItemMessageW(dialog, 1003, BM_GETCHECK, 0, 0), BST_CHECKED);
  SetDlgItemTextW(dialog, 1001, L"Bert");
  SetDlgItemTextW(dialog, 1002, L" 15 ");
  SendDlgItemMessageW(dialog, 1003, BM_SETCHECK, BST_UNCHECKED, 0);
  ASSERT_TRUE(dialog.UpdateData(true));
  EXPECT_EQ(dialog.name, u"Bert");
  EXPECT_EQ(dialog.age, 15);
  EXPECT_EQ(dialog.integrate, 0);
}

// OK with a text that is no number leaves the dialog open with the focus on that edit;
// fixed, OK ends it with IDOK.
TEST_F(Dialogs, AFailedExchangeKeepsAModalDialogOpen) {
  ExchangeDialog dialog;
  std::vector<bool> runningAfterOk;  // EndDialog gives the owner its input back at once
  HWND owner = frame;
  dialog.whenShown = [&](ExchangeDialog& shown) {
    SetDlgItemTextW(shown, 1002, L"12a");
    SendMessageW(shown, WM_COMMAND, IDOK, 0);
    runningAfterOk.push_back(!IsWindowEnabled(owner));
    EXPECT_EQ(GetFocus(), shown.GetDlgItem(1002));
    SetDlgItemTextW(shown, 1002, L"9");
    SendMessageW(shown, WM_COMMAND, IDOK, 0);
  };
  EXPECT_EQ(dialog.DoModal(frame), IDOK);
  EXPECT_EQ(runningAfterOk, std::vector<bool>{true});
  EXPECT_TRUE(IsWindowEnabled(frame));
  EXPECT_EQ(dialog.age, 9);
}

// A loop that knows nothing of the dialog (no IsDialogMessage): Tab still moves on.
TEST_F(Dialogs, AModelessTopLevelDialogNavigatesByItself) {
  ExchangeDialog dialog;
  ASSERT_TRUE(dialog.Create(frame));
  dialog.ShowWindow(SW_SHOW);
  SetForegroundWindow(dialog);
  ::SetFocus(dialog.GetDlgItem(1001));
  PressKey(VK_TAB);
  RunHostLoop(nullptr, [&] { return GetFocus() != dialog.GetDlgItem(1001); });
  EXPECT_EQ(GetFocus(), dialog.GetDlgItem(1002));
  SetForegroundWindow(frame);
}

TEST(DataExchange, IntegersAreWholeNumbersInRange) {
  int value = 5;
  EXPECT_TRUE(ParseInteger(u" -42 ", value));
  EXPECT_EQ(value, -42);
  EXPECT_TRUE(ParseInteger(u"+2147483647", value));
  EXPECT_TRUE(ParseInteger(u"-2147483648", value));
  EXPECT_EQ(value, INT_MIN);
  for (const char16_t* bad : {u"", u"-", u"2147483648", u"1.5", u"1 2", u"0x10"}) {
    EXPECT_FALSE(ParseInteger(bad, value)) << std::string(bad, bad + std::char_traits<char16_t>::length(bad));
  }
  EXPECT_EQ(value, INT_MIN);
}

}  // namespace
