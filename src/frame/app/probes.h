#pragma once
// Probes for installed software that the setup pages depend on, read through the registry
// store (the Win32 registry unless a caller gives another).
#include <string_view>

#include "platform/registry_store.h"

// Major version of Internet Explorer ("Version" under the local machine's
// "SOFTWARE\Microsoft\Internet Explorer\", in the 64-bit view); 0 when anything fails.
int GetInternetExplorerVersion(
    parental::platform::IRegistryStore& registry = parental::platform::DefaultRegistry());
// Major version of Word from its registered automation class ("Word.Application\CurVer"
// under the classes root); 0 when anything fails.
int GetWordVersion(parental::platform::IRegistryStore& registry = parental::platform::DefaultRegistry());

// The parsing halves of the probes: the leading decimal number of a version text (as "%d"
// reads it), and the number after "Word.Application." in a class version text; 0 when there
// is none.
int ParseLeadingVersion(std::u16string_view text);
int ParseWordVersion(std::u16string_view text);
