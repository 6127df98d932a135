#include "frame/plugin/panel_freq_used.h"

#include "frame/app/plugin_app.h"
#include "frame/plugin/status_dialogs.h"
#include "frame/protocol/requests.h"
#include "frame/protocol/process.h"
#include "frame/protocol/status_records.h"
#include "parental/status_text.h"

namespace parental::corvui {

namespace {

constexpr UINT kExceptionLinkString = 2028, kLogLinkString = 2029;
constexpr std::uint32_t kHiddenFlag = 16;

}  // namespace

CPanelParentalFreqUsed::CPanelParentalFreqUsed() = default;

bool CPanelParentalFreqUsed::GetPanelInfo(void* record) {
  auto* info = static_cast<PanelInfoRecord*>(record);
  if (!info || !(info->request & 1)) return false;
  info->kind = 1;
  if (!shown_) info->hidden = kHiddenFlag;
  return true;
}

bool CPanelParentalFreqUsed::GetItemLayout(std::uint32_t item, void* record) {
  auto* layout = static_cast<ItemLayoutRecord*>(record);
  if (!layout) return false;
  if (item == 0) {
    layout->type = 1;
    layout->flags = 512;
    layout->rect = {0, -103, 0, -100};
    return true;
  }
  if (item != 1) return false;
  HostMetricsRecord metrics{};
  if (IHostMetrics* host = Process().metrics) host->GetMetrics(0, &metrics);
  layout->type = 14;
  layout->field = -2;
  layout->rect = {metrics.width, 0, metrics.width, metrics.height};
  return true;
}

bool CPanelParentalFreqUsed::GetItemContent(std::uint32_t item, std::uint64_t, void* record) {
  auto* content = static_cast<ItemContentRecord*>(record);
  if (!content) return false;
  if (item == 0) return true;
  if (item != 1) return false;
  text_ = FrequentActionsText(ResourceText(kExceptionLinkString), ResourceText(kLogLinkString));
  content->text = AddressOf(text_.c_str());
  return true;
}

bool CPanelParentalFreqUsed::OnItemLink(std::uint32_t item, std::uint64_t, void* hostItem, void* link) {
  if (!hostItem || !link) return false;
  if (item != 1 || static_cast<const ItemLinkRecord*>(link)->id != 0) return false;
  // A failed save loads the stored configuration again, so that no unsaved exception stays.
  if (config_ && ConfirmHostAccess() && RunWebPageExceptionDialog(GetWindow(), *config_)) config_->SaveAsUsual();
  return true;
}

void CPanelParentalFreqUsed::SetShown(bool shown) {
  shown_ = shown;
  MarkChanged(kFlagLayout);
  RequestRefresh();
}

}  // namespace parental::corvui
