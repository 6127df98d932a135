#include "ui/script.h"

#include <windows.h>

#include <map>
#include <memory>

#include "common/text.h"
#include "ui/script_actions.h"

namespace host {
namespace {

struct Runner {
  std::vector<ScriptCommand> commands;
  ScriptHost host;
  std::function<void(bool)> done;
  std::size_t next = 0;
  bool finished = false;
  bool busy = false;  // a command that opens no window runs: later ones wait for it
  int retries = 0;    // of the current command, while the window it needs is not there yet
  DWORD waitStart = 0, waitLength = 0;  // "wait": no command until waitLength ms after waitStart
};
constexpr int kMaxRetries = 50;
std::unique_ptr<Runner> g_runner;  // one script per run of the host
constexpr UINT kTickMilliseconds = 40;

std::string Line(const ScriptCommand& command) {
  std::string text;
  for (const std::u16string& word : command.words)
    text += (text.empty() ? "" : " ") + parental::common::ToUtf8(word);
  return text;
}

void Finish(bool ok) {
  if (g_runner->finished) return;
  g_runner->finished = true;
  g_runner->done(ok);
}

// Commands that may open a modal window (a form, a message box, the password prompt).
bool MayOpenWindow(const std::u16string& name) {
  return name == u"open-setup" || name == u"click" || name == u"ok" || name == u"cancel" || name == u"link" ||
         name == u"menu" || name == u"host-command";
}

// One command per tick. The next tick is asked for before the command runs: a command that
// opens a modal window returns only when it closes, and the commands after it run meanwhile.
// Other commands may pump messages too (a screenshot waits for painting); ticks that come
// then wait.
void CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  Runner& runner = *g_runner;
  if (runner.finished) return;
  if (runner.busy || GetTickCount() - runner.waitStart < runner.waitLength) {  // unsigned: the tick count may wrap
    SetTimer(nullptr, 0, kTickMilliseconds, &Tick);
    return;
  }
  if (runner.next == runner.commands.size()) {
    Finish(true);
    return;
  }
  const ScriptCommand& command = runner.commands[runner.next++];
  SetTimer(nullptr, 0, kTickMilliseconds, &Tick);
  if (runner.retries == 0) runner.host.log("script " + std::to_string(command.line) + ": " + Line(command));
  std::string error;
  if (command.words[0] == u"wait" && command.words.size() == 2) {
    runner.waitStart = GetTickCount();
    runner.waitLength = DWORD(std::wcstoul(parental::common::AsWide(command.words[1].c_str()), nullptr, 10));
    return;
  }
  runner.busy = !MayOpenWindow(command.words[0]);
  const bool ok = RunScriptCommand(command.words, runner.host, error);
  runner.busy = false;
  if (!ok && ++runner.retries < kMaxRetries) {  // a window may still be on its way: try again
    --runner.next;
    return;
  }
  runner.retries = 0;
  if (!ok) {
    runner.host.log("script error at line " + std::to_string(command.line) + ": " + error);
    Finish(false);
  }
}

}  // namespace

bool ParseScript(const std::string& utf8, std::vector<ScriptCommand>& commands, std::string& error) {
  const std::u16string text = parental::common::FromUtf8(utf8);
  int lineNumber = 0;
  for (std::size_t start = 0; start <= text.size();) {
    std::size_t end = text.find(u'\n', start);
    if (end == std::u16string::npos) end = text.size();
    std::u16string line = text.substr(start, end - start);
    start = end + 1;
    ++lineNumber;
    ScriptCommand command{lineNumber, {}};
    for (std::size_t i = 0; i < line.size();) {
      if (line[i] == u' ' || line[i] == u'\t' || line[i] == u'\r') {
        ++i;
      } else if (line[i] == u'"') {
        const std::size_t close = line.find(u'"', i + 1);
        if (close == std::u16string::npos) {
          error = "line " + std::to_string(lineNumber) + ": unterminated quote";
          return false;
        }
        command.words.push_back(line.substr(i + 1, close - i - 1));
        i = close + 1;
      } else {
        std::size_t stop = line.find_first_of(u" \t\r", i);
        if (stop == std::u16string::npos) stop = line.size();
        command.words.push_back(line.substr(i, stop - i));
        i = stop;
      }
    }
    if (!command.words.empty() && command.words[0][0] != u'#') commands.push_back(std::move(command));
  }
  return true;
}

bool TranslateScript(const std::string& utf8, std::vector<ScriptCommand>& commands, std::string& error) {
  std::vector<ScriptCommand> pairs;
  if (!ParseScript(utf8, pairs, error)) return false;
  std::map<std::u16string, std::u16string> table;
  for (const ScriptCommand& pair : pairs) {
    if (pair.words.size() != 2) {
      error = "line " + std::to_string(pair.line) + ": a text and its translation expected";
      return false;
    }
    table[pair.words[0]] = pair.words[1];
  }
  for (ScriptCommand& command : commands) {
    if (command.words[0] == u"screenshot") continue;  // a file name and the tour's caption stay as written
    for (std::size_t i = 1; i < command.words.size(); ++i) {
      const auto found = table.find(command.words[i]);
      if (found != table.end()) command.words[i] = found->second;
    }
  }
  return true;
}

void StartScript(std::vector<ScriptCommand> commands, ScriptHost host, std::function<void(bool)> done) {
  g_runner.reset(new Runner{std::move(commands), std::move(host), std::move(done)});
  SetTimer(nullptr, 0, kTickMilliseconds, &Tick);
}

}  // namespace host
