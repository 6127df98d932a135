#pragma once
// The dialogs the status page's links open. Each dialog runs modal,
// owned by the panel's window, and answers true when it ended with OK, which it does only
// once it has changed the model.
#include <windows.h>

#include <cstdint>
#include <string>

#include "parental/parental_config.h"
#include "parental/status_accounts.h"

namespace parental::corvui {

// The account configuration dialog for the account's role; `title` is its display name.
bool RunAccountConfigDialog(HWND owner, CParentalConfig& config, const StatusAccount& account, SIZE picture,
                            const std::u16string& title);

// The account setup dialog: for a new account (the age sets the role from its template),
// or for an account with a record whose age is `age`.
enum class AccountSetupMode { NewAccount, ExistingAccount };
bool RunAccountSetupDialog(HWND owner, CParentalConfig& config, const StatusAccount& account, AccountSetupMode mode,
                           std::uint32_t age);

// The web-page exception dialog over every account and role of the configuration, with
// its own title ("Web page exceptions"); true when it wrote the exceptions.
bool RunWebPageExceptionDialog(HWND owner, CParentalConfig& config);

}  // namespace parental::corvui
