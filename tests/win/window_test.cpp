// The window base: attachment at creation and by subclassing, handlers, exceptions kept
// inside, classes of the plug-in's module, version 6 controls from every creation, the
// input filter inside a host's loop.
#include <windows.h>
#include <uxtheme.h>

#include <stdexcept>
#include <vector>

#include "win/controls/basic_controls.h"
#include "win/message_filter.h"
#include "win/module_context.h"
#include "win/window_class.h"
#include "support/window_test.h"

using namespace wintest;

namespace {

const wchar_t kProbeClass[] = L"WinTestProbe";

class Probe : public CWnd {
 public:
  std::vector<UINT> seen;
  bool throwOnTimer = false;
  CButton child;
  std::vector<WPARAM> keys;

  bool Create(HWND parent) {
    RegisterWindowClass(kProbeClass, 0, LoadCursorW(nullptr, IDC_ARROW), GetSysColorBrush(COLOR_WINDOW));
    return CreateEx(0, kProbeClass, L"probe", WS_CHILD | WS_VISIBLE | WS_TABSTOP, RECT{10, 10, 200, 100}, parent, 7);
  }
  bool PreTranslateMessage(MSG* message) override {
    if (message->message != WM_KEYDOWN) return false;
    keys.push_back(message->wParam);
    return message->wParam == 'Q';  // used up: the window never sees it
  }

 protected:
  int OnCreate(CREATESTRUCTW* create) override {
    seen.push_back(WM_CREATE);
    // A control made later, from a handler, is of version 6 as well.
    child.Create(BS_PUSHBUTTON | WS_VISIBLE, RECT{5, 5, 80, 30}, GetSafeHwnd(), 8);
    return 0;
  }
  void OnTimer(UINT_PTR id) override {
    seen.push_back(WM_TIMER);
    if (throwOnTimer) throw std::runtime_error("handler failed");
  }
  void OnKeyDown(UINT key, UINT, UINT) override { seen.push_back(WM_KEYDOWN); }
  UINT OnGetDlgCode(MSG*) override { return DLGC_WANTALLKEYS; }
};

struct Windows : ::testing::Test {
  TestApp app;
  HWND frame = CreateFrame(320, 200);
};

TEST_F(Windows, CreationAttachesTheObjectAndRegistersTheClassWithThePluginsModule) {
  Probe probe;
  ASSERT_TRUE(probe.Create(frame));
  EXPECT_EQ(CWnd::FromHandle(probe), &probe);
  EXPECT_EQ(probe.seen, std::vector<UINT>{WM_CREATE});
  WNDCLASSEXW info{};
  info.cbSize = sizeof(info);
  EXPECT_TRUE(GetClassInfoExW(PluginModule(), kProbeClass, &info));
  EXPECT_EQ(info.lpfnWndProc, CWnd::ClassProcedure());
  EXPECT_TRUE(probe.child.GetSafeHwnd());
  SIZE ideal{};
  EXPECT_TRUE(probe.child.GetIdealSize(ideal));  // only version 6 buttons answer
  EXPECT_NE(GetWindowTheme(probe.child), nullptr);
  probe.DestroyWindow();
  EXPECT_EQ(probe.GetSafeHwnd(), nullptr);
  EXPECT_EQ(CWnd::FromHandle(probe), nullptr);
}

TEST_F(Windows, ClassesGoWhenTheLibraryUnloads) {
  ASSERT_TRUE(RegisterWindowClass(L"WinTestShortLived", 0, nullptr, nullptr));
  WNDCLASSEXW info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetClassInfoExW(PluginModule(), L"WinTestShortLived", &info));
  UnregisterWindowClasses();  // what the library's static objects do at unload
  EXPECT_FALSE(GetClassInfoExW(PluginModule(), L"WinTestShortLived", &info));
  EXPECT_FALSE(GetClassInfoExW(PluginModule(), kProbeClass, &info));
}

// Windows are made per-monitor aware (version 1 under Wine 8, which refuses version 2), and
// the thread gets its awareness back afterwards.
TEST_F(Windows, CreationRunsPerMonitorAware) {
  using GetContext = void*(WINAPI*)();
  using Equal = BOOL(WINAPI*)(void*, void*);
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  auto get = reinterpret_cast<GetContext>(reinterpret_cast<void*>(GetProcAddress(user32, "GetThreadDpiAwarenessContext")));
  auto equal = reinterpret_cast<Equal>(reinterpret_cast<void*>(GetProcAddress(user32, "AreDpiAwarenessContextsEqual")));
  if (!get || !equal) GTEST_SKIP() << "no per-thread DPI awareness here";
  void* const perMonitor = reinterpret_cast<void*>(static_cast<LONG_PTR>(-3));
  void* const perMonitorV2 = reinterpret_cast<void*>(static_cast<LONG_PTR>(-4));
  void* const outside = get();
  {
    ThreadDpiScope scope;
    EXPECT_TRUE(equal(get(), perMonitor) || equal(get(), perMonitorV2));
  }
  EXPECT_TRUE(equal(get(), outside));
  EXPECT_EQ(DpiOf(frame), 96u);  // the prefix's display
  EXPECT_EQ(ScaleToDpi(300, 144), 450);
}

TEST_F(Windows, AnExceptionInAHandlerStaysInsideTheWindowProcedure) {
  Probe probe;
  ASSERT_TRUE(probe.Create(frame));
  probe.throwOnTimer = true;
  EXPECT_EQ(SendMessageW(probe, WM_TIMER, 1, 0), 0);
  EXPECT_EQ(probe.seen.back(), static_cast<UINT>(WM_TIMER));
  EXPECT_TRUE(IsWindow(probe));
}

TEST_F(Windows, SubclassingAnExistingControlAndGivingItBack) {
  HWND label = CreateWindowExW(0, L"Static", L"text", WS_CHILD | WS_VISIBLE, 0, 0, 80, 20, frame, nullptr, nullptr, nullptr);
  const auto original = GetWindowLongPtrW(label, GWLP_WNDPROC);
  {
    Probe probe;
    ASSERT_TRUE(probe.SubclassWindow(label));
    EXPECT_FALSE(Probe().SubclassWindow(label));  // one object per window
    SendMessageW(label, WM_TIMER, 1, 0);
    EXPECT_EQ(probe.seen, std::vector<UINT>{WM_TIMER});
    EXPECT_EQ(probe.GetWindowText(), u"text");  // the control's own procedure still answers
  }
  EXPECT_EQ(GetWindowLongPtrW(label, GWLP_WNDPROC), original);
  EXPECT_EQ(CWnd::FromHandle(label), nullptr);
  EXPECT_TRUE(IsWindow(label));
}

// Inside the host's loop (IsDialogMessage on the frame), the plug-in's window sees keys first.
TEST_F(Windows, KeysReachPreTranslateMessageInsideTheHostsLoop) {
  Probe probe;
  ASSERT_TRUE(probe.Create(frame));
  EXPECT_TRUE(MessageFilter::Installed());
  SetForegroundWindow(frame);
  probe.SetFocus();
  PressKey('A');
  PressKey('Q');
  RunHostLoop(frame, [&] { return probe.keys.size() >= 2; });
  Pump();
  EXPECT_EQ(probe.keys, (std::vector<WPARAM>{'A', 'Q'}));
  // 'A' reached the window; 'Q' was used up by the filter.
  EXPECT_EQ(std::count(probe.seen.begin(), probe.seen.end(), static_cast<UINT>(WM_KEYDOWN)), 1);
  probe.DestroyWindow();
  probe.child.DestroyWindow();
  EXPECT_FALSE(MessageFilter::Installed());
}

}  // namespace
