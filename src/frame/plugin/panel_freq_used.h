#pragma once
// The frequently-used panel: "Set exception for web page..." and "Show log" (a command the
// host carries out itself). Hidden while parental control is not active.
#include <string>

#include "frame/templates/panel_template.h"
#include "parental/parental_config.h"

namespace parental::corvui {

class CPanelParentalFreqUsed : public CPanelTemplate {
 public:
  CPanelParentalFreqUsed();

  std::int32_t OnIOCtl(std::uint32_t, void*) override { return kFailed; }
  bool GetPanelInfo(void* record) override;
  bool GetItemLayout(std::uint32_t item, void* record) override;
  bool GetItemContent(std::uint32_t item, std::uint64_t value, void* record) override;
  bool OnItemLink(std::uint32_t item, std::uint64_t value, void* hostItem, void* link) override;

  // Shows or hides the panel: its layout changed, the host is asked to refresh.
  void SetShown(bool shown);
  bool Shown() const { return shown_; }
  void SetConfig(CParentalConfig* config) { config_ = config; }

 private:
  bool shown_ = false;
  std::u16string text_;
  CParentalConfig* config_ = nullptr;
};

}  // namespace parental::corvui
