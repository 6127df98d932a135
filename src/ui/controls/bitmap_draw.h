#pragma once
// Drawing a bitmap, or a part of it, into a device context: with per-pixel alpha
// (premultiplied, AlphaBlend) or copied as it is.
#include <windows.h>

SIZE BitmapSize(HBITMAP bitmap);  // {0, 0} for none

// Draws the `source` part of `bitmap` into `target` (stretched when the sizes differ).
void DrawBitmap(HDC dc, HBITMAP bitmap, const RECT& target, const RECT& source, bool alpha);

// Whether the bitmap has an alpha channel to blend with (32 bits a pixel).
bool HasAlphaChannel(HBITMAP bitmap);
