// The application: the language library takes precedence over the plug-in's own strings,
// which fill its gaps; host entries run in the manifest's activation context.
#include <gtest/gtest.h>

#include "frame/app/plugin_app.h"
#include "frame/protocol/process.h"

namespace {

class App : public CPluginAppTemplate {
 public:
  explicit App(const wchar_t* language) : CPluginAppTemplate(language) {
    Attach(GetModuleHandleW(nullptr));  // this test program carries the plug-in's strings
    EnsureInitialized();
  }
  ~App() override { Detach(false); }
  CPluginTemplate* CreatePlugin() override { return nullptr; }
};

TEST(Application, LanguageLibraryTakesPrecedence) {
  App app(L"frame_test_lang.dll");
  ASSERT_NE(app.LanguageModule(), nullptr);
  EXPECT_EQ(app.LoadText(2001), u"Kinderschutz");
  EXPECT_EQ(app.LoadText(2002), u"Parental control setup");  // missing there: own string
  EXPECT_EQ(app.LoadText(1999), u"");
  EXPECT_EQ(app.FindResourceModule(RT_STRING, MAKEINTRESOURCEW(2001 / 16 + 1)), app.LanguageModule());
}

// The test program carries the plug-in's manifest: entries from the host load the common
// controls of version 6.
TEST(Application, HostEntriesRunInTheManifestsActivationContext) {
  App app(nullptr);
  ASSERT_NE(app.ActivationContext(), INVALID_HANDLE_VALUE);
  auto commonControls = [] {  // the file a load of comctl32.dll finds in the current context
    HMODULE comctl = LoadLibraryW(L"comctl32.dll");
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(comctl, path, MAX_PATH);
    FreeLibrary(comctl);
    return std::wstring(path);
  };
  std::wstring inside;
  {
    ModuleScope scope;
    inside = commonControls();
  }
  EXPECT_NE(inside.find(L"common-controls_6595b64144ccf1df_6.0."), std::wstring::npos);
  EXPECT_EQ(commonControls().find(L"common-controls"), std::wstring::npos);  // left again
}

}  // namespace
