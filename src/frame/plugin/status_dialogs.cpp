// The status page's links open the account dialogs of src/ui/dialogs, modal, owned by the
// panel's window.
#include "frame/plugin/status_dialogs.h"

#include "ui/dialogs/account_config_dlg.h"
#include "ui/dialogs/account_init_dlg.h"
#include "ui/dialogs/web_page_exception_dlg.h"

namespace parental::corvui {

// The dialog configures the account's role and saves the configuration itself on OK; while
// the save fails it stays open with the user's edits.
bool RunAccountConfigDialog(HWND owner, CParentalConfig& config, const StatusAccount& account, SIZE,
                            const std::u16string&) {
  auto record = config.Accounts().Accounts().find(account.sidText);
  if (record == config.Accounts().Accounts().end()) return false;
  CAccountConfigDlg dialog(owner, config, record->second.roleKey);
  return dialog.DoModal() == IDOK;
}

bool RunAccountSetupDialog(HWND owner, CParentalConfig& config, const StatusAccount& account, AccountSetupMode mode,
                           std::uint32_t age) {
  CAccountInitDlg dialog(owner, config.Roles(), config.Accounts(), account.domain, account.user, account.sidText);
  if (mode == AccountSetupMode::NewAccount) dialog.SetNewAccount();
  else dialog.SetExistingAccount(age);
  return dialog.DoModal() == IDOK;
}

bool RunWebPageExceptionDialog(HWND owner, CParentalConfig& config) {
  CExceptionConfigDlg dialog(owner, config.Roles(), config.Accounts().Accounts());
  return dialog.DoModal() == IDOK;
}

}  // namespace parental::corvui
