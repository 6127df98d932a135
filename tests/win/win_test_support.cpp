#include "win_test_support.h"

#include "common/text.h"

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
  INPUT input[2]{};
  input[0].type = input[1].type = INPUT_MOUSE;
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, input, sizeof(INPUT));
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

std::u16string OutputPath(const char* name) {
  return parental::common::FromUtf8(std::string(WIN_TEST_OUTPUT_DIR "/") + name);
}

}  // namespace wintest
