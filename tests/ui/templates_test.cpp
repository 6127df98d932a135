// The English dialog templates of the setup pages and forms, read from the plug-in and its
// language library and laid out by the system: the controls of each table in reading
// order, one access key per control, labels just before what they name. (Texts that fit
// and controls that do not overlap, in both languages: dialog_check_test.cpp.)
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include <commctrl.h>

#include "res/dialogs/account_form.h"
#include "res/dialogs/accounts_page.h"
#include "res/dialogs/categories_page.h"
#include "res/dialogs/exceptions_page.h"
#include "res/dialogs/general_page.h"
#include "res/dialogs/url_exception_form.h"

namespace {

struct Control {
  int id;
  const wchar_t* kind;  // window class
  const wchar_t* text;
};
struct Dialog {
  int id;
  std::vector<Control> controls;  // in tab (z) order
};

const wchar_t kDescription[] =
    L"The Parental control allows you to configure parental control settings, which provide parents with "
    L"automated tools to help protect their children and set restrictions for using devices and services.";

const std::vector<Dialog>& Dialogs() {
  static const std::vector<Dialog> dialogs{
      {IDD_GENERAL_PAGE,
       {{-1, L"Button", L"Parental control"},
        {-1, L"Static", kDescription},
        {IDC_GENERAL_INTEGRATE, L"Button", L"&Integrate into system"}}},
      {IDD_ACCOUNTS_PAGE,
       {{IDC_ACCOUNTS_GROUP, L"Button", L"Acco&unts"},
        {IDC_ACCOUNTS_LIST, L"SysListView32", L""},
        {IDC_ACCOUNTS_ADD, L"Button", L"&Add"},
        {IDC_ACCOUNTS_REMOVE, L"Button", L"&Remove"},
        {IDC_ACCOUNTS_EDIT, L"Button", L"&Edit"}}},
      {IDD_CATEGORIES_PAGE,
       {{IDC_CATEGORIES_ACCOUNT_LABEL, L"Static", L"&Account:"},
        {IDC_CATEGORIES_ACCOUNT, L"ComboBox", L""},
        {IDC_CATEGORIES_GROUP, L"Button", L"&Categories"},
        {IDC_CATEGORIES_TREE, L"SysTreeView32", L""}}},
      {IDD_EXCEPTIONS_PAGE,
       {{IDC_EXCEPTIONS_ACCOUNT_LABEL, L"Static", L"Accoun&t:"},
        {IDC_EXCEPTIONS_ACCOUNT, L"ComboBox", L""},
        {IDC_EXCEPTIONS_GROUP, L"Button", L"E&xceptions"},
        {IDC_EXCEPTIONS_LIST, L"SysListView32", L""},
        {IDC_EXCEPTIONS_ADD, L"Button", L"&Add"},
        {IDC_EXCEPTIONS_REMOVE, L"Button", L"&Remove"},
        {IDC_EXCEPTIONS_EDIT, L"Button", L"&Edit"}}},
      {IDD_ACCOUNT_FORM,
       {{IDC_ACCOUNT_GROUP, L"Button", L"&Account"},
        {IDC_ACCOUNT_NAME, L"Edit", L""},
        {IDC_ACCOUNT_CHOOSE, L"Button", L"C&hoose"},
        {-1, L"Static", L"A&ge:"},
        {IDC_ACCOUNT_AGE, L"Edit", L""},
        {IDC_ACCOUNT_AGE_SPIN, L"msctls_updown32", L""},
        {IDC_ACCOUNT_COPY, L"Button", L"Co&py categories from a role"},
        {IDC_ACCOUNT_ROLE_LABEL, L"Static", L"&Role:"},
        {IDC_ACCOUNT_ROLE, L"ComboBox", L""},
        {IDOK, L"Button", L"OK"},
        {IDCANCEL, L"Button", L"Cancel"}}},
      {IDD_URL_EXCEPTION_FORM,
       {{IDC_URL_EXCEPTION_GROUP, L"Button", L"U&RL exception"},
        {IDC_URL_EXCEPTION_URL, L"Edit", L""},
        {-1, L"Static", L"&State"},
        {IDC_URL_EXCEPTION_STATE, L"ComboBox", L""},
        {IDOK, L"Button", L"OK"},
        {IDCANCEL, L"Button", L"Cancel"}}},
  };
  return dialogs;
}

INT_PTR CALLBACK NoHandling(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

std::wstring Text(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return text;
}

std::wstring Kind(HWND window) {
  wchar_t kind[64] = {};
  GetClassNameW(window, kind, 64);
  return kind;
}

wchar_t AccessKey(const std::wstring& text) {
  std::size_t at = text.find(L'&');
  return at == std::wstring::npos || at + 1 == text.size() ? 0 : towupper(text[at + 1]);
}

RECT Rect(HWND window, HWND dialog) {
  RECT rect;
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

class TemplatesTest : public ::testing::TestWithParam<const wchar_t*> {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX init{sizeof(init), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&init);
    module_ = LoadLibraryExW(GetParam(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(module_) << GetLastError();
    parent_ = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr, nullptr, nullptr);
  }
  void TearDown() override {
    DestroyWindow(parent_);
    FreeLibrary(module_);
  }
  HWND Create(int id) {
    HRSRC found = FindResourceW(module_, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5));
    if (!found) return nullptr;
    auto* dialog = static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(module_, found)));
    return CreateDialogIndirectParamW(GetModuleHandleW(nullptr), dialog, parent_, &NoHandling, 0);
  }

  HMODULE module_ = nullptr;
  HWND parent_ = nullptr;
};

TEST_P(TemplatesTest, EachDialogHoldsItsControlsInReadingOrderWithDistinctAccessKeys) {
  for (const Dialog& expected : Dialogs()) {
    SCOPED_TRACE(expected.id);
    HWND dialog = Create(expected.id);
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(GetWindowLongW(dialog, GWL_STYLE) & WS_CHILD) << "shown inside a host window";
    std::vector<HWND> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
      children.push_back(child);
    ASSERT_EQ(children.size(), expected.controls.size());
    std::set<wchar_t> keys;
    for (std::size_t i = 0; i < children.size(); ++i) {
      const Control& control = expected.controls[i];
      EXPECT_EQ(GetDlgCtrlID(children[i]), control.id) << i;
      EXPECT_EQ(Kind(children[i]), control.kind) << i;
      EXPECT_EQ(Text(children[i]), control.text) << i;
      if (wchar_t key = AccessKey(control.text)) {
        EXPECT_TRUE(keys.insert(key).second) << "access key " << char(key) << " twice";
        // A label's key goes to the next control in tab order, which must be the one after it.
        const LONG style = GetWindowLongW(children[i], GWL_STYLE);
        if (!(style & WS_TABSTOP)) {
          ASSERT_LT(i + 1, children.size());
          EXPECT_TRUE(GetWindowLongW(children[i + 1], GWL_STYLE) & WS_TABSTOP) << "the control labelled " << i;
        }
      }
    }
    // Tab order follows the reading order: rows top to bottom, within a row left to right.
    RECT previous{-1, -1, -1, -1};
    for (HWND child : children) {
      if (!(GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP)) continue;
      RECT rect = Rect(child, dialog);
      const bool sameRow = rect.top < previous.bottom && previous.top < rect.bottom;
      EXPECT_TRUE(sameRow ? rect.left > previous.left : rect.top >= previous.bottom) << GetDlgCtrlID(child);
      previous = rect;
    }
    DestroyWindow(dialog);
  }
}

TEST_P(TemplatesTest, TheLanguageLibraryHoldsTheSameDialogs) {
  HMODULE other = LoadLibraryExW(PLUGIN_DLL, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_TRUE(other);
  for (const Dialog& expected : Dialogs()) {
    HRSRC mine = FindResourceW(module_, MAKEINTRESOURCEW(expected.id), MAKEINTRESOURCEW(5));
    HRSRC theirs = FindResourceW(other, MAKEINTRESOURCEW(expected.id), MAKEINTRESOURCEW(5));
    ASSERT_TRUE(mine && theirs) << expected.id;
    ASSERT_EQ(SizeofResource(module_, mine), SizeofResource(other, theirs));
    EXPECT_EQ(std::memcmp(LockResource(LoadResource(module_, mine)), LockResource(LoadResource(other, theirs)),
                          SizeofResource(module_, mine)),
              0)
        << expected.id;
  }
  FreeLibrary(other);
}

INSTANTIATE_TEST_SUITE_P(BothLibraries, TemplatesTest, ::testing::Values(PLUGIN_DLL, LANG_DLL));

}  // namespace
