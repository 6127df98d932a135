#include "ui/controls/bitmap_draw.h"

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || !GetObjectW(bitmap, sizeof(info), &info)) return SIZE{0, 0};
  return SIZE{info.bmWidth, info.bmHeight};
}

void DrawBitmap(HDC dc, HBITMAP bitmap, const RECT& target, const RECT& source, bool alpha) {
  if (!bitmap) return;
  HDC memory = CreateCompatibleDC(dc);
  if (!memory) return;
  HGDIOBJ old = SelectObject(memory, bitmap);
  int width = target.right - target.left, height = target.bottom - target.top;
  int sourceWidth = source.right - source.left, sourceHeight = source.bottom - source.top;
  if (alpha) {
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc, target.left, target.top, width, height, memory, source.left, source.top, sourceWidth,
               sourceHeight, blend);
  } else {
    SetStretchBltMode(dc, HALFTONE);
    StretchBlt(dc, target.left, target.top, width, height, memory, source.left, source.top, sourceWidth,
               sourceHeight, SRCCOPY);
  }
  SelectObject(memory, old);
  DeleteDC(memory);
}

bool HasAlphaChannel(HBITMAP bitmap) {
  BITMAP info{};
  return bitmap && GetObjectW(bitmap, sizeof(info), &info) && info.bmBitsPixel == 32;
}
