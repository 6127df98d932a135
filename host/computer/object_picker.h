#pragma once
// The stand-in for the system's directory object picker (Windows only): the class
// factory of an IDsObjectPicker that offers the simulated computer's accounts in its own
// dialog and hands back the selection as the system picker does.
#include <windows.h>
#include <ole2.h>

namespace host {

// A new class factory (one reference); `module` holds the dialog and names the folder of
// the data file.
IClassFactory* MakeObjectPickerFactory(HINSTANCE module);

}  // namespace host
