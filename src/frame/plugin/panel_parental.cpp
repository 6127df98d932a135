#include "frame/plugin/panel_parental.h"

#include "common/text.h"
#include "frame/app/plugin_app.h"
#include "frame/protocol/process.h"
#include "frame/protocol/status_records.h"
#include "frame/templates/page_template.h"

namespace parental::corvui {

namespace {

constexpr UINT kLabelsString = 2026, kLineString = 2027, kUndefinedLineString = 2035, kAgeWordsString = 2048;
constexpr UINT kTitleString = 2049, kPasswordWarningString = 2051, kTrafficWarningString = 2054;
constexpr UINT kStateWordsString = 2058;
constexpr std::uint32_t kPageShowSecond = 0xFFFFFFFF;
constexpr std::int32_t kGrow = -100;  // the host sizes the item to its content
constexpr std::uint32_t kPictureKind = 8, kContentStyle = 0xF0000001;

std::u16string ComputerName() {
  wchar_t name[MAX_COMPUTERNAME_LENGTH + 1] = {};
  DWORD length = MAX_COMPUTERNAME_LENGTH + 1;
  if (!GetComputerNameW(name, &length)) return {};
  return std::u16string(common::AsText(name), length);
}

void SetLayout(ItemLayoutRecord& layout, std::uint16_t type, LayoutRect rect) {
  layout.type = type;
  layout.rect = rect;
  if (type == 1) layout.flags = 512;
  else layout.field = -1;
}

}  // namespace

CPanelParental::CPanelParental()
    : computer_(ComputerName()),
      labels_(ResourceText(kLabelsString)),
      lineFormat_(ResourceText(kLineString)),
      undefinedFormat_(ResourceText(kUndefinedLineString)),
      ageWords_(ResourceText(kAgeWordsString)) {
  if (IsCreated()) OnCreate();
}

void CPanelParental::OnCreate() {
  HostMetricsRecord metrics{};
  if (IHostMetrics* host = Process().metrics; host && host->GetMetrics(0, &metrics)) width_ = metrics.width;
  if (IHostServices* services = QueryHostServices()) table_ = services->GetStatusTable();
  PanelStateRecord record{};
  if (QueryPanelState(&record)) TakeStateCodes(record);
}

std::int32_t CPanelParental::OnIOCtl(std::uint32_t code, void* arg) {
  if (code == kNoticePanelState) {
    if (!arg) return kFailed;
    TakeStateCodes(*static_cast<const PanelStateRecord*>(arg));
  } else if (!IsConfigChangeNotice(code)) {
    return kFailed;
  }
  MarkChanged(kFlagDirty);
  RequestRefresh();
  return kDone;
}

void CPanelParental::TakeStateCodes(const PanelStateRecord& record) {
  flags_ = ReadHostStateCodes(record.codes, std::min(record.count, kMaxStateCodes));
  std::uint32_t active = flags_.active ? 1 : 0;
  if (CPageTemplate* page = Page()) page->OnIOCtl(kPageShowSecond, &active);
}

std::uint32_t CPanelParental::State() const {
  if (!table_) return 0;
  for (std::uint32_t i = 0; table_->entries && i < table_->count; ++i)
    if (table_->entries[i].module == kParentalModule) return table_->entries[i].state;
  return table_->fallback.state;
}

bool CPanelParental::GetPanelInfo(void* record) {
  auto* info = static_cast<PanelInfoRecord*>(record);
  if (!info || !(info->request & 1)) return false;
  info->kind = 1;
  info->status = 1;
  return true;
}

bool CPanelParental::GetItemLayout(std::uint32_t item, void* record) {
  auto* layout = static_cast<ItemLayoutRecord*>(record);
  if (!layout) return false;
  if (item == kItemTop) RebuildAccounts();
  if (item <= kItemGap) {
    SetLayout(*layout, item == kItemHeader ? 14 : 1, {width_, 0, width_, kGrow});
    return true;
  }
  std::size_t line = item - kItemFirstAccount;
  if (!flags_.active || line >= lines_.size()) return false;
  SetLayout(*layout, 4, {width_, 0, 0, line + 1 == lines_.size() ? 0 : kGrow});
  return true;
}

bool CPanelParental::GetItemContent(std::uint32_t item, std::uint64_t, void* record) {
  auto* content = static_cast<ItemContentRecord*>(record);
  if (!content || !table_) return false;
  if (item == kItemTop || item == kItemGap) return true;
  if (item == kItemHeader) {
    text_ = Header();
    content->text = AddressOf(text_.c_str());
    return true;
  }
  std::size_t index = item - kItemFirstAccount;
  if (item < kItemFirstAccount || index >= lines_.size()) return false;
  const Line& line = lines_[index];
  text_ = AccountLine(line);
  second_.clear();
  content->text = AddressOf(text_.c_str());
  content->second = AddressOf(second_.c_str());
  content->zero = 0;
  content->picture = line.picture ? AddressOf(line.picture) : kNoPicture;
  if (line.picture) content->pictureKind = kPictureKind;
  content->reserved4 = 0;
  content->style = kContentStyle;
  return true;
}

std::u16string CPanelParental::Header() const {
  std::u16string rows;
  if (flags_.active) {
    std::vector<StatusAccount> accounts;
    for (const Line& line : lines_) accounts.push_back(line.account);
    IHostSettings* settings = Process().settings;
    if (HasEnabledAdministrator(accounts) && settings && settings->QueryFlag(u"gui.password.disabled", u""))
      AppendWarningRow(rows, ResourceText(kPasswordWarningString));
  }
  if (!flags_.encryptedTraffic) AppendWarningRow(rows, ResourceText(kTrafficWarningString));
  std::uint32_t state = State();
  std::u16string words = ResourceText(kStateWordsString);
  return HeaderText(ResourceText(kTitleString), StateWord(words, state), StateFrame(state), rows);
}

std::u16string CPanelParental::AccountLine(const Line& line) const {
  const StatusAccount& account = line.account;
  std::u16string name = DisplayName(account.user, account.domain, computer_);
  if (account.kind == kAccountNotSet) return UndefinedLineText(undefinedFormat_, name);
  SYSTEMTIME now;
  GetLocalTime(&now);
  std::int32_t age = config_ ? AccountAge(config_->Accounts(), account.sidText, now.wYear) : 0;
  return AccountLineText(lineFormat_, name, AgeText(age, ageWords_), account.kind,
                         TextPart(labels_, u'|', account.kind));
}

void CPanelParental::RebuildAccounts() {
  lines_.clear();
  if (!config_) return;
  for (StatusAccount& account : CollectStatusAccounts(config_->Accounts().Service(), config_->Engine(), &config_->Accounts(), computer_)) {
    HBITMAP picture = pictures_.Load(account.user, account.domain, computer_);
    lines_.push_back({std::move(account), picture});
  }
}

}  // namespace parental::corvui
