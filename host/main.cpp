// parental-host: the reference host of the parental-control plug-in.
#include <windows.h>
#include <ole2.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "common/text.h"
#include "computer/picker_script.h"
#include "options.h"
#include "reference_host.h"
#include "report.h"

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
  std::ifstream file(options.engineData.c_str(), std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  host::EngineData data;
  if (!file.is_open() || !host::ParseEngineData(text, data, error)) {
    std::fprintf(stderr, "parental-host: cannot use the engine data %s: %s\n",
                 parental::common::ToUtf8(parental::common::AsText(options.engineData.c_str())).c_str(),
                 file.is_open() ? error.c_str() : "cannot open the file");
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
