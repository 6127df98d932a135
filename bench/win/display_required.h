#pragma once
// The window benchmarks time real drawing. Under Wine without an X display every window goes
// to the null driver, which draws nothing, so the figures would mean nothing: refuse instead.
#include <windows.h>

#include <cstdio>

inline bool DisplayAvailable() {
  const bool underWine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
  if (!underWine || GetEnvironmentVariableW(L"DISPLAY", nullptr, 0) != 0) return true;
  std::fprintf(stderr, "No X display (DISPLAY is not set): windows would not be drawn, so nothing is timed.\n");
  return false;
}
