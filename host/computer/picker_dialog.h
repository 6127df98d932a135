#pragma once
// The picker stand-in's dialog (Windows only): the accounts of the simulated computer
// in a list, one of them or several chosen with OK. A scripted pick is made in the
// dialog itself, which then closes as if the user had pressed OK or Cancel.
#include <windows.h>

#include <cstddef>
#include <vector>

#include "computer/local_computer.h"
#include "computer/picker_script.h"

namespace host {

// The positions in `listed` of the accounts chosen; empty when cancelled.
std::vector<std::size_t> RunPickerDialog(HINSTANCE module, HWND owner, const LocalComputer& computer,
                                         const std::vector<const ComputerAccount*>& listed, bool multiSelect,
                                         const ScriptedPick& pick);

}  // namespace host
