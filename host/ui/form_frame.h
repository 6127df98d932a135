#pragma once
// The host's modal frame around a dialog form of the plug-in (kRequestShowDialog): the
// form is created inside it, its owner is disabled while it runs, Enter and Esc that reach
// the frame are passed to the form, and the frame ends when the form asks it to close.
#include <windows.h>

#include <cstdint>

#include "frame/templates/dialog_view.h"

namespace host {

// The form's result (1 OK, 2 Cancel); -1 when the form could not be shown.
std::int64_t RunFormFrame(IDialogView* view, HWND owner);

// The form a frame of this thread shows now, or null.
HWND CurrentForm();

}  // namespace host
