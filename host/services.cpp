#include "services.h"

#include "bitmaps.h"
#include "header_bitmaps.h"
#include "common/text.h"
#include "language/host_language.h"
#include "module_state.h"
#include "ui/host_texts.h"

namespace host {

HostServices::HostServices() : entries_{}, table_{1, entries_, {}} {
  entries_[0].module = kParentalModule;
  entries_[0].state = kStateOn;
  table_.fallback.state = kStateOff;
  // The header's texts in the host's language, from the program's resources.
  auto text = [](UINT id) {
    return std::u16string(parental::common::AsText(HostString(GetModuleHandleW(nullptr), id).c_str()));
  };
  // "gui.password.disabled": "1" while the host has no settings password (its owner sets it).
  settings_ = {
      {u"gui.password.disabled", u"1"},
      {u"gui.textmode.state", u"0"},
      {u"gui.help.caption", text(IDS_HELP_CAPTION)},
      {u"gui.help.tooltip", text(IDS_HELP_TOOLTIP)},
      {u"gui.logo.clicked", text(IDS_PRODUCT_NAME)},
  };
}

HostServices::~HostServices() {
  for (auto& [flag, bitmap] : images_) DeleteObject(bitmap);
}

std::uint32_t HostServices::GetColor(std::uint32_t index) { return GetSysColor(int(index)); }
std::uint64_t HostServices::GetFont(std::uint32_t) {
  return reinterpret_cast<std::uintptr_t>(GetStockObject(DEFAULT_GUI_FONT));
}
std::uint64_t HostServices::GetCursor(std::uint32_t) {
  return reinterpret_cast<std::uintptr_t>(LoadCursorW(nullptr, IDC_HAND));
}

// Kind 3 is the dialog header: the width of its help area and its height.
bool HostServices::GetMetrics(std::uint32_t kind, HostMetricsRecord* record) {
  if (!record) return false;
  *record = kind == kHeaderMetrics ? HostMetricsRecord{kHeaderHelpWidth, kHeaderHeight, {}}
                                   : HostMetricsRecord{560, 400, {}};
  return true;
}

bool HostServices::QueryFlag(const char16_t* key, const char16_t* fallback) {
  // Asking about the logo's key is the logo's click: the host would open its home page.
  if (key && std::u16string_view(key) == u"gui.logo.clicked") {
    if (onEvent_) onEvent_("logo clicked: the host opens its home page");
    return true;
  }
  auto found = key ? settings_.find(key) : settings_.end();
  if (found == settings_.end() && next_) return next_->QueryFlag(key, fallback);
  std::u16string value = found != settings_.end() ? found->second : fallback ? fallback : u"";
  return !value.empty() && value != u"0";
}

std::uint32_t HostServices::QueryNumber(const char16_t* key, std::uint32_t fallback) {
  auto found = key ? settings_.find(key) : settings_.end();
  if (found == settings_.end()) return next_ ? next_->QueryNumber(key, fallback) : fallback;
  return std::uint32_t(std::wcstoul(parental::common::AsWide(found->second.c_str()), nullptr, 10));
}

bool HostServices::SetFlag(const char16_t* key, bool value) { return SetText(key, value ? u"1" : u"0"); }
bool HostServices::SetNumber(const char16_t* key, std::uint32_t value) {
  return SetText(key, parental::common::FormatDecimal(value).c_str());
}

const char16_t* HostServices::GetText(const char16_t* key) {
  auto found = key ? settings_.find(key) : settings_.end();
  if (found != settings_.end()) return found->second.c_str();
  return next_ ? next_->GetText(key) : nullptr;
}

bool HostServices::SetText(const char16_t* key, const char16_t* value) {
  if (!key || !value) return false;
  settings_[key] = value;
  return true;
}

bool HostServices::Remove(const char16_t* key) { return key && settings_.erase(key) > 0; }

std::uint64_t HostServices::GetImage(std::uint32_t flag) {
  if (flag == 0 || flag > 16 || (flag & (flag - 1))) return 0;  // 1, 2, 4, 8 and 16
  HBITMAP& bitmap = images_[flag];
  if (!bitmap) bitmap = MakeStripBitmap(1, 16, int(flag));
  return reinterpret_cast<std::uintptr_t>(bitmap);
}

}  // namespace host
