#pragma once
// The text report of a run: what the plug-in registered, what happened, and the
// configuration in the registry mirror.
#include <string>

#include "reference_host.h"

namespace host {

std::string Report(const ReferenceHost& host, const Options& options, const EngineData& data);

// The registry mirror as indented text: keys, and values with their types.
std::string DescribeMirror();

}  // namespace host
