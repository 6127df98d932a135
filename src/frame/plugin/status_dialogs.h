#pragma once
// The dialogs and host controls the status page's links lead to. Each dialog runs modal,
// owned by the panel's window, and answers true when it ended with OK.
#include <windows.h>

#include <cstdint>
#include <string>

#include "frame/protocol/status_records.h"
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

// The web-page exception dialog over every account and role of the configuration.
bool RunWebPageExceptionDialog(HWND owner, CParentalConfig& config, const std::u16string& title);

// The screen point below the left end of the button the host's control reports as clicked;
// false when the clicked object is not a button.
bool ClickedButtonPoint(const HostItemRecord& hostItem, POINT* point);

}  // namespace parental::corvui
