#pragma once
// Probes for installed software that the setup pages depend on.

// Major version of Internet Explorer from the registry; 0 when anything fails.
int GetInternetExplorerVersion();
// Major version of Word from its registered automation class; 0 when anything fails.
int GetWordVersion();

// The parsing halves of the probes: the leading decimal number of a version text, and the
// number after "Word.Application." in a class version text; 0 when there is none.
int ParseLeadingVersion(const wchar_t* text);
int ParseWordVersion(const wchar_t* text);
