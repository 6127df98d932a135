// The account dialogs are not part of this build yet: every dialog answers as cancelled,
// so the links that open them change nothing.
#include "frame/plugin/status_dialogs.h"

namespace parental::corvui {

bool RunAccountConfigDialog(HWND, CParentalConfig&, const StatusAccount&, SIZE, const std::u16string&) {
  return false;
}

bool RunAccountSetupDialog(HWND, CParentalConfig&, const StatusAccount&, AccountSetupMode, std::uint32_t) {
  return false;
}

bool RunWebPageExceptionDialog(HWND, CParentalConfig&, const std::u16string&) { return false; }

}  // namespace parental::corvui
