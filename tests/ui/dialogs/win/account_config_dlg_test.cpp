// The account configuration dialog through its real windows: opening on a seeded role,
// both tabs, resizing, the grid's clicks, scrolling and keys, the exceptions list,
// "&Undo", "OK" with a refused and a granted access and a refused save, "Cancel" and the
// close box.
#include "category_dialog_access.h"
#include "dialog_driver.h"
#include "res/dialogs/account_config_ids.h"

using namespace dialogtest;
using namespace parental::corvui;

namespace {

constexpr char16_t kRole[] = u"PC.anna";

class AccountConfigDialogTest : public ConfigFixture {
 protected:
  void SetUp() override {
    CConfigManagerRole& roles = config->Roles();
    ASSERT_TRUE(roles.CreateAccountRole(u"anna", u"PC", u"", roles.GetPredefinedRoles(0)->at(u"@Teen").role));
    const char* urls[] = {"games.example/", "chat.example/rooms", "news.example/", "school.example/",
                          "video.example/kids", "shop.example/", "music.example/", "forum.example/help",
                          "maps.example/", "wiki.example/", "mail.example/", "dating.example/"};
    for (int i = 0; i < 12; ++i) ASSERT_TRUE(roles.AddException(kRole, urls[i], i % 3 ? 1 : 0, nullptr));
    config->Accounts().AddAccount(u"S-1-5-21-7-1001", kRole, 1, 2012);
    ASSERT_TRUE(config->Save());
    model.host.submittedTexts.clear();
    opening = Model();
  }
  std::vector<bool> RoleChecks(const std::vector<std::uint16_t>& ids) {
    std::vector<bool> checks;
    for (std::uint16_t id : ids) {
      std::uint32_t state = 2;
      checks.push_back(config->Roles().Roles().at(kRole).role->GetCategory(id, &state) && state == 1);
    }
    return checks;
  }
  std::vector<std::u16string> ListTexts(CAccountConfigDlg& dialog) {
    std::vector<std::u16string> texts;
    CListBoxAdv& list = dialog.ExceptionsTab().List();
    for (int i = 0; i < list.ItemCount(); ++i) texts.push_back(list.GetItem(i)->text);
    return texts;
  }
  INT_PTR Run(CAccountConfigDlg& dialog, const std::function<void()>& script) {
    return RunModal(dialog, [&] { return dialog.DoModal(); }, script);
  }

  std::string opening;
};

TEST_F(AccountConfigDialogTest, OpensOnTheRoleAndResizesWithButtonsAtTheLowerRight) {
  CAccountConfigDlg dialog(owner, *config, kRole);
  const INT_PTR result = Run(dialog, [&] {
    HWND window = dialog.GetSafeHwnd();
    auto& grid = dialog.Grid();
    ASSERT_EQ(grid.Ids().size(), 46u);
    EXPECT_EQ(grid.Checks(), RoleChecks(grid.Ids()));
    EXPECT_EQ(TabCtrl_GetItemCount(GetDlgItem(window, IDC_CONFIG_TABS)), 2);
    EXPECT_EQ(dialog.HelpContext(), CAccountConfigDlg::kHelpCategories);
    EXPECT_EQ(dialog.ExceptionsTab().Entries().size(), 12u);
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(window, IDC_CONFIG_QUICK_SELECTION)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, IDC_CONFIG_COPY)));
    EXPECT_GT(grid.Scroll().content, grid.Scroll().visible) << "the grid scrolls";
    Screenshot(window, "account_config_categories");
    dialog.SelectTab(1);
    EXPECT_EQ(dialog.HelpContext(), CAccountConfigDlg::kHelpExceptions);
    EXPECT_FALSE(dialog.CategoriesTab().IsWindowVisible());
    EXPECT_EQ(ListTexts(dialog).size(), 12u);
    EXPECT_EQ(ListTexts(dialog).front(), u"games.example/");
    Screenshot(window, "account_config_exceptions");

    const RECT tabs = ClientRectOf(window, GetDlgItem(window, IDC_CONFIG_TABS));
    GrowAndCheckLayout(window, IDC_CONFIG_TABS, 240, 160);
    const RECT page = ClientRectOf(window, dialog.ExceptionsTab().GetSafeHwnd());
    EXPECT_GT(page.right, tabs.right) << "the page follows the tab";
    Screenshot(window, "account_config_exceptions_resized");
    dialog.SelectTab(0);
    Screenshot(window, "account_config_categories_resized");
    Click(window, IDCANCEL);
  });
  EXPECT_EQ(result, IDCANCEL);
}

TEST_F(AccountConfigDialogTest, UndoAfterChangesRestoresTheOpeningStates) {
  CAccountConfigDlg dialog(owner, *config, kRole);
  const INT_PTR result = Run(dialog, [&] {
    HWND window = dialog.GetSafeHwnd();
    const std::vector<bool> checks = dialog.Grid().Checks();
    const std::vector<ExceptionEntry> entries = dialog.ExceptionsTab().Entries();
    ClickCheckBox(dialog.Grid(), 0);
    ClickCheckBox(dialog.Grid(), 1);
    EXPECT_NE(dialog.Grid().Checks(), checks) << "the clicks toggle";
    dialog.SelectTab(1);
    HWND tab = dialog.ExceptionsTab().GetSafeHwnd();
    SetDlgItemTextW(tab, IDC_EXCEPTIONS_URL, L"http://www.added.example/");
    Click(tab, IDC_TAB_EXCEPTIONS_ADD);
    SendMessageW(GetDlgItem(tab, IDC_TAB_EXCEPTIONS_LIST), LB_SETCURSEL, 0, 0);
    Click(tab, IDC_EXCEPTIONS_BOTTOM);
    ClickMark(dialog.ExceptionsTab().List(), 0);
    EXPECT_EQ(dialog.ExceptionsTab().Entries().size(), 13u);
    EXPECT_EQ(ListTexts(dialog)[11], u"added.example/");
    EXPECT_EQ(ListTexts(dialog)[12], u"games.example/");
    Click(window, IDC_CONFIG_UNDO);
    EXPECT_EQ(dialog.Grid().Checks(), checks);
    EXPECT_EQ(dialog.ExceptionsTab().Entries(), entries);
    EXPECT_EQ(ListTexts(dialog).size(), 12u);
    Click(window, IDCANCEL);
  });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_EQ(Model(), opening);
}

TEST_F(AccountConfigDialogTest, OkWritesTheGridAndTheListOnceTheAccessIsGrantedAndTheSaveTaken) {
  model.host.grantAccess = false;
  CAccountConfigDlg dialog(owner, *config, kRole);
  std::uint16_t first = 0;
  bool wasAllowed = false;
  const INT_PTR result = Run(dialog, [&] {
    HWND window = dialog.GetSafeHwnd();
    first = dialog.Grid().Ids()[0];
    wasAllowed = dialog.Grid().Checks()[0];
    ClickCheckBox(dialog.Grid(), 0);
    dialog.SelectTab(1);
    HWND tab = dialog.ExceptionsTab().GetSafeHwnd();
    SetDlgItemTextW(tab, IDC_EXCEPTIONS_URL, L"http://www.News.example/Today");
    SendMessageW(GetDlgItem(tab, IDC_EXCEPTIONS_STATE), CB_SETCURSEL, 1, 0);  // "Block"
    Click(tab, IDC_TAB_EXCEPTIONS_ADD);
    Click(tab, IDC_EXCEPTIONS_TOP);
    Click(window, IDOK);
    EXPECT_TRUE(IsWindowVisible(window)) << "a refused access keeps the dialog open";
    EXPECT_EQ(model.host.accessRequests, 1);
    EXPECT_EQ(Model(), opening) << "nothing reaches the model before OK";
    EXPECT_EQ(ListTexts(dialog).front(), u"news.example/Today");
    model.host.grantAccess = true;
    model.host.refuseSubmissions = true;
    Click(window, IDOK);
    EXPECT_TRUE(IsWindowVisible(window)) << "a refused save keeps the dialog open";
    EXPECT_EQ(Model(), opening) << "with the model as stored";
    EXPECT_EQ(ListTexts(dialog).front(), u"news.example/Today") << "and every edit";
    model.host.refuseSubmissions = false;
    Click(window, IDOK);
  });
  ASSERT_EQ(result, IDOK);
  const auto& role = *config->Roles().Roles().at(kRole).role;
  EXPECT_EQ(*role.Categories().Find(first), wasAllowed ? 0u : 1u);
  EXPECT_EQ(role.Categories().size(), 46u) << "every category of the grid is set";
  ASSERT_EQ(role.Exceptions().size(), 13u);
  EXPECT_EQ(role.Exceptions()[0].url, "news.example/Today");
  EXPECT_EQ(role.Exceptions()[0].state, 0u);
  EXPECT_EQ(role.Exceptions()[1].url, "games.example/");
  ASSERT_FALSE(model.host.submittedTexts.empty());
  EXPECT_NE(model.host.submittedTexts.back().find("news.example/Today"), std::string::npos);
  EXPECT_EQ(ReloadedModel(), Model()) << "the mirror holds what the model holds";
}

TEST_F(AccountConfigDialogTest, CancelAndTheCloseBoxChangeNothing) {
  for (const bool closeBox : {false, true}) {
    CAccountConfigDlg dialog(owner, *config, kRole);
    const INT_PTR result = Run(dialog, [&] {
      ClickCheckBox(dialog.Grid(), 0);
      dialog.SelectTab(1);
      SendMessageW(GetDlgItem(dialog.ExceptionsTab().GetSafeHwnd(), IDC_TAB_EXCEPTIONS_LIST), LB_SETCURSEL, 0, 0);
      ClickMark(dialog.ExceptionsTab().List(), 0);
      if (closeBox) SendMessageW(dialog.GetSafeHwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
      else Click(dialog.GetSafeHwnd(), IDCANCEL);
      PumpDialog(dialog.GetSafeHwnd());
    });
    EXPECT_EQ(result, IDCANCEL) << closeBox;
  }
  EXPECT_EQ(Model(), opening);
  EXPECT_TRUE(model.host.submittedTexts.empty());
  EXPECT_EQ(model.host.accessRequests, 0);
}

TEST_F(AccountConfigDialogTest, TheGridScrollsWithinItsContentAndKeepsEnterAndEscape) {
  CAccountConfigDlg dialog(owner, *config, kRole);
  const INT_PTR result = Run(dialog, [&] {
    auto& grid = dialog.Grid();
    const GridScroll start = grid.Scroll();
    const int last = start.content - start.visible;
    SendMessageW(grid.GetSafeHwnd(), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(grid.Scroll().position, start.content / 100);
    for (int i = 0; i < 20; ++i) SendMessageW(grid.GetSafeHwnd(), WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(grid.Scroll().position, last);
    EXPECT_EQ(GetScrollPos(grid.GetSafeHwnd(), SB_VERT), last);
    EXPECT_EQ(ClientRectOf(grid.GetSafeHwnd(), grid.Control().GetSafeHwnd()).top, -last) << "the content moved";
    SendMessageW(grid.Control().GetSafeHwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(grid.Scroll().position, last - start.content / 10) << "the wheel away from the user: a page up";
    SendMessageW(grid.GetSafeHwnd(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 0), 0);
    EXPECT_EQ(grid.Scroll().position, 0);

    HWND window = dialog.GetSafeHwnd();
    grid.Control().SetFocus();
    PumpDialog(window);
    for (WORD key : {VK_RETURN, VK_ESCAPE}) {
      Press(window, key);
      EXPECT_TRUE(IsWindowVisible(window)) << key;
    }
    Press(window, VK_TAB);
    EXPECT_EQ(GetFocus(), grid.Control().GetSafeHwnd()) << "Tab walks the grid's items first";
    Press(window, VK_TAB, true);
    Press(window, VK_TAB, true);
    EXPECT_NE(GetFocus(), grid.Control().GetSafeHwnd()) << "and the focus can leave the grid";
    Click(dialog.GetSafeHwnd(), IDCANCEL);
  });
  EXPECT_EQ(result, IDCANCEL);
}

}  // namespace
