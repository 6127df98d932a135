#pragma once
// What the window tests share: the application (this test program carries the plug-in's
// manifest and the test dialogs, and its language library), a host-like message loop,
// and real input through SendInput.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "frame/app/plugin_app.h"

namespace wintest {

class TestApp : public CPluginAppTemplate {
 public:
  explicit TestApp(const wchar_t* language = L"win_test_lang.dll") : CPluginAppTemplate(language) {
    Attach(GetModuleHandleW(nullptr));
    EnsureInitialized();
  }
  ~TestApp() override { Detach(false); }
  CPluginTemplate* CreatePlugin() override { return nullptr; }
};

// The host's loop: IsDialogMessage on `frame` (when given), then translate and dispatch,
// until `done` answers true or the time runs out; answers `done`'s last answer.
bool RunHostLoop(HWND frame, const std::function<bool()>& done, DWORD milliseconds = 2000);
// Runs the loop for a while (lets posted messages and timers through).
void Pump(DWORD milliseconds = 50);

// Real input: a left click at a point in `window`'s client area, a key with modifiers.
void ClickAt(HWND window, POINT client);
void MovePointerTo(HWND window, POINT client);
void PressKey(WORD key, bool shift = false);
// A key with a modifier held (VK_MENU for Alt, VK_CONTROL, VK_SHIFT; 0 for none).
void PressWith(WORD modifier, WORD key);
// Characters typed on the keyboard, each as its key (with Shift where the layout needs it).
void TypeKeys(const wchar_t* text);

// The top-level frame for controls under test (WS_EX_CONTROLPARENT, as the host's): one
// for the whole program, emptied of children and sized for each caller.
HWND CreateFrame(int width, int height, const wchar_t* title = L"Test frame");
// Gives the frame a client area of this size.
void ResizeFrame(HWND frame, int width, int height);

// Where screenshots go: the test folder of the Windows build.
std::u16string OutputPath(const char* name);

}  // namespace wintest
