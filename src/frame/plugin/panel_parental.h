#pragma once
// The status panel: the state of parental control with its warnings, and one line per
// user account of the computer with its age, its label and its links.
#include <cstdint>
#include <string>
#include <vector>

#include "frame/plugin/account_pictures.h"
#include "frame/protocol/status_records.h"
#include "frame/templates/panel_template.h"
#include "parental/parental_config.h"
#include "parental/status_accounts.h"
#include "parental/status_text.h"

namespace parental::corvui {

class CPanelParental : public CPanelSettingsTemplate {
 public:
  enum : std::uint32_t { kItemTop = 0, kItemHeader = 1, kItemGap = 2, kItemFirstAccount = 3 };

  CPanelParental();

  // Configuration-change notices and the host's state codes; -1 for anything else.
  std::int32_t OnIOCtl(std::uint32_t code, void* arg) override;
  // Takes the width, the status table and the host's state codes.
  void OnCreate() override;
  bool GetPanelInfo(void* record) override;
  bool GetItemLayout(std::uint32_t item, void* record) override;
  bool GetItemContent(std::uint32_t item, std::uint64_t value, void* record) override;
  bool OnItemLink(std::uint32_t item, std::uint64_t value, void* hostItem, void* link) override;

  // The configuration the panel shows and changes (the plug-in's private one).
  void SetConfig(CParentalConfig* config) { config_ = config; }
  // Lists the accounts afresh: local accounts, records and pictures.
  void RebuildAccounts();

  struct Line {
    StatusAccount account;
    HBITMAP picture = nullptr;
  };
  const std::vector<Line>& Lines() const { return lines_; }
  bool Active() const { return flags_.active; }
  bool EncryptedTraffic() const { return flags_.encryptedTraffic; }
  // The state of parental control in the host's status table (0 without a table).
  std::uint32_t State() const;

 private:
  void TakeStateCodes(const PanelStateRecord& record);  // and reports the active flag to the page
  std::u16string Header() const;
  std::u16string AccountLine(const Line& line) const;
  // Link actions (panel_parental_links.cpp).
  bool OnHeaderLink(std::uint32_t id, const HostItemRecord& hostItem);
  bool OnAccountLink(std::uint32_t item, std::uint32_t id);
  void SwitchAccount(std::uint32_t item, std::uint32_t kind);
  // The account entries again; every account line and the header marked changed.
  void Rebuild();

  std::u16string computer_;
  std::u16string labels_, lineFormat_, undefinedFormat_, ageWords_;
  HostStateFlags flags_;
  const StatusTable* table_ = nullptr;
  std::int32_t width_ = 0;
  std::vector<Line> lines_;
  AccountPictures pictures_;
  std::u16string text_, second_;
  CParentalConfig* config_ = nullptr;
};

}  // namespace parental::corvui
