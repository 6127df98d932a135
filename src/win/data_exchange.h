#pragma once
// Data exchange between a dialog's controls and its members, both ways, for the kinds the
// dialogs bind: edit text to a string or an integer, a check box to an integer, a combo
// box's selection. On saving, the first exchange that fails (text that is not a number)
// puts the focus on its control, selects its text and stops the rest: UpdateData answers
// false and the dialog stays open.
#include <windows.h>

#include <string>

class CDataExchange {
 public:
  CDataExchange(HWND dialog, bool saveAndValidate) : dialog_(dialog), save_(saveAndValidate) {}

  bool Saving() const { return save_; }
  bool Failed() const { return failed_; }
  // The control `id`, or null once an exchange failed (the later ones do nothing).
  HWND Control(int id) const { return failed_ ? nullptr : GetDlgItem(dialog_, id); }
  void Fail(HWND control);

 private:
  HWND dialog_;
  bool save_;
  bool failed_ = false;
};

void DDX_Text(CDataExchange& exchange, int id, std::u16string& value);
void DDX_Text(CDataExchange& exchange, int id, int& value);
void DDX_Check(CDataExchange& exchange, int id, int& value);

// A whole decimal number with an optional sign and surrounding blanks, in int's range.
bool ParseInteger(std::u16string_view text, int& value);
