// The views as the host sees them, in process: the page descriptor, creation through the
// host's template callback, and the tool tips over the tab order only when asked for.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "support/accessible_names.h"
#include "frame/app/plugin_app.h"
#include "parental/substitute_accounts.h"
#include "res/dialogs/account_form.h"
#include "res/dialogs/url_exception_form.h"
#include "ui/setup/accounts_page.h"
#include "ui/setup/categories_page.h"
#include "ui/setup/exceptions_page.h"
#include "ui/setup/general_page.h"

namespace {

using namespace parental::corvui;

// This program carries the plug-in's resources; there is no language library beside it.
class App : public CPluginAppTemplate {
 public:
  App() : CPluginAppTemplate(L"no-language-library.dll") {
    Attach(GetModuleHandleW(nullptr));
    EnsureInitialized();
  }
  ~App() override { Detach(false); }
  CPluginTemplate* CreatePlugin() override { return nullptr; }
};

std::u16string TextAt(std::uint64_t address) { return FromAddress<const char16_t>(address); }

class ViewsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    parent_ = CreateWindowExW(WS_EX_CONTROLPARENT, L"Static", L"", WS_POPUP, 0, 0, 500, 400, nullptr, nullptr, nullptr, nullptr);
  }
  void TearDown() override { DestroyWindow(parent_); }

  App app_;
  HWND parent_ = nullptr;
};

TEST_F(ViewsTest, OnlyTheGeneralPageWritesTheSecondNumber) {
  CConfigViewGeneral general;
  PageInfo info{};
  ASSERT_TRUE(general.GetPageInfo(&info)) << "this Wine's browser is version 5 or later";
  EXPECT_EQ(TextAt(info.title), u"Parental control");
  EXPECT_FALSE(general.GetPageInfo(nullptr));
  SubstituteAccounts accounts;
  CConfigViewAccount page(accounts);
  PageInfo other{};
  other.secondNumber = 77;
  ASSERT_TRUE(page.GetPageInfo(&other));
  EXPECT_EQ(other.secondNumber, 77u);
}

int g_callbacks = 0;
void SmallerFont(IViewTemplate* view) {
  ++g_callbacks;
  EXPECT_TRUE(view->GetStyle() & WS_CHILD);
  EXPECT_TRUE(view->SetFont(u"MS Shell Dlg", 12));
}

TEST_F(ViewsTest, TheHostsCallbackAdjustsTheTemplateAndToolTipsComeOnlyWhenAsked) {
  CConfigViewGeneral plain, quiet, adjusted;
  ASSERT_TRUE(plain.CreateView(parent_, u"General", true, nullptr));
  EXPECT_EQ(plain.Name(), u"General");
  EXPECT_EQ(plain.ToolCount(), 1) << "one tool: the check box, the only control in the tab order";
  EXPECT_TRUE(GetParent(static_cast<HWND>(plain.GetWindow())) == parent_);
  ASSERT_TRUE(quiet.CreateView(parent_, u"General", false, nullptr));
  EXPECT_EQ(quiet.ToolCount(), 0);

  ASSERT_TRUE(adjusted.CreateView(parent_, u"General", true, &SmallerFont));
  EXPECT_EQ(g_callbacks, 1);
  RECT normal, larger;
  GetWindowRect(static_cast<HWND>(plain.GetWindow()), &normal);
  GetWindowRect(static_cast<HWND>(adjusted.GetWindow()), &larger);
  EXPECT_GT(larger.right - larger.left, normal.right - normal.left) << "the larger font makes larger dialog units";
}

TEST_F(ViewsTest, EveryControlOfEveryPageAndFormHasANameForAScreenReader) {
  // Asked through AccessibleObjectFromWindow, as a screen reader asks: buttons, check boxes
  // and group boxes by their texts; lists, trees, edits and combo boxes by the label just
  // before them, which Wine's generic objects do not read for every class (see
  // accessible_names.h).
  SubstituteAccounts accounts;
  CConfigViewGeneral general;
  CConfigViewAccount accountsPage(accounts);
  CConfigViewRoleCategory categories(accounts);
  CConfigViewRoleException exceptions(accounts);
  ShowWindow(parent_, SW_SHOWNOACTIVATE);
  IConfigView* pages[] = {&general, &accountsPage, &categories, &exceptions};
  for (IConfigView* page : pages) {
    ASSERT_TRUE(page->CreateView(parent_, u"Page", false, nullptr));
    HWND window = static_cast<HWND>(page->GetWindow());
    ShowWindow(window, SW_SHOWNOACTIVATE);
    EXPECT_EQ(wintest::NamingFaults(window), std::vector<std::string>()) << GetDlgCtrlID(window);
    EXPECT_GE(wintest::AccessibleControls(window).size(), 3u);
    ShowWindow(window, SW_HIDE);
  }
  // The forms' controls as their templates make them (a form runs only inside the host).
  for (int form : {IDD_ACCOUNT_FORM, IDD_URL_EXCEPTION_FORM}) {
    HWND window = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(form), parent_,
                                     [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
    ASSERT_TRUE(window) << form;
    ShowWindow(window, SW_SHOWNOACTIVATE);
    EXPECT_EQ(wintest::NamingFaults(window), std::vector<std::string>());
    EXPECT_GE(wintest::AccessibleControls(window).size(), 5u);
    DestroyWindow(window);
  }
}

// The report lists' columns (accounts and exceptions pages) are wide enough for their
// headings in the header's font and margins, at 96 and, in the 144-dpi prefix, at 144.
TEST_F(ViewsTest, ListColumnsHoldTheirHeadings) {
  SubstituteAccounts accounts;
  CConfigViewAccount accountsPage(accounts);
  CConfigViewRoleException exceptions(accounts);
  for (IConfigView* page : std::initializer_list<IConfigView*>{&accountsPage, &exceptions}) {
    ASSERT_TRUE(page->CreateView(parent_, u"Page", false, nullptr));
    HWND list = FindWindowExW(static_cast<HWND>(page->GetWindow()), nullptr, WC_LISTVIEWW, nullptr);
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    ASSERT_TRUE(header);
    HDC dc = GetDC(header);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(header, WM_GETFONT, 0, 0)));
    const int margins = 6 * GetSystemMetrics(SM_CXEDGE);
    const int count = int(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    EXPECT_GE(count, 2);
    for (int i = 0; i < count; ++i) {
      wchar_t text[64] = {};
      HDITEMW item{};
      item.mask = HDI_TEXT | HDI_WIDTH;
      item.pszText = text;
      item.cchTextMax = 64;
      SendMessageW(header, HDM_GETITEMW, i, LPARAM(&item));
      SIZE extent{};
      GetTextExtentPoint32W(dc, text, lstrlenW(text), &extent);
      EXPECT_GE(item.cxy, extent.cx + margins) << i;
    }
    SelectObject(dc, old);
    ReleaseDC(header, dc);
  }
}

}  // namespace
