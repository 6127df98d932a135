#include "options.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>

#include "common/text.h"

namespace host {

const char kUsage[] =
    "Usage: parental-host [options]\n"
    "\n"
    "Loads the parental-control plug-in, drives it as the security suite's host does\n"
    "(registration, creation, requests, destruction, unloading), answers its requests\n"
    "with a simulated filtering engine, stores the configuration it submits in the\n"
    "registry, and reports what it registered and the stored configuration.\n"
    "\n"
    "Options:\n"
    "  --plugin PATH        the plug-in library (default: corvuiParental.dll beside this program)\n"
    "  --engine-data PATH   the engine's data file (default: engine-data.txt beside this program)\n"
    "  --language CODE      run the plug-in in language CODE: en (default) or de, whose\n"
    "                       plug-in and language library lie in the folder de beside this\n"
    "                       program, whose engine texts are engine-data.de.txt and whose\n"
    "                       script texts (link, menu, page, ...) script-words.de.txt translates\n"
    "  --apply FILE         store the configuration document FILE as if the plug-in had\n"
    "                       submitted it, then tell the plug-in that its configuration changed\n"
    "  --section ID         the section --apply stores, hexadecimal (default 01000D00;\n"
    "                       01000D01 holds the roles)\n"
    "  --refuse-access      refuse the plug-in's requests to change settings, as when the\n"
    "                       settings password is not given (default: allow)\n"
    "  --answer KIND=VALUE  answer the next message box (KIND message) or dialog form (KIND\n"
    "                       dialog) with VALUE (1 OK, 2 Cancel, 6 Yes, 7 No); repeatable.\n"
    "                       Unscripted ones are answered with 2 (Cancel)\n"
    "  --answer account=A   choose account A (a name or relative identifier of\n"
    "                       computer-data.txt; several joined by \",\"; or \"cancel\") in the\n"
    "                       next account picker; repeatable. Unscripted ones are cancelled\n"
    "  --main               open the main window with the plug-in's status page and run\n"
    "                       until it is closed (its \"Advanced setup...\" opens the setup)\n"
    "  --setup              open the advanced setup with the plug-in's pages and run until\n"
    "                       it is closed\n"
    "  --script FILE        drive the host's windows with the commands of FILE (see\n"
    "                       host/ui/script.h); dialog forms and message boxes then show\n"
    "  --settings-password TEXT\n"
    "                       protect the settings: the advanced setup and every change from\n"
    "                       the status page ask for TEXT first\n"
    "  --keep-submissions DIR\n"
    "                       write every document the plug-in submits to DIR as\n"
    "                       submission-1.xml, submission-2.xml, ...\n"
    "  --tour DIR           run the tour: from an empty configuration, the script tour.txt beside\n"
    "                       this program (or --script FILE) walks the typical roads; its\n"
    "                       screenshots, the submitted documents and index.html go to DIR\n"
    "  --trace              print every request between host and plug-in with its result\n"
    "  --no-report          do not print the report at the end\n"
    "  --help               show this help\n"
    "\n"
    "Exit status: 0 when the plug-in ran and released every object it registered,\n"
    "1 when it could not be run, left objects behind or its script failed, 2 for a bad\n"
    "command line.\n";

std::wstring BesideProgram(const wchar_t* name) {
  wchar_t path[MAX_PATH];
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring directory(path, length < MAX_PATH ? length : 0);
  directory.resize(directory.find_last_of(L'\\') + 1);
  return directory + name;
}

namespace {

bool ParseAnswer(const std::wstring& text, Options& options) {
  std::size_t equals = text.find(L'=');
  if (equals == std::wstring::npos || equals + 1 == text.size()) return false;
  std::wstring kind = text.substr(0, equals), value = text.substr(equals + 1);
  if (kind == L"account") {
    if (value.find(L';') != std::wstring::npos) return false;
    options.accountAnswers.push_back(value);
    return true;
  }
  wchar_t* end = nullptr;
  long long number = std::wcstoll(value.c_str(), &end, 10);
  if (*end) return false;
  if (kind == L"message") options.messageAnswers.push_back(number);
  else if (kind == L"dialog") options.dialogAnswers.push_back(number);
  else return false;
  return true;
}

// Two to eight lower-case letters: a folder and a file name part, never a path.
bool IsLanguageCode(const std::wstring& code) {
  return code.size() >= 2 && code.size() <= 8 &&
         std::all_of(code.begin(), code.end(), [](wchar_t c) { return c >= L'a' && c <= L'z'; });
}

}  // namespace

bool ParseOptions(int argc, wchar_t** argv, Options& options, std::string& error) {
  for (int i = 1; i < argc; ++i) {
    std::wstring arg = argv[i];
    auto value = [&](std::wstring& out) {
      if (i + 1 >= argc) return false;
      out = argv[++i];
      return true;
    };
    std::wstring text;
    bool ok = true;
    if (arg == L"--help" || arg == L"-h") options.help = true;
    else if (arg == L"--trace") options.trace = true;
    else if (arg == L"--no-report") options.report = false;
    else if (arg == L"--refuse-access") options.refuseAccess = true;
    else if (arg == L"--plugin") ok = value(options.plugin);
    else if (arg == L"--engine-data") ok = value(options.engineData);
    else if (arg == L"--language") ok = value(options.language) && IsLanguageCode(options.language);
    else if (arg == L"--apply") ok = value(options.apply);
    else if (arg == L"--setup") options.setup = true;
    else if (arg == L"--main") options.main = true;
    else if (arg == L"--script") ok = value(options.script);
    else if (arg == L"--settings-password") ok = value(options.settingsPassword);
    else if (arg == L"--keep-submissions") ok = value(options.submissions);
    else if (arg == L"--tour") ok = value(options.tour) && !options.tour.empty();
    else if (arg == L"--answer") ok = value(text) && ParseAnswer(text, options);
    else if (arg == L"--section") {
      wchar_t* end = nullptr;
      ok = value(text) && !text.empty();
      unsigned long id = ok ? std::wcstoul(text.c_str(), &end, 16) : 0;
      ok = ok && !*end && id <= 0xFFFFFFFFul;
      options.section = std::uint32_t(id);
    } else {
      error = "unknown option " + parental::common::ToUtf8(parental::common::AsText(arg.c_str()));
      return false;
    }
    if (!ok) {
      error = "option " + parental::common::ToUtf8(parental::common::AsText(arg.c_str())) +
              " needs a valid value";
      return false;
    }
  }
  // Another language's plug-in lies in its own folder, with that language's library beside it.
  const bool english = options.language == L"en";
  const std::wstring folder = english ? L"" : options.language + L"\\";
  if (options.plugin.empty()) options.plugin = BesideProgram((folder + L"corvuiParental.dll").c_str());
  if (options.engineData.empty()) options.engineData = BesideProgram(L"engine-data.txt");
  if (!english) options.engineTexts = BesideProgram((L"engine-data." + options.language + L".txt").c_str());
  if (!english) options.scriptWords = BesideProgram((L"script-words." + options.language + L".txt").c_str());
  if (!options.tour.empty()) {
    // The tour's index links the submitted documents beside it.
    if (!options.submissions.empty()) {
      error = "--tour keeps the submitted documents in its own folder: leave out --keep-submissions";
      return false;
    }
    if (options.tour.back() != L'\\') options.tour += L'\\';
    if (options.script.empty()) options.script = BesideProgram(L"tour.txt");
    options.submissions = options.tour.substr(0, options.tour.size() - 1);
  }
  return true;
}

}  // namespace host
