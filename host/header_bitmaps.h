#pragma once
// The header images of the plug-in's dialogs, drawn by the host in code: the strip's
// background, the logo and the help sign. The logo and the help sign carry premultiplied
// alpha; the background is opaque and may be stretched across.
#include <windows.h>

namespace host {

constexpr int kHeaderHeight = 48;  // the header size the host's metrics give (kind 3)
constexpr int kHeaderHelpWidth = 64;

HBITMAP MakeHeaderBackground();  // 8 x kHeaderHeight, a vertical gradient
HBITMAP MakeHeaderLogo();        // 40 x 40, a ring with an eye
HBITMAP MakeHeaderHelp();        // 16 x 16, a question mark in a disc

}  // namespace host
