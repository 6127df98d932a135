#pragma once
// The reference host's command line.
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace host {

struct Options {
  std::wstring plugin;      // the plug-in library
  std::wstring engineData;  // the engine simulator's data file
  std::wstring language = L"en";  // the plug-in's language: "en" or the name of a folder beside the host
  std::wstring engineTexts;       // the engine's texts in that language, or empty for English
  std::wstring apply;       // a configuration document to store, or empty
  std::uint32_t section = 0x01000D00;
  bool main = false;               // open the main window and run until it closes
  bool setup = false;              // open the advanced setup and run until it closes
  std::wstring script;             // drive the host's windows with this script
  std::wstring scriptWords;        // the script's texts in the plug-in's language, or empty for English
  std::wstring settingsPassword;   // asked before the advanced setup opens
  std::wstring submissions;        // a folder that keeps every submitted document
  std::wstring tour;               // the tour's folder (ends with a backslash), or empty
  bool refuseAccess = false;
  bool trace = false;
  bool report = true;
  bool help = false;
  std::deque<std::int64_t> messageAnswers;  // for message boxes, in order
  std::deque<std::int64_t> dialogAnswers;   // for dialog forms, in order
  std::vector<std::wstring> accountAnswers; // for the account picker, in order
};

// Fills options from the arguments; false with the reason in error for a bad command line.
// Paths not given default to files beside the program.
bool ParseOptions(int argc, wchar_t** argv, Options& options, std::string& error);

extern const char kUsage[];

// The path of a file in the program's folder (the folder itself, with its backslash, for "").
std::wstring BesideProgram(const wchar_t* name);

}  // namespace host
