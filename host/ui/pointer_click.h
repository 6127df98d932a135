#pragma once
// A click of the left mouse button at a point of the screen, through the system's input
// queue as a user's click comes (the pointer moves there first).
#include <windows.h>

namespace host {

bool ClickAt(POINT screen);

}  // namespace host
