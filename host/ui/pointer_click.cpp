#include "ui/pointer_click.h"

namespace host {

bool ClickAt(POINT screen) {
  // Absolute coordinates run from 0 to 65535 across the primary screen.
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  if (width <= 1 || height <= 1) return false;
  INPUT inputs[3] = {};
  for (INPUT& input : inputs) {
    input.type = INPUT_MOUSE;
    input.mi.dx = LONG((screen.x * 65535 + (width - 1) / 2) / (width - 1));
    input.mi.dy = LONG((screen.y * 65535 + (height - 1) / 2) / (height - 1));
    input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
  }
  inputs[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
  inputs[2].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
  return SendInput(3, inputs, sizeof(INPUT)) == 3;
}

}  // namespace host
