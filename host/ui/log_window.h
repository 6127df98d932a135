#pragma once
// The host's log window: the entries of a log file in a report list (time, account, web
// address, category, verdict) with a summary line and a close button. Resizable; the list
// and the button follow the window's size. Modal: it returns when it is closed.
#include <windows.h>

#include <string>
#include <vector>

#include "engine/visit_log.h"

namespace host {

void ShowLogWindow(HWND owner, const std::vector<LogEntry>& entries);

}  // namespace host
