#pragma once
// The keyboard of the host's scripted mode: real key presses (SendInput) for the window in
// front, as a user without a pointer works.
#include <string>
#include <vector>

namespace host {

// press KEY...: key names: Tab, Shift+Tab, Enter, Esc, Space, Up, Down, Left, Right, Home,
// End, Delete, and Alt+ a letter or digit (an access key). False with the reason for an
// unknown name; nothing is pressed then.
bool PressKeys(const std::vector<std::u16string>& names, std::string& error);
// write TEXT: the characters typed key by key (Shift where the keyboard layout needs it).
bool WriteKeys(const std::u16string& text, std::string& error);

}  // namespace host
