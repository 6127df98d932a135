#pragma once
// The host's scripted mode: a script file drives the real windows of the host and the
// plug-in, one command per line, as a user would:
//
//   open-setup                 open the advanced setup (the password prompt first, if any)
//   open-main                  open the main window with the status page
//   link TEXT [WITHIN]         click the link or button showing TEXT in the main window (in
//                              the first item whose mark-up holds WITHIN, such as an account's
//                              name), with the pointer at its place, as a user does
//   menu TEXT                  choose the entry TEXT ("&" left out) of the pop-up menu in front
//   print-main                 log what the main window shows: each item's mark-up, hidden panels
//   toggle ID N                press Space on row N (from 0) of list box ID, as the keyboard
//                              switches the mark of a row
//   state N                    the host's parental-control module goes to state N (1 off,
//                              2 not working, 3 off, 4 on); the status panel is told
//   apply FILE [SECTION]       store a configuration document as --apply does, and tell the
//                              plug-in (section hexadecimal, default 01000D00)
//   wait MS                    let the windows run for MS milliseconds before the next command
//   page TITLE                 select a page in the setup's tree
//   click ID                   click the button ID of the window in front
//   click-and-wait ID          the same, but the script waits until the click returns (for
//                              a window that answers itself, such as the account picker
//                              answered by --answer account=...)
//   type ID TEXT               replace the text of edit ID by typing TEXT
//   choose ID TEXT             choose the entry TEXT of combo box ID
//   select ID TEXT             select the row (list view), item (tree) or tab showing TEXT
//   check ID TEXT on|off       set the check box of that row or item as a user does
//   ok, cancel                 press OK or Cancel of the window in front (a message box,
//                              a form, the password prompt or the setup window)
//   press KEY...               press keys for the window in front (script_keys.h names them:
//                              Tab, Shift+Tab, Enter, Esc, Space, arrows, Alt+X, ...)
//   write TEXT                 type TEXT key by key into the focused control
//   print ID                   log the state of control ID (enabled, text, rows, checks)
//   close-main                 close the main window
//   screenshot FILE [CAPTION]  save the window in front (the main window, or a pop-up menu
//                              that is open) as a PNG (a name without a folder goes to the
//                              output folder, the tour's); CAPTION says what it shows in
//                              the tour's index
//   host-command TEXT          run the host's own command TEXT (gui.logpage.show(...),
//                              gui.passworddlg.show) over the window in front
//   answer-picker ACCOUNTS     the next account picker chooses ACCOUNTS (as --answer
//                              account=ACCOUNTS)
//
// Words with spaces go in double quotes; "#" starts a comment line. Each command runs on a
// timer tick of the host's thread, so commands after one that opens a form, a message box
// or the password prompt act on that window while it runs. A command that cannot be done is
// tried again for two seconds (a window may still be opening), then ends the script with
// an error.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace host {

struct ScriptCommand {
  int line;
  std::vector<std::u16string> words;  // the command and its arguments
};

// False with the reason when a line cannot be read (an unterminated quote).
bool ParseScript(const std::string& utf8, std::vector<ScriptCommand>& commands, std::string& error);

// What the script needs from the host besides the windows themselves.
struct ScriptHost {
  std::function<bool()> openSetup;                      // false when the setup did not open
  std::function<bool(const std::u16string&)> selectPage;
  std::function<bool()> openMain;                       // false when there is no status page
  std::function<bool()> closeMain;
  // The screen point of a link or button of the main window (see "link").
  std::function<bool(const std::u16string& text, const std::u16string& within, POINT& screen)> findLink;
  std::function<std::vector<std::string>()> describeMain;  // empty when the window is closed
  std::function<bool(std::uint32_t state)> setState;
  std::function<bool(const std::wstring& file, std::uint32_t section)> apply;
  std::function<void(const std::string&)> log;
  std::function<bool(HWND owner, const std::u16string& command)> hostCommand;
  std::u16string outputFolder;  // ends with a backslash, or empty
  std::function<void(const std::u16string& file, const std::u16string& caption)> screenshotTaken;
};

// Replaces every argument of `commands` that the word table `utf8` names by its other
// language's text: each line of the table holds two words, the text and its translation.
bool TranslateScript(const std::string& utf8, std::vector<ScriptCommand>& commands, std::string& error);

// Runs the commands on the thread's message loops; calls done(ok) after the last one or
// the first failure.
void StartScript(std::vector<ScriptCommand> commands, ScriptHost host, std::function<void(bool)> done);

}  // namespace host
