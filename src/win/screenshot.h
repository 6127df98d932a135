#pragma once
// Screenshots of a window with its children, for tests and the host: copied with BitBlt
// from the top-level window's device context while it is on screen (PrintWindow and
// WM_PRINT leave the children out under Wine), alpha set opaque, written as a PNG.
#include <windows.h>

#include <string>

// Captures the top-level window of `window` (caption and borders included); the mouse
// pointer is moved off the window first so that no tool tip shows. False when the
// capture or the file failed.
bool SaveWindowScreenshot(HWND window, const std::u16string& path);
