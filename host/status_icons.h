#pragma once
// The images the host draws for its status page, in code: strips of square frames with
// premultiplied alpha (each frame the system's small icon at the screen's dots per inch, 16 x 16
// at 96), and the picture shown for an account without one.
#include <windows.h>

namespace host {

// "state_icon_list", one frame per state of a module: 0 on (a green tick), 1 off (a grey
// bar), 2 not working (a red cross), 3 off (an amber exclamation mark), 4 unknown (a blue
// question mark).
HBITMAP MakeStateIcons();
// "text_icon", the marks of the frequent actions: 0 information, 1 a shield, 2 a log sheet,
// 3 a padlock, 4 a globe with an exception mark.
HBITMAP MakeTextIcons();
// An account's picture when it has none: a grey silhouette on a light tile, size x size.
HBITMAP MakeAccountPlaceholder(int size);

}  // namespace host
