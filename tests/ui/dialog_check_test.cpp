// Every dialog template of the plug-in, in English and in German, created from the real
// library and measured in its own font by the system: each text fits its control, no two
// controls share an access key (a tab page shares its dialog's), every control that takes
// input is reached by Tab and named by a label just before it, no controls overlap, and
// the dialog fits a 1024 x 768 screen. CTest runs it at 96 and again at 144 dots per inch,
// in a prefix of its own (PARENTAL_EXPECTED_DPI says which). The host's own dialogs (in this
// program) and its picker's, in both languages, are checked the same way but for labels:
// their lists are named by texts they fill in when they open.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <cstdlib>
#include <memory>
#include <map>
#include <string>
#include <vector>

#include "common/text.h"
#include "computer/picker_resources.h"
#include "res/dialogs/account_config_ids.h"
#include "ui/dialog_check.h"
#include "ui/host_dialogs.h"

namespace {

struct Library {
  const char* language;
  const wchar_t* path;
};
const Library kLibraries[] = {{"en", PLUGIN_DLL}, {"de", GERMAN_DLL}};

// Tab pages shown inside another dialog: their access keys are that dialog's too.
const std::multimap<int, int> kTabPages{{IDD_ACCOUNT_CONFIG, IDD_ACCOUNT_CONFIG_CATEGORIES},
                                        {IDD_ACCOUNT_CONFIG, IDD_ACCOUNT_CONFIG_EXCEPTIONS}};

// dialog_check/<language>_<dots per inch>_<dialog>.png in the test folder.
std::u16string ShotPathOf(const std::string& language, const std::string& dialog) {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  CreateDirectoryW(SHOTS_DIR, nullptr);
  const std::string name = language + "_" + std::to_string(dpi) + "_" + dialog;
  return parental::common::AsText(SHOTS_DIR) + (u"\\" + parental::common::FromUtf8(name) + u".png");
}

class DialogCheckTest : public ::testing::TestWithParam<Library> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(controls_.active()) << GetLastError();
    module_ = LoadLibraryExW(GetParam().path, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(module_) << GetLastError();
  }
  void TearDown() override {
    if (module_) FreeLibrary(module_);
  }

  std::vector<int> DialogIds() const {
    std::vector<int> ids;
    EnumResourceNamesW(
        module_, MAKEINTRESOURCEW(5),
        [](HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found) -> BOOL {
          if (IS_INTRESOURCE(name)) reinterpret_cast<std::vector<int>*>(found)->push_back(int(LOWORD(name)));
          return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&ids));
    return ids;
  }

  std::u16string ShotPath(int dialog) const { return ShotPathOf(GetParam().language, std::to_string(dialog)); }

  std::string Where(int dialog) const { return std::string(GetParam().language) + " dialog " + std::to_string(dialog); }

  dialog_check::CommonControls6 controls_{PLUGIN_DLL};
  HMODULE module_ = nullptr;
};

std::string Join(const std::vector<std::string>& problems) {
  std::string text;
  for (const std::string& problem : problems) text += "\n  " + problem;
  return text;
}

TEST_P(DialogCheckTest, TheDisplayHasTheExpectedDotsPerInch) {
  const char* expected = std::getenv("PARENTAL_EXPECTED_DPI");
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSY), expected ? std::atoi(expected) : 96);
  ReleaseDC(nullptr, screen);
}

TEST_P(DialogCheckTest, TextsFitInputsAreReachedAndNamedAndDialogsFitTheScreen) {
  const std::vector<int> ids = DialogIds();
  ASSERT_EQ(ids.size(), 12u) << "the plug-in's dialogs: 500 to 502 and 2000 to 2023";
  std::vector<std::string> problems;
  for (int id : ids) {
    dialog_check::OpenDialog dialog(module_, id);
    ASSERT_TRUE(dialog.window()) << Where(id);
    dialog_check::CheckTexts(dialog, Where(id), problems);
    dialog_check::CheckInputs(dialog, Where(id), problems);
    dialog_check::CheckLayout(dialog, Where(id), problems);
    dialog_check::CheckScreenFit(dialog, Where(id), problems);
    EXPECT_TRUE(dialog.Screenshot(ShotPath(id))) << Where(id);
    // Access keys, with those of the tab pages shown inside this dialog.
    std::vector<const dialog_check::OpenDialog*> together{&dialog};
    std::vector<std::unique_ptr<dialog_check::OpenDialog>> pages;
    auto [first, last] = kTabPages.equal_range(id);
    if (first == last) dialog_check::CheckAccessKeys(together, Where(id), problems);
    for (auto page = first; page != last; ++page) {
      pages.push_back(std::make_unique<dialog_check::OpenDialog>(module_, page->second));
      together = {&dialog, pages.back().get()};
      dialog_check::CheckAccessKeys(together, Where(id) + " with its page " + std::to_string(page->second), problems);
    }
  }
  EXPECT_TRUE(problems.empty()) << Join(problems);
}

TEST_P(DialogCheckTest, TheTranslationHoldsTheEnglishControls) {
  // Ids, window classes and styles as the plug-in's code expects them; texts and places differ.
  HMODULE english = LoadLibraryExW(PLUGIN_DLL, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_TRUE(english);
  std::vector<std::string> problems;
  for (int id : DialogIds()) {
    dialog_check::OpenDialog mine(module_, id), theirs(english, id);
    ASSERT_TRUE(mine.window() && theirs.window()) << Where(id);
    const auto a = mine.Controls(), b = theirs.Controls();
    if (a.size() != b.size()) {
      problems.push_back(Where(id) + ": " + std::to_string(a.size()) + " controls, English " + std::to_string(b.size()));
      continue;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
      if (GetDlgCtrlID(a[i]) != GetDlgCtrlID(b[i]) || dialog_check::Kind(a[i]) != dialog_check::Kind(b[i]) ||
          GetWindowLongW(a[i], GWL_STYLE) != GetWindowLongW(b[i], GWL_STYLE)) {
        problems.push_back(Where(id) + ", control " + std::to_string(i) + " (" + dialog_check::Describe(a[i]) +
                           ") differs from the English " + dialog_check::Describe(b[i]));
      }
    }
  }
  FreeLibrary(english);
  EXPECT_TRUE(problems.empty()) << Join(problems);
}

TEST(DialogCheck, TheHostsDialogsFitInBothLanguages) {
  dialog_check::CommonControls6 controls(PLUGIN_DLL);
  HMODULE picker = LoadLibraryExW(PICKER_DLL, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_TRUE(picker) << GetLastError();
  const struct {
    HMODULE module;
    int id;
    const char* name;
  } dialogs[] = {{GetModuleHandleW(nullptr), IDD_SETUP_WINDOW, "host_setup"},
                 {GetModuleHandleW(nullptr), IDD_PASSWORD_PROMPT, "host_password_prompt"},
                 {GetModuleHandleW(nullptr), IDD_PASSWORD_SET, "host_password"},
                 {GetModuleHandleW(nullptr), IDD_LOG_WINDOW, "host_log"},
                 {picker, IDD_PICKER, "host_picker"}};
  const struct {
    const char* code;
    LANGID id;
  } languages[] = {{"en", MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)}, {"de", MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN)}};
  std::vector<std::string> problems;
  for (const auto& language : languages) {
    for (const auto& expected : dialogs) {
      const std::string where = std::string(language.code) + " " + expected.name;
      dialog_check::OpenDialog dialog(expected.module, expected.id, language.id);
      ASSERT_TRUE(dialog.window()) << where << ": no template in this language";
      dialog_check::CheckTexts(dialog, where, problems);
      dialog_check::CheckAccessKeys({&dialog}, where, problems);
      dialog_check::CheckLayout(dialog, where, problems);
      dialog_check::CheckScreenFit(dialog, where, problems);
      EXPECT_TRUE(dialog.Screenshot(ShotPathOf(language.code, expected.name))) << where;
    }
  }
  FreeLibrary(picker);
  EXPECT_TRUE(problems.empty()) << Join(problems);
}

TEST(DialogCheck, FindsTheFaultsItLooksFor) {
  // Dialog 900 of this program: a text too wide, a shared access key, an unlabelled edit,
  // one that Tab does not reach, one on top of it, and more than a screen's size.
  dialog_check::CommonControls6 controls(PLUGIN_DLL);
  std::vector<std::string> problems;
  dialog_check::OpenDialog faulty(GetModuleHandleW(nullptr), 900);
  ASSERT_TRUE(faulty.window());
  dialog_check::CheckTexts(faulty, "faulty", problems);
  dialog_check::CheckInputs(faulty, "faulty", problems);
  dialog_check::CheckAccessKeys({&faulty}, "faulty", problems);
  dialog_check::CheckLayout(faulty, "faulty", problems);
  dialog_check::CheckScreenFit(faulty, "faulty", problems);
  const std::string all = Join(problems);
  EXPECT_NE(all.find("control 901 \"&Far too long a text for this button\""), std::string::npos) << all;
  EXPECT_NE(all.find("access key F"), std::string::npos) << all;
  EXPECT_NE(all.find("control 903 (Edit) has no label"), std::string::npos) << all;
  EXPECT_NE(all.find("control 904 (Edit) is not reached by Tab"), std::string::npos) << all;
  EXPECT_NE(all.find("larger than 1024 x 768"), std::string::npos) << all;
  EXPECT_NE(all.find("control 907 \"Over\" overlaps control 904 (Edit)"), std::string::npos) << all;
  EXPECT_EQ(problems.size(), 6u) << all;
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, DialogCheckTest, ::testing::ValuesIn(kLibraries),
                         [](const ::testing::TestParamInfo<Library>& info) { return std::string(info.param.language); });

}  // namespace
