#include "frame/plugin/page_parental.h"

#include "frame/app/plugin_app.h"
#include "frame/protocol/status_records.h"

namespace parental::corvui {

namespace {

constexpr std::uint32_t kPageFlags = 16;
constexpr std::uint32_t kPageHelpContext = 393837;
constexpr std::uint32_t kEntryValue = 43;
constexpr UINT kTitleString = 2023, kEntryTitleString = 2024, kToolTipString = 2025;

}  // namespace

CPageParental::CPageParental() = default;

std::int32_t CPageParental::OnIOCtl(std::uint32_t code, void* arg) {
  if (code == kCodeShowSecond && arg) {
    showSecond_ = *static_cast<const std::uint32_t*>(arg) == 1;
    frequent_.SetShown(showSecond_);
  }
  return kDone;
}

void CPageParental::OnCreate() {
  PublishPanels(0);
  PublishPanels(1);
}

bool CPageParental::GetStatusPageInfo(void* record) {
  if (!record) return false;
  title_ = ResourceText(kTitleString);
  *static_cast<StatusPageInfoRecord*>(record) = {0, kPageFlags, kPageHelpContext, AddressOf(title_.c_str()), 0};
  return true;
}

bool CPageParental::GetStatusPageEntry(void* record) {
  if (!record) return false;
  entryTitle_ = ResourceText(kEntryTitleString);
  toolTip_ = ResourceText(kToolTipString);
  *static_cast<StatusPageEntryRecord*>(record) = {AddressOf(u"parental"), 2, 1, AddressOf(entryTitle_.c_str()),
                                                  AddressOf(toolTip_.c_str()), kEntryValue};
  return true;
}

CPanelTemplate* CPageParental::GetPanel(std::uint32_t index) {
  switch (index) {
    case 0: return &status_;
    case 1: return &frequent_;
    default: return nullptr;
  }
}

void CPageParental::SetConfig(CParentalConfig* config) {
  status_.SetConfig(config);
  frequent_.SetConfig(config);
}

}  // namespace parental::corvui
