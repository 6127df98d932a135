#pragma once
// The dialog check: a dialog template created from a library, and the checks made on it
// with the system's own measurements. Each check adds one line per fault to `problems`,
// naming the dialog (`where`), the control and its text.
#include <windows.h>

#include <string>
#include <vector>

namespace dialog_check {

// Version 6 of the common controls for this thread, from the manifest that the plug-in
// `library` carries, as the plug-in's own windows have them.
class CommonControls6 {
 public:
  explicit CommonControls6(const wchar_t* library);
  ~CommonControls6();
  CommonControls6(const CommonControls6&) = delete;
  CommonControls6& operator=(const CommonControls6&) = delete;
  bool active() const { return cookie_ != 0; }

 private:
  HANDLE context_ = INVALID_HANDLE_VALUE;
  ULONG_PTR cookie_ = 0;
};

// Dialog `id` of `module` (in `language`, or as the system finds it), created (shown,
// inactive and off the screen) inside a window of its own: a child template as its child, a
// pop-up one owned by it.
class OpenDialog {
 public:
  OpenDialog(HMODULE module, int id, LANGID language = LANG_NEUTRAL);
  ~OpenDialog();
  OpenDialog(const OpenDialog&) = delete;
  OpenDialog& operator=(const OpenDialog&) = delete;

  HWND window() const { return dialog_; }
  std::vector<HWND> Controls() const;  // in tab (z) order
  // Brought on the screen (a child template in a frame of its size), saved as a PNG at
  // `path` and put off the screen again; false when the capture failed.
  bool Screenshot(const std::u16string& path);

 private:
  HWND host_ = nullptr;
  HWND dialog_ = nullptr;
};

std::string Kind(HWND control);      // the window class
std::string Describe(HWND control);  // control 2001 "Co&py categories from:", or control 2017 (Edit)
wchar_t AccessKey(HWND control);     // upper case; 0 for none

// Static texts, buttons, check boxes, radio buttons and group captions fit their controls.
void CheckTexts(const OpenDialog& dialog, const std::string& where, std::vector<std::string>& problems);
// Controls that take input are reached by Tab and named: by their own text (buttons, check
// boxes, tab controls) or by a static or group box with an access key just before them.
void CheckInputs(const OpenDialog& dialog, const std::string& where, std::vector<std::string>& problems);
// No access key twice among the controls of dialogs shown together.
void CheckAccessKeys(const std::vector<const OpenDialog*>& dialogs, const std::string& where,
                     std::vector<std::string>& problems);
// Every visible control lies inside the dialog, and none overlaps another, but for an
// up-down control on its buddy and controls that lie wholly inside a group box.
void CheckLayout(const OpenDialog& dialog, const std::string& where, std::vector<std::string>& problems);
// The dialog fits a 1024 x 768 screen (scaled with the display's dots per inch).
void CheckScreenFit(const OpenDialog& dialog, const std::string& where, std::vector<std::string>& problems);

}  // namespace dialog_check
