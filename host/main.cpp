// parental-host: the reference host of the parental-control plug-in.
#include <windows.h>
#include <ole2.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>

#include "common/text.h"
#include "computer/picker_script.h"
#include "engine/engine_translation.h"
#include "language/host_language.h"
#include "options.h"
#include "reference_host.h"
#include "report.h"

namespace {

// Reads the engine's data file `path` and hands its text to `parse`; false with the reason.
bool ReadDataFile(const std::wstring& path, const std::function<bool(const std::string&)>& parse, std::string& error) {
  std::ifstream file(path.c_str(), std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (file.is_open() && parse(text)) return true;
  error = "cannot use the engine data " + parental::common::ToUtf8(parental::common::AsText(path.c_str())) + ": " +
          (file.is_open() ? error : "cannot open the file");
  return false;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  host::Options options;
  std::string error;
  if (!host::ParseOptions(argc, argv, options, error)) {
    std::fprintf(stderr, "parental-host: %s\n\n%s", error.c_str(), host::kUsage);
    return 2;
  }
  if (options.help) {
    std::fputs(host::kUsage, stdout);
    return 0;
  }
  // The host's own windows speak the plug-in's language (English when the host has not that one).
  host::UseHostLanguage(options.language);
  host::EngineData data;
  if (!ReadDataFile(options.engineData, [&](const std::string& text) { return host::ParseEngineData(text, data, error); },
                    error) ||
      (!options.engineTexts.empty() &&
       !ReadDataFile(options.engineTexts,
                     [&](const std::string& text) { return host::ApplyEngineTranslation(text, data, error); }, error))) {
    std::fprintf(stderr, "parental-host: %s\n", error.c_str());
    return 1;
  }
  // The simulated computer's account picker runs in this process and takes its picks
  // from the script; with none left it cancels, as unscripted dialogs are cancelled.
  std::wstring picks;
  for (const std::wstring& pick : options.accountAnswers) picks += (picks.empty() ? L"" : L";") + pick;
  SetEnvironmentVariableW(host::kPickerScriptVariable, picks.c_str());
  OleInitialize(nullptr);  // the plug-in's account picker is a COM object
  host::ReferenceHost reference(options, data);
  int status = reference.Run();
  OleUninitialize();
  if (options.report) std::fputs(host::Report(reference, options, data).c_str(), stdout);
  return status;
}
