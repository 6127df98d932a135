#include "win/screenshot.h"

#include <cstdint>

#include "markup/win/png_writer.h"

namespace {

// Tool tips go when the pointer leaves their tool; give the window time to repaint.
void MovePointerAway(const RECT& window) {
  POINT away{window.right + 8, window.bottom + 8};
  if (away.x >= GetSystemMetrics(SM_CXSCREEN) || away.y >= GetSystemMetrics(SM_CYSCREEN)) away = {0, 0};
  SetCursorPos(away.x, away.y);
  MSG message;
  for (int round = 0; round < 5; ++round) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(10);
  }
}

}  // namespace

bool SaveWindowScreenshot(HWND window, const std::u16string& path) {
  HWND top = GetAncestor(window, GA_ROOT);
  RECT rect{};
  if (!top || !GetWindowRect(top, &rect)) return false;
  MovePointerAway(rect);
  RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return false;

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC source = GetWindowDC(top);
  HDC memory = CreateCompatibleDC(source);
  HBITMAP bitmap = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bool ok = false;
  if (memory && bitmap) {
    HGDIOBJ original = SelectObject(memory, bitmap);
    ok = BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY) != FALSE;
    SelectObject(memory, original);
    GdiFlush();
    auto* pixels = static_cast<std::uint8_t*>(bits);
    for (size_t i = 3; i < static_cast<size_t>(width) * height * 4; i += 4) pixels[i] = 255;  // GDI leaves alpha 0
    ok = ok && WritePng(path, pixels, width, height);
  }
  if (bitmap) DeleteObject(bitmap);
  if (memory) DeleteDC(memory);
  ReleaseDC(top, source);
  return ok;
}
