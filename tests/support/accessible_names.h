#pragma once
// What a screen reader reads for every control of a window, asked as a client asks:
// AccessibleObjectFromWindow on each visible control, then its name and, for a control
// with children of its own (the rich-text control's links and buttons), theirs.
#include <windows.h>

#include <string>
#include <vector>

namespace wintest {

struct AccessibleControl {
  HWND window;
  std::string kind;         // the window class
  std::string name;         // what the client was told, "" for none
  std::string label;        // the label just before it in the tab order (a tab control's: its
                            // tabs; a list header's: its columns), "" for none
  std::vector<std::string> children;  // names of its own accessible children
};

// Every visible control below `window` (nested dialogs are walked, not listed).
std::vector<AccessibleControl> AccessibleControls(HWND window);

// One line per control a screen reader could not name: no name from the client object,
// and (for a control without text of its own, which Wine's generic object leaves
// unnamed) no label before it; per unnamed accessible child; and per control or child
// whose name is an identifier (a resource or bitmap name such as "header_background")
// rather than words a person reads.
std::vector<std::string> NamingFaults(HWND window);

}  // namespace wintest
