// The account dialogs for users of the keyboard and of screen readers: every control named
// for an accessibility client, and one road through each dialog with keys alone (SendInput),
// the focus visible at every step.
#include <oleacc.h>

#include <map>

#include "support/accessible_names.h"
#include "category_dialog_access.h"
#include "dialog_driver.h"
#include "res/dialogs/account_config_ids.h"
#include "res/dialogs/account_setup_ids.h"
#include "res/dialogs/web_page_exception_ids.h"
#include "ui/dialogs/account_init_dlg.h"
#include "ui/dialogs/web_page_exception_dlg.h"

using namespace dialogtest;
using namespace parental::corvui;

namespace {

// The focus is on a visible control of `dialog`, and the dialog does not hide focus marks.
void ExpectFocusVisible(HWND dialog, const char* step) {
  HWND focus = GetFocus();
  EXPECT_TRUE(focus && IsChild(dialog, focus) && IsWindowVisible(focus)) << step;
  EXPECT_FALSE(SendMessageW(dialog, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) << step;
}

// A key with a modifier (0 for none), then the dialog's loop runs.
void Key(HWND dialog, WORD key, WORD modifier = 0) {
  wintest::PressWith(modifier, key);
  PumpDialog(dialog);
}

void Type(HWND dialog, const wchar_t* text) {
  wintest::TypeKeys(text);
  PumpDialog(dialog, 120);
}

std::string Join(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += "\n  " + line;
  return text;
}

class DialogKeyboardTest : public ConfigFixture {
 protected:
  void SetUp() override {
    CConfigManagerRole& roles = config->Roles();
    ASSERT_TRUE(roles.CreateAccountRole(u"anna", u"PC", u"", roles.GetPredefinedRoles(0)->at(u"@Teen").role));
    config->Accounts().AddAccount(u"S-1-5-21-7-1001", u"PC.anna", 1, 2012);
    model.service.names[u"S-1-5-21-7-1001"] = {u"anna", u"PC"};
  }
  const std::vector<parental::core::RoleException>& Exceptions() { return config->Roles().Roles().at(u"PC.anna").role->Exceptions(); }
};

TEST_F(DialogKeyboardTest, EveryControlOfEveryDialogHasANameForAScreenReader) {
  CAccountConfigDlg configDialog(owner, *config, u"PC.anna");
  RunModal(configDialog, [&] { return configDialog.DoModal(); }, [&] {
    HWND window = configDialog.GetSafeHwnd();
    EXPECT_EQ(Join(wintest::NamingFaults(window)), "") << "categories tab";
    // The grid names each category for the client through its own object.
    const auto controls = wintest::AccessibleControls(configDialog.Grid().Control().GetSafeHwnd());
    ASSERT_EQ(controls.size(), 0u) << "the grid is one control without child windows";
    IAccessible* grid = nullptr;
    ASSERT_EQ(AccessibleObjectFromWindow(configDialog.Grid().Control().GetSafeHwnd(), DWORD(OBJID_CLIENT),
                                         __uuidof(IAccessible), reinterpret_cast<void**>(&grid)),
              S_OK);
    long children = 0;
    grid->get_accChildCount(&children);
    EXPECT_GE(children, 46) << "a check box for each category";
    grid->Release();
    configDialog.SelectTab(1);
    EXPECT_EQ(Join(wintest::NamingFaults(window)), "") << "exceptions tab";
    Click(window, IDCANCEL);
  });
  CExceptionConfigDlg webDialog(owner, config->Roles(), config->Accounts().Accounts(), model.service, model.codePage);
  RunModal(webDialog, [&] { return webDialog.DoModal(); }, [&] {
    EXPECT_EQ(Join(wintest::NamingFaults(webDialog.GetSafeHwnd())), "");
    Click(webDialog.GetSafeHwnd(), IDCANCEL);
  });
  CAccountInitDlg setupDialog(owner, config->Roles(), config->Accounts(), u"PC", u"kid", u"S-1-5-21-7-1002");
  RunModal(setupDialog, [&] { return setupDialog.DoModal(); }, [&] {
    EXPECT_EQ(Join(wintest::NamingFaults(setupDialog.GetSafeHwnd())), "");
    Click(setupDialog.GetSafeHwnd(), IDCANCEL);
  });
}

TEST_F(DialogKeyboardTest, AccountSetupByKeys) {
  // Age 10 typed after the age's access key (the role follows the age), the role list
  // reached by its key and moved one entry down, Enter: the account gets that role.
  CAccountInitDlg dialog(owner, config->Roles(), config->Accounts(), u"PC", u"kid", u"S-1-5-21-7-1002");
  std::u16string byAge, chosen;
  const INT_PTR result = RunModal(dialog, [&] { return dialog.DoModal(); }, [&] {
    HWND window = dialog.GetSafeHwnd();
    Key(window, 'A', VK_MENU);
    ExpectFocusVisible(window, "age");
    EXPECT_EQ(GetFocus(), GetDlgItem(window, IDC_SETUP_AGE));
    Type(window, L"10");
    byAge = CWnd::FromHandle(GetDlgItem(window, IDC_SETUP_ROLE))->GetWindowText();
    Key(window, 'R', VK_MENU);
    ExpectFocusVisible(window, "role");
    EXPECT_EQ(GetFocus(), GetDlgItem(window, IDC_SETUP_ROLE));
    Key(window, VK_DOWN);
    chosen = CWnd::FromHandle(GetDlgItem(window, IDC_SETUP_ROLE))->GetWindowText();
    Key(window, VK_RETURN);
  });
  ASSERT_EQ(result, IDOK);
  EXPECT_EQ(byAge, u"Preteen (9 to 12 years)");
  const std::map<std::u16string, std::u16string> keys{{u"Child (up to 8 years)", u"@Child"},
                                                      {u"Preteen (9 to 12 years)", u"@Preteen"},
                                                      {u"Teenager (13 to 17 years)", u"@Teen"},
                                                      {u"Adult (18 years and older)", u"@Adult"}};
  ASSERT_TRUE(keys.count(chosen) && chosen != byAge) << "Down chose another role";
  const auto& roles = config->Roles();
  EXPECT_EQ(roles.Roles().at(u"PC.kid").role->Categories(),
            roles.GetPredefinedRoles(0)->at(keys.at(chosen)).role->Categories());
}

TEST_F(DialogKeyboardTest, WebPageExceptionByKeys) {
  // An address typed into the URL field, the account list reached by its key, its mark
  // toggled with Space, Enter.
  CExceptionConfigDlg dialog(owner, config->Roles(), config->Accounts().Accounts(), model.service, model.codePage);
  const INT_PTR result = RunModal(dialog, [&] { return dialog.DoModal(); }, [&] {
    HWND window = dialog.GetSafeHwnd();
    Key(window, 'U', VK_MENU);
    ExpectFocusVisible(window, "url");
    EXPECT_EQ(GetFocus(), GetDlgItem(window, IDC_WEB_PAGE_URL));
    Type(window, L"keys.example/");
    Key(window, 'A', VK_MENU);
    ExpectFocusVisible(window, "accounts");
    EXPECT_EQ(GetFocus(), GetDlgItem(window, IDC_WEB_PAGE_ACCOUNTS));
    Key(window, VK_DOWN);
    Key(window, VK_SPACE);
    Key(window, VK_RETURN);
  });
  ASSERT_EQ(result, IDOK);
  ASSERT_EQ(Exceptions().size(), 1u);
  EXPECT_EQ(Exceptions()[0].url, "keys.example/");
  EXPECT_EQ(Exceptions()[0].state, 1u) << "allowed by Space";
}

TEST_F(DialogKeyboardTest, AccountConfigurationByKeys) {
  // Tab to the tabs, Right to the exceptions, an address by its key, "Block" by the state's
  // key and Down, Add by its key, Enter.
  CAccountConfigDlg dialog(owner, *config, u"PC.anna");
  const INT_PTR result = RunModal(dialog, [&] { return dialog.DoModal(); }, [&] {
    HWND window = dialog.GetSafeHwnd();
    HWND tabs = GetDlgItem(window, IDC_CONFIG_TABS);
    for (int i = 0; i < 80 && GetFocus() != tabs; ++i) Key(window, VK_TAB);
    ASSERT_EQ(GetFocus(), tabs) << "Tab reaches the tabs";
    ExpectFocusVisible(window, "tabs");
    Key(window, VK_RIGHT);
    ASSERT_TRUE(dialog.ExceptionsTab().IsWindowVisible());
    HWND tab = dialog.ExceptionsTab().GetSafeHwnd();
    Key(window, 'R', VK_MENU);
    ExpectFocusVisible(window, "url");
    EXPECT_EQ(GetFocus(), GetDlgItem(tab, IDC_EXCEPTIONS_URL));
    Type(window, L"keys.example/");
    Key(window, 'S', VK_MENU);
    EXPECT_EQ(GetFocus(), GetDlgItem(tab, IDC_EXCEPTIONS_STATE));
    Key(window, VK_DOWN);
    Key(window, 'A', VK_MENU);
    ExpectFocusVisible(window, "add");
    Key(window, VK_RETURN);
  });
  ASSERT_EQ(result, IDOK);
  ASSERT_EQ(Exceptions().size(), 1u);
  EXPECT_EQ(Exceptions()[0].url, "keys.example/");
  EXPECT_EQ(Exceptions()[0].state, 0u) << "blocked";
}

}  // namespace
