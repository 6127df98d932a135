#pragma once
// What every window test under Wine shares: the application (the test program carries the
// plug-in's manifest and resources), a host-like message loop, real input through
// SendInput, the one test frame, modal dialogs driven by a script, and screenshots.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "frame/app/plugin_app.h"
#include "win/window.h"

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

// Real input at client points of `window`: the pointer moved there, a left click, the
// left button alone going down or up (the messages it brings handled before it returns);
// a key with or without Shift, or with a modifier held (VK_MENU for Alt, VK_CONTROL,
// VK_SHIFT; 0 for none); characters typed, each as its key (with Shift where the layout
// needs it).
void MovePointerTo(HWND window, POINT client);
void ClickAt(HWND window, POINT client);
void PressAt(HWND window, POINT client);
void ReleaseAt(HWND window, POINT client);
void PressKey(WORD key, bool shift = false);
void PressWith(WORD modifier, WORD key);
void TypeKeys(const wchar_t* text);

// The top-level frame for controls under test (WS_EX_CONTROLPARENT, as the host's): one
// for the whole program, emptied of children and sized for each caller.
HWND CreateFrame(int width, int height, const wchar_t* title = L"Test frame");
// Gives the frame a client area of this size.
void ResizeFrame(HWND frame, int width, int height);

// A window's text.
std::u16string WindowText(HWND window);
// The first visible dialog (#32770) of this thread; null while there is none.
HWND FindThreadDialog();
// A child's rectangle in its parent's client coordinates, and its centre.
RECT ClientRectOf(HWND parent, HWND child);
POINT CentreOf(HWND child);
// The colour on screen at a client point of a window.
COLORREF ScreenColour(HWND window, POINT client);

// Where screenshots go: the folder of the test program, in the Windows build.
std::u16string OutputPath(const char* name);
// Saves a screenshot of the window as <name>.png there.
void Screenshot(HWND window, const char* name);

// Runs `show` (a dialog's DoModal) and, once `dialog` is visible, `script` inside the
// dialog's own loop. A dialog the script leaves open is ended with kLeftOpen.
constexpr INT_PTR kLeftOpen = 99;
INT_PTR RunModal(CWnd& dialog, const std::function<INT_PTR()>& show, const std::function<void()>& script);
// Lets input through as a dialog's own loop does (keys go to IsDialogMessage first).
void PumpDialog(HWND dialog, DWORD milliseconds = 60);
// A key pressed, or a button clicked, as the user would, in the dialog's loop.
void Press(HWND dialog, WORD key, bool shift = false);
void Click(HWND dialog, int id);
// Resizes a top-level window by (dx, dy) pixels.
void Grow(HWND window, int dx, int dy);
// Grows the dialog by (dx, dy) and checks the re-layout: "OK" keeps its distance to the
// lower right corner, control `stretched` grows with the client area.
void GrowAndCheckLayout(HWND window, int stretched, int dx, int dy);

}  // namespace wintest
