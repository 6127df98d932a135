#pragma once
// The commands of the host's scripted mode, acted out on the real windows of the thread.
#include <string>
#include <vector>

#include "ui/script.h"

namespace host {

// Runs one command; false with the reason when it cannot be done as asked.
bool RunScriptCommand(const std::vector<std::u16string>& words, ScriptHost& host, std::string& error);

}  // namespace host
