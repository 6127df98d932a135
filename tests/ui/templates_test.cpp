// The setup pages' and forms' dialog templates, laid out by the system from the plug-in:
// shown inside a host window, and Tab walks their controls in reading order. (Texts that
// fit, access keys, labels and reachability, in both languages: dialog_check_test.cpp.)
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include "res/dialogs/account_form.h"
#include "res/dialogs/accounts_page.h"
#include "res/dialogs/categories_page.h"
#include "res/dialogs/exceptions_page.h"
#include "res/dialogs/general_page.h"
#include "res/dialogs/url_exception_form.h"

namespace {

const int kDialogs[] = {IDD_GENERAL_PAGE,    IDD_ACCOUNTS_PAGE, IDD_CATEGORIES_PAGE,
                        IDD_EXCEPTIONS_PAGE, IDD_ACCOUNT_FORM,  IDD_URL_EXCEPTION_FORM};

INT_PTR CALLBACK NoHandling(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

RECT Rect(HWND window, HWND dialog) {
  RECT rect;
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

class TemplatesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX init{sizeof(init), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&init);
    module_ = LoadLibraryExW(PLUGIN_DLL, nullptr, LOAD_LIBRARY_AS_DATAFILE);
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

TEST_F(TemplatesTest, EachDialogIsAChildWhoseTabOrderFollowsTheReadingOrder) {
  for (int id : kDialogs) {
    SCOPED_TRACE(id);
    HWND dialog = Create(id);
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(GetWindowLongW(dialog, GWL_STYLE) & WS_CHILD) << "shown inside a host window";
    // Rows top to bottom, within a row left to right.
    RECT previous{-1, -1, -1, -1};
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      if (!(GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP)) continue;
      RECT rect = Rect(child, dialog);
      const bool sameRow = rect.top < previous.bottom && previous.top < rect.bottom;
      EXPECT_TRUE(sameRow ? rect.left > previous.left : rect.top >= previous.bottom) << GetDlgCtrlID(child);
      previous = rect;
    }
    DestroyWindow(dialog);
  }
}

}  // namespace
