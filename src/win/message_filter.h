#pragma once
// How the plug-in's windows see keys and mouse buttons before the host's loop does.
// A plug-in has no message loop of its own: the host runs it (GetMessage, IsDialogMessage
// on its frame, TranslateMessage, DispatchMessage), and a modal dialog runs the system's.
// So while any window of the plug-in exists on a thread, a WH_GETMESSAGE hook of that
// thread hands every keyboard and mouse message about to be returned by GetMessage or
// PeekMessage (with PM_REMOVE) to PreTranslateMessage of the window it is for and then of
// each parent up to the top-level window. A window that uses the message up turns it into
// WM_NULL; one may also change it (the rich-text control turns a Tab it handled into Ctrl,
// so that IsDialogMessage does not move the focus again). The hook goes with the thread's
// last window. A host that prefers to call a filter itself calls PreTranslateInput.
#include <windows.h>

namespace MessageFilter {

// Counted by CWnd as windows attach and detach; the hook exists while the count is above 0.
void WindowAttached();
void WindowDetached();
// Whether the hook is in place on this thread.
bool Installed();

}  // namespace MessageFilter

// Offers an input message to the plug-in's windows as the hook does; true: used up.
bool PreTranslateInput(MSG* message);
