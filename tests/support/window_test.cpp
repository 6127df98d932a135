#include "support/window_test.h"

#include "common/text.h"
#include "win/screenshot.h"

namespace wintest {

bool RunHostLoop(HWND frame, const std::function<bool()>& done, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  MSG message;
  while (!done()) {
    if (GetTickCount() - start > milliseconds) return done();
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
      continue;
    }
    if (frame && IsDialogMessageW(frame, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return true;
}

void Pump(DWORD milliseconds) {
  RunHostLoop(nullptr, [] { return false; }, milliseconds);
}

namespace {

void SendMouse(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof(INPUT));
}

}  // namespace

void MovePointerTo(HWND window, POINT client) {
  ClientToScreen(window, &client);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(client.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
  input.mi.dy = MulDiv(client.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof(INPUT));
  Pump(30);
}

void ClickAt(HWND window, POINT client) {
  MovePointerTo(window, client);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  SendMouse(MOUSEEVENTF_LEFTUP);
}

void PressAt(HWND window, POINT client) {
  MovePointerTo(window, client);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  Pump(100);
}

void ReleaseAt(HWND window, POINT client) {
  MovePointerTo(window, client);
  SendMouse(MOUSEEVENTF_LEFTUP);
  Pump(100);
}

void PressKey(WORD key, bool shift) { PressWith(shift ? VK_SHIFT : 0, key); }

void PressWith(WORD modifier, WORD key) {
  INPUT input[4]{};
  int count = 0;
  auto add = [&](WORD vk, bool up) {
    input[count].type = INPUT_KEYBOARD;
    input[count].ki.wVk = vk;
    input[count].ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    ++count;
  };
  if (modifier) add(modifier, false);
  add(key, false);
  add(key, true);
  if (modifier) add(modifier, true);
  SendInput(static_cast<UINT>(count), input, sizeof(INPUT));
}

void TypeKeys(const wchar_t* text) {
  for (const wchar_t* c = text; *c; ++c) {
    const SHORT scan = VkKeyScanW(*c);
    PressWith((scan >> 8) & 1 ? VK_SHIFT : 0, LOBYTE(scan));
  }
}

// One frame serves every test of the program: Wine takes two seconds to hide or destroy
// the active window without a window manager (it waits for the focus to move).
HWND CreateFrame(int width, int height, const wchar_t* title) {
  static HWND frame = [] {
    WNDCLASSW frameClass{};
    frameClass.lpfnWndProc = DefWindowProcW;
    frameClass.hInstance = GetModuleHandleW(nullptr);
    frameClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    frameClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    frameClass.lpszClassName = L"WinTestFrame";
    RegisterClassW(&frameClass);
    return CreateWindowExW(WS_EX_CONTROLPARENT, L"WinTestFrame", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 200,
                           200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  }();
  while (HWND child = GetWindow(frame, GW_CHILD)) DestroyWindow(child);
  ResizeFrame(frame, width, height);
  SetWindowTextW(frame, title);
  SetForegroundWindow(frame);
  SetFocus(frame);
  Pump(30);
  return frame;
}

void ResizeFrame(HWND frame, int width, int height) {
  RECT rect{0, 0, width, height};
  AdjustWindowRectEx(&rect, WS_OVERLAPPEDWINDOW, FALSE, WS_EX_CONTROLPARENT);
  SetWindowPos(frame, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top, SWP_NOMOVE | SWP_NOZORDER);
}

std::u16string WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return parental::common::AsText(text.c_str());
}

HWND FindThreadDialog() {
  HWND dialog = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), [](HWND window, LPARAM found) {
    wchar_t name[16];
    if (!IsWindowVisible(window) || !GetClassNameW(window, name, 16) || std::wstring(name) != L"#32770") return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }, reinterpret_cast<LPARAM>(&dialog));
  return dialog;
}

RECT ClientRectOf(HWND parent, HWND child) {
  RECT rect{};
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

POINT CentreOf(HWND child) {
  const RECT rect = ClientRectOf(GetParent(child), child);
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

COLORREF ScreenColour(HWND window, POINT client) {
  UpdateWindow(window);
  ClientToScreen(window, &client);
  HDC screen = GetDC(nullptr);
  COLORREF colour = GetPixel(screen, client.x, client.y);
  ReleaseDC(nullptr, screen);
  return colour;
}

std::u16string OutputPath(const char* name) {
  wchar_t program[MAX_PATH] = L"";
  GetModuleFileNameW(nullptr, program, MAX_PATH);
  std::u16string path = parental::common::AsText(program);
  return path.substr(0, path.find_last_of(u"\\/") + 1) + parental::common::FromUtf8(name);
}

void Screenshot(HWND window, const char* name) {
  Pump(100);
  EXPECT_TRUE(SaveWindowScreenshot(window, OutputPath((std::string(name) + ".png").c_str()))) << name;
}

namespace {

CWnd* g_dialog = nullptr;
std::function<void()> g_script;

void CALLBACK RunScript(HWND, UINT, UINT_PTR timer, DWORD) {
  if (!g_dialog || !g_dialog->GetSafeHwnd() || !g_dialog->IsWindowVisible() || !g_script) return;
  KillTimer(nullptr, timer);
  const std::function<void()> script = std::move(g_script);
  g_script = nullptr;
  SetForegroundWindow(g_dialog->GetSafeHwnd());
  Pump(30);
  script();
  // An ended dialog is hidden at once and destroyed when its loop ends.
  if (g_dialog->GetSafeHwnd() && IsWindowVisible(g_dialog->GetSafeHwnd())) ::EndDialog(g_dialog->GetSafeHwnd(), kLeftOpen);
}

}  // namespace

INT_PTR RunModal(CWnd& dialog, const std::function<INT_PTR()>& show, const std::function<void()>& script) {
  g_dialog = &dialog;
  g_script = script;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, &RunScript);
  const INT_PTR result = show();
  KillTimer(nullptr, timer);
  g_dialog = nullptr;
  g_script = nullptr;
  return result;
}

void PumpDialog(HWND dialog, DWORD milliseconds) {
  RunHostLoop(dialog, [] { return false; }, milliseconds);
}

void Press(HWND dialog, WORD key, bool shift) {
  PressKey(key, shift);
  PumpDialog(dialog);
}

void Click(HWND dialog, int id) {
  HWND button = GetDlgItem(dialog, id);
  ClickAt(GetParent(button), CentreOf(button));
  Pump(60);
}

void Grow(HWND window, int dx, int dy) {
  RECT rect{};
  GetWindowRect(window, &rect);
  SetWindowPos(window, nullptr, 0, 0, rect.right - rect.left + dx, rect.bottom - rect.top + dy,
               SWP_NOMOVE | SWP_NOZORDER);
  Pump(60);
}

void GrowAndCheckLayout(HWND window, int stretched, int dx, int dy) {
  RECT client{}, grown{};
  GetClientRect(window, &client);
  const RECT ok = ClientRectOf(window, GetDlgItem(window, IDOK));
  const RECT control = ClientRectOf(window, GetDlgItem(window, stretched));
  Grow(window, dx, dy);
  GetClientRect(window, &grown);
  const RECT okNow = ClientRectOf(window, GetDlgItem(window, IDOK));
  const RECT controlNow = ClientRectOf(window, GetDlgItem(window, stretched));
  EXPECT_EQ(grown.right - okNow.right, client.right - ok.right);
  EXPECT_EQ(grown.bottom - okNow.bottom, client.bottom - ok.bottom);
  EXPECT_EQ(controlNow.right - controlNow.left, control.right - control.left + grown.right - client.right);
  EXPECT_EQ(controlNow.bottom - controlNow.top, control.bottom - control.top + grown.bottom - client.bottom);
}

}  // namespace wintest
