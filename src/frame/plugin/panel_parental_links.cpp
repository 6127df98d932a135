// The status panel's links: the state button, the encrypted-traffic "Enable", and the
// links of each account line.
#include "frame/app/plugin_app.h"
#include "frame/plugin/panel_parental.h"
#include "frame/plugin/clicked_button.h"
#include "frame/plugin/status_dialogs.h"
#include "frame/protocol/requests.h"
#include "frame/protocol/status_records.h"

namespace parental::corvui {

namespace {

constexpr std::uint32_t kLinkStateButton = 0, kLinkEnableTraffic = 1;
constexpr UINT kCaptionString = 2001, kAdministratorNoticeString = 2057;
constexpr std::uint32_t kNoticeStyle = MB_ICONWARNING;  // 0x30

std::int32_t YearNow() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return now.wYear;
}

}  // namespace

bool CPanelParental::OnItemLink(std::uint32_t item, std::uint64_t, void* hostItem, void* link) {
  if (!hostItem || !link) return false;
  std::uint32_t id = static_cast<const ItemLinkRecord*>(link)->id;
  if (item == kItemHeader) return OnHeaderLink(id, *static_cast<const HostItemRecord*>(hostItem));
  if (item < kItemFirstAccount || item - kItemFirstAccount >= lines_.size()) return false;
  return OnAccountLink(item, id);
}

bool CPanelParental::OnHeaderLink(std::uint32_t id, const HostItemRecord& hostItem) {
  if (id == kLinkStateButton) {
    POINT point;
    if (!ClickedButtonPoint(hostItem, &point)) return false;
    ShowStateMenu(std::uint32_t(point.x) | std::uint64_t(std::uint32_t(point.y)) << 32);
    return true;
  }
  if (id != kLinkEnableTraffic) return false;
  if (ConfirmHostAccess()) SetHostValue(kEncryptedTrafficModule);
  return true;
}

bool CPanelParental::OnAccountLink(std::uint32_t item, std::uint32_t id) {
  if (!config_) return false;
  StatusAccount account = lines_[item - kItemFirstAccount].account;
  switch (id) {
    case kLinkSetup: {
      SIZE picture{48, 48};
      // The dialog saves its OK itself and stays open while the save fails.
      if (RunAccountConfigDialog(GetWindow(), *config_, account, picture,
                                 DisplayName(account.user, account.domain, computer_)))
        Rebuild();
      return true;
    }
    case kLinkNotDefined:
      // The notice only for an account that is now stored under parental control.
      if (RunAccountSetupDialog(GetWindow(), *config_, account, AccountSetupMode::NewAccount, 0) &&
          config_->SaveAsUsual() && account.administrator) {
        std::u16string caption = ResourceText(kCaptionString), text = ResourceText(kAdministratorNoticeString);
        HostMessageBox(AddressOf(GetWindow()), caption.c_str(), text.c_str(), kNoticeStyle, 0, 0, false);
      }
      Rebuild();
      return true;
    case kLinkDisabled:
    case kLinkEnabled:
      if (ConfirmHostAccess()) SwitchAccount(item, id == kLinkDisabled ? kAccountEnabled : kAccountDisabled);
      return true;
    case kLinkAge: {
      std::int32_t age = AccountAge(config_->Accounts(), account.sidText, YearNow());
      if (RunAccountSetupDialog(GetWindow(), *config_, account, AccountSetupMode::ExistingAccount,
                                std::uint32_t(age > 0 ? age : 0)) &&
          config_->IsModified() && config_->SaveAsUsual())
        Invalidate(std::int32_t(item));
      return true;
    }
    default:
      return false;
  }
}

void CPanelParental::SwitchAccount(std::uint32_t item, std::uint32_t kind) {
  StatusAccount& account = lines_[item - kItemFirstAccount].account;
  std::uint32_t before = account.kind;
  account.kind = kind;
  Invalidate(std::int32_t(item));
  // A save that failed reloads the stored state: the line shows it again.
  if (config_->Accounts().SetEnabled(account.sidText, kind == kAccountEnabled ? 1 : 0) && !config_->SaveAsUsual())
    account.kind = before;
  Invalidate(kItemHeader);
}

void CPanelParental::Rebuild() {
  RebuildAccounts();
  for (std::size_t i = 0; i < lines_.size(); ++i) Invalidate(std::int32_t(kItemFirstAccount + i));
  Invalidate(kItemHeader);
}

}  // namespace parental::corvui
