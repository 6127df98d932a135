// The account setup dialog through its real windows: the age limit and the spin, its three
// ways of running, the window without the role row, refused access.
#include "dialog_driver.h"
#include "res/dialogs/account_setup_ids.h"
#include "ui/dialogs/account_init_dlg.h"

using namespace dialogtest;
using namespace parental::corvui;

namespace {

class AccountInitDialogTest : public ConfigFixture {
 protected:
  CAccountInitDlg Make() {
    return CAccountInitDlg(owner, config->Roles(), config->Accounts(), u"PC", u"kid", u"S-1-5-21-7-1001");
  }
  INT_PTR Run(CAccountInitDlg& dialog, const std::function<void()>& script) {
    return RunModal(dialog, [&] { return dialog.DoModal(); }, script);
  }
  static std::u16string Text(HWND window, int id) { return WindowText(GetDlgItem(window, id)); }
  // Types into the age field as the user does.
  static void TypeAge(HWND window, const wchar_t* digits) {
    HWND edit = GetDlgItem(window, IDC_SETUP_AGE);
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    for (const wchar_t* c = digits; *c; ++c) wintest::PressKey(static_cast<WORD>(*c));
    wintest::Pump(60);
  }
};

// The role that follows the age and what OK makes of it: the keyboard road
// (dialog_keyboard_test.cpp) and the status roads.
TEST_F(AccountInitDialogTest, TheAgeStopsAt150AndTheSpinCountsOn) {
  CAccountInitDlg dialog = Make();
  const INT_PTR result = Run(dialog, [&] {
    HWND window = dialog.GetSafeHwnd();
    EXPECT_EQ(SendDlgItemMessageW(window, IDC_SETUP_ROLE, CB_GETCOUNT, 0, 0), 4);
    TypeAge(window, L"200");
    EXPECT_EQ(Text(window, IDC_SETUP_AGE), u"150");
    TypeAge(window, L"10");
    Screenshot(window, "account_setup");
    SendDlgItemMessageW(window, IDC_SETUP_AGE_SPIN, WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(Text(window, IDC_SETUP_AGE), u"11");
    Click(window, IDCANCEL);
  });
  EXPECT_EQ(result, IDCANCEL);
}

TEST_F(AccountInitDialogTest, AnExistingAccountHasNoRoleRowAndWaitsForTheAccess) {
  ASSERT_TRUE(config->Roles().CreateRole(u"PC.kid", u"", {}));
  config->Accounts().AddAccount(u"S-1-5-21-7-1001", u"PC.kid", 1, 2000);
  CAccountInitDlg full = Make();
  int fullHeight = 0;
  Run(full, [&] {
    RECT rect{};
    GetWindowRect(full.GetSafeHwnd(), &rect);
    fullHeight = rect.bottom - rect.top;
    Click(full.GetSafeHwnd(), IDCANCEL);
  });

  model.host.grantAccess = false;
  CAccountInitDlg dialog = Make();
  dialog.SetExistingAccount(15);
  const INT_PTR result = Run(dialog, [&] {
    HWND window = dialog.GetSafeHwnd();
    EXPECT_EQ(dialog.HelpContext(), CAccountInitDlg::kHelpExistingAccount);
    EXPECT_EQ(Text(window, IDC_SETUP_AGE), u"15");
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(window, IDC_SETUP_ROLE)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, IDC_SETUP_ROLE)));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(window, IDC_SETUP_ROLE_LABEL)));
    const RECT label = ClientRectOf(window, GetDlgItem(window, IDC_SETUP_ROLE_LABEL));
    EXPECT_EQ(ClientRectOf(window, GetDlgItem(window, IDOK)).top, label.top);
    EXPECT_EQ(ClientRectOf(window, GetDlgItem(window, IDCANCEL)).top, label.top);
    RECT rect{};
    GetWindowRect(window, &rect);
    EXPECT_LT(rect.bottom - rect.top, fullHeight);
    Screenshot(window, "account_setup_existing");
    Click(window, IDOK);
    EXPECT_TRUE(IsWindowVisible(window)) << "refused: the dialog stays";
    EXPECT_EQ(config->Accounts().Accounts().at(u"S-1-5-21-7-1001").account->birthYear, 2000);
    model.host.grantAccess = true;
    Click(window, IDOK);
  });
  ASSERT_EQ(result, IDOK);
  SYSTEMTIME now{};
  GetLocalTime(&now);
  EXPECT_EQ(config->Accounts().Accounts().at(u"S-1-5-21-7-1001").account->birthYear, now.wYear - 15);
  EXPECT_EQ(config->Roles().Roles().at(u"PC.kid").role->Categories(),
            config->Roles().GetPredefinedRoles(0)->at(u"@Teen").role->Categories());
}

TEST_F(AccountInitDialogTest, ANewAccountWithoutAMatchingTemplateStaysOpenAndCancelChangesNothing) {
  const std::string before = Model();
  CAccountInitDlg dialog = Make();
  dialog.SetNewAccount();
  const INT_PTR result = Run(dialog, [&] {
    HWND window = dialog.GetSafeHwnd();
    EXPECT_EQ(dialog.HelpContext(), CAccountInitDlg::kHelpNewAccount);
    TypeAge(window, L"130");
    Click(window, IDOK);
    EXPECT_TRUE(IsWindowVisible(window)) << "no template holds 130";
    Click(window, IDCANCEL);
  });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_EQ(Model(), before);
}

}  // namespace
