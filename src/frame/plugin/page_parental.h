#pragma once
// The status page "parental" with its two panels: the status panel and the frequently
// used actions, shown only while parental control is active.
#include <string>

#include "frame/plugin/panel_freq_used.h"
#include "frame/plugin/panel_parental.h"
#include "frame/templates/page_template.h"

namespace parental::corvui {

class CPageParental : public CPageTemplate {
 public:
  // The page's own code: the argument points to the active flag (1 shows the second panel).
  static constexpr std::uint32_t kCodeShowSecond = 0xFFFFFFFF;

  CPageParental();

  std::int32_t OnIOCtl(std::uint32_t code, void* arg) override;
  void OnCreate() override;  // publishes the panels twice, with 0 and with 1
  bool GetStatusPageInfo(void* record) override;
  bool GetStatusPageEntry(void* record) override;
  CPanelTemplate* GetPanel(std::uint32_t index) override;

  void SetConfig(CParentalConfig* config);
  CPanelParental& Status() { return status_; }
  CPanelParentalFreqUsed& Frequent() { return frequent_; }

 private:
  CPanelParental status_;
  CPanelParentalFreqUsed frequent_;
  bool showSecond_ = false;
  std::u16string title_, entryTitle_, toolTip_;
};

}  // namespace parental::corvui
