#include "frame/protocol/requests.h"

#include "common/text.h"
#include "frame/protocol/process.h"

namespace {
constexpr std::uint32_t kMaxTextCapacity = 1u << 20;  // characters; larger demands are refused
}  // namespace

std::int64_t HostMessageBox(std::uint64_t owner, const char16_t* caption, const char16_t* text,
                            std::uint32_t style, std::uint32_t icon, std::uint32_t defaultButton,
                            bool flag) {
  if (!text) return -1;
  std::u16string captionCopy = caption ? std::u16string(caption).substr(0, 255) : u"";
  std::u16string textCopy = std::u16string(text).substr(0, 2048);
  MessageBoxRecord record{};
  record.owner = owner;
  record.caption = caption ? AddressOf(captionCopy.c_str()) : 0;
  record.text = AddressOf(textCopy.c_str());
  record.style = style;
  record.icon = icon;
  record.defaultButton = defaultButton;
  record.flag = flag ? 1 : 0;
  record.result = ~std::uint64_t{0};
  MainRequest(kRequestMessageBox, &record);
  return static_cast<std::int64_t>(record.result);
}

std::int64_t ShowDialogView(std::uint64_t view, std::uint64_t owner) {
  DialogViewRecord record{view, owner, 0, ~std::uint64_t{0}};
  MainRequest(kRequestShowDialog, &record);
  return static_cast<std::int64_t>(record.result);
}

bool ConfirmHostAccess() {
  ConfirmAccessRecord record{0, 0};
  return MainRequest(kRequestConfirmAccess, &record) == kDone && record.result != 0;
}

void RequestHostHelp(std::uint64_t data, std::uint32_t command) {
  HelpRecord record{data, command};
  MainRequest(kRequestHelp, &record);
}

bool FetchHostText(std::uint32_t stringId, std::u16string& text, std::uint32_t& capacity) {
  // Each retry must ask for more room, so a host that keeps saying "too small" ends the loop.
  for (std::uint32_t previous = 0; capacity > previous && capacity <= kMaxTextCapacity;) {
    text.assign(capacity, u'\0');
    TextRequestRecord record{0, stringId, AddressOf(text.data()), capacity};
    if (MainRequest(kRequestText, &record) != kAnswered) return false;
    if (record.status == kTextDone) {
      text.resize(parental::common::BoundedLength(text.data(), capacity));
      return true;
    }
    if (!IsTextTooSmall(record.status)) return false;
    previous = capacity;
    capacity = record.capacity;
  }
  return false;
}
