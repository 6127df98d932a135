#pragma once
// Finding the windows a script acts on, and describing a control's state for the log.
#include <windows.h>
#include <commctrl.h>

#include <string>

namespace host {

// The window in front: the one enabled, visible top-level window of this thread (a modal
// window disables its owner), tool tips left out; null when there is none.
HWND FrontWindow();
// The visible control with this id inside window (at any depth), or null.
HWND FindControl(HWND window, int id);
// The row of a list view or the item of a tree showing text: -1 / null when none does.
int FindListRow(HWND list, const std::u16string& text);
HTREEITEM FindTreeItem(HWND tree, const std::u16string& text);

std::u16string WindowText(HWND window);
std::u16string ClassOf(HWND window);
// "enabled"/"disabled", the text or selection, and the rows or items with their checks.
std::string DescribeControl(HWND control);

}  // namespace host
