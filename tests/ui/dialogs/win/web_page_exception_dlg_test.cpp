// The web-page exception dialog through its real windows: the accounts listed by name,
// marks that follow the typed URL and toggle on a click, "OK" and resizing.
#include "category_dialog_access.h"
#include "dialog_driver.h"
#include "res/dialogs/web_page_exception_ids.h"
#include "ui/dialogs/web_page_exception_dlg.h"

using namespace dialogtest;
using namespace parental::corvui;

namespace {

class WebPageExceptionDialogTest : public ConfigFixture {
 protected:
  void SetUp() override {
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
    GetComputerNameW(name, &size);
    const std::u16string computer = reinterpret_cast<const char16_t*>(name);
    CConfigManagerRole& roles = config->Roles();
    for (const char16_t* key : {u"PC.anna", u"PC.ben", u"OFFICE.carla", u"PC.gone"}) ASSERT_TRUE(roles.CreateRole(key, u"", {}));
    config->Accounts().AddAccount(u"S-1-5-21-7-1001", u"PC.anna", 1, 2012);
    config->Accounts().AddAccount(u"S-1-5-21-7-1002", u"PC.ben", 1, 2015);
    config->Accounts().AddAccount(u"S-1-5-21-9-1003", u"OFFICE.carla", 1, 2009);
    config->Accounts().AddAccount(u"S-1-5-21-7-1004", u"PC.gone", 1, 2009);
    model.service.names[u"S-1-5-21-7-1001"] = {u"anna", computer};
    model.service.names[u"S-1-5-21-7-1002"] = {u"ben", computer};
    model.service.names[u"S-1-5-21-9-1003"] = {u"carla", u"OFFICE"};
    roles.AddException(u"PC.ben", "games.example/", 1, nullptr);
  }
  std::vector<std::pair<std::u16string, bool>> Marks(CExceptionConfigDlg& dialog) {
    std::vector<std::pair<std::u16string, bool>> marks;
    for (const AccountMark& m : dialog.Rules().Entries()) marks.emplace_back(m.displayName, m.allowed);
    return marks;
  }
  CListBoxAdv& List(CExceptionConfigDlg& dialog) {
    return *static_cast<CListBoxAdv*>(CWnd::FromHandle(GetDlgItem(dialog.GetSafeHwnd(), IDC_WEB_PAGE_ACCOUNTS)));
  }
  using Marked = std::vector<std::pair<std::u16string, bool>>;
};

TEST_F(WebPageExceptionDialogTest, MarksFollowTheUrlToggleOnAClickAndOkWritesThem) {
  CExceptionConfigDlg dialog(owner, config->Roles(), config->Accounts().Accounts(), model.service, model.codePage);
  const INT_PTR result = RunModal(dialog, [&] { return dialog.DoModal(); }, [&] {
    HWND window = dialog.GetSafeHwnd();
    EXPECT_EQ(WindowText(window), u"Web page exceptions");
    EXPECT_EQ(dialog.HelpContext(), CExceptionConfigDlg::kHelpContext);
    EXPECT_EQ(Marks(dialog), (Marked{{u"anna", false}, {u"ben", false}, {u"OFFICE\\carla", false}}));
    EXPECT_EQ(List(dialog).ItemCount(), 3);
    SetDlgItemTextW(window, IDC_WEB_PAGE_URL, L"games.example/");
    EXPECT_EQ(Marks(dialog), (Marked{{u"anna", false}, {u"ben", true}, {u"OFFICE\\carla", false}}));
    SendDlgItemMessageW(window, IDC_WEB_PAGE_ACCOUNTS, LB_SETCURSEL, 2, 0);
    ClickMark(List(dialog), 2);
    EXPECT_EQ(Marks(dialog), (Marked{{u"anna", false}, {u"ben", true}, {u"OFFICE\\carla", true}}));
    EXPECT_EQ(List(dialog).GetItem(2)->image, List(dialog).GetItem(1)->image) << "the allowed mark";
    Screenshot(window, "web_page_exception");

    GrowAndCheckLayout(window, IDC_WEB_PAGE_ACCOUNTS, 160, 120);
    Screenshot(window, "web_page_exception_resized");
    Click(window, IDOK);
  });
  ASSERT_EQ(result, IDOK);
  auto exceptions = [&](const char16_t* key) {
    std::vector<std::pair<std::string, std::uint32_t>> list;
    for (const auto& e : config->Roles().Roles().at(key).role->Exceptions()) list.emplace_back(e.url, e.state);
    return list;
  };
  using Stored = std::vector<std::pair<std::string, std::uint32_t>>;
  EXPECT_EQ(exceptions(u"PC.anna"), (Stored{{"games.example/", 0}}));
  EXPECT_EQ(exceptions(u"PC.ben"), (Stored{{"games.example/", 1}}));
  EXPECT_EQ(exceptions(u"OFFICE.carla"), (Stored{{"games.example/", 1}}));
  EXPECT_TRUE(exceptions(u"PC.gone").empty()) << "an account whose name does not resolve is left out";
}

}  // namespace
