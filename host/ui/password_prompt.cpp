#include "ui/password_prompt.h"

#include "language/host_language.h"
#include "ui/host_dialogs.h"

namespace host {
namespace {

INT_PTR CALLBACK PromptProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(window, DWLP_USER, lParam);
      SetForegroundWindow(window);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        auto* typed = reinterpret_cast<std::wstring*>(GetWindowLongPtrW(window, DWLP_USER));
        *typed = DialogItemText(window, IDC_PASSWORD_TEXT);  // whole: a password may be long
      }
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(window, LOWORD(wParam));
        return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

}  // namespace

std::wstring DialogItemText(HWND dialog, int id) {
  HWND item = GetDlgItem(dialog, id);
  std::wstring text(std::size_t(GetWindowTextLengthW(item)) + 1, L'\0');
  text.resize(std::size_t(GetWindowTextW(item, &text[0], int(text.size()))));
  return text;
}

bool AskSettingsPassword(HWND owner, const SettingsPassword& password) {
  if (!password.IsSet()) return true;
  std::wstring typed;
  const INT_PTR answer =
      HostDialogBox(GetModuleHandleW(nullptr), IDD_PASSWORD_PROMPT, owner, &PromptProcedure, LPARAM(&typed));
  return answer == IDOK && password.Matches(typed);
}

}  // namespace host
