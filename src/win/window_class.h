#pragma once
// Window classes of the plug-in: registered with the plug-in's own module on first use,
// with the window layer's procedure, and unregistered when the library unloads.
#include <windows.h>

// Registers `name` once; true when it is registered (now or before).
bool RegisterWindowClass(const wchar_t* name, UINT style, HCURSOR cursor, HBRUSH background);
// Unregisters every class registered here (at unload; windows of them must be gone).
void UnregisterWindowClasses();
