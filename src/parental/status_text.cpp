#include "parental/status_text.h"

#include "common/format.h"
#include "common/text.h"

namespace parental::corvui {

using common::FormatText;

namespace {

constexpr std::uint32_t kActiveCode = 0x82020001;
constexpr std::uint32_t kInactiveCode = 0x42020001;
constexpr std::int32_t kWarningColour = 0x333333;
constexpr std::int32_t kHeaderWidth = 512;
constexpr std::int32_t kStateFrames = 5;
constexpr std::size_t kAgeWordLimit = 128;

}  // namespace

HostStateFlags ReadHostStateCodes(const std::uint32_t* codes, std::uint32_t count) {
  HostStateFlags flags;
  if (!codes) return flags;
  bool blocked = false;
  for (std::uint32_t i = 0; i < count; ++i) {
    std::uint32_t code = codes[i];
    if (code == kParentalModule || code == kInactiveCode) blocked = true;
    if (code == kActiveCode && !blocked) flags.active = true;
    if (code == kEncryptedTrafficModule) flags.encryptedTraffic = true;
  }
  return flags;
}

std::u16string_view TextPart(std::u16string_view text, char16_t separator, std::size_t index) {
  for (;; --index) {
    std::size_t end = text.find(separator);
    if (index == 0) return text.substr(0, end);
    if (end == std::u16string_view::npos) return {};
    text.remove_prefix(end + 1);
  }
}

std::u16string_view StateWord(std::u16string_view words, std::uint32_t state) {
  return state >= 1 && state <= 4 ? TextPart(words, u';', state - 1) : std::u16string_view();
}

std::int32_t StateFrame(std::uint32_t state) { return state >= 1 && state <= 4 ? 4 - std::int32_t(state) : 4; }

void AppendWarningRow(std::u16string& rows, std::u16string_view format) {
  if (rows.empty()) rows = u"<tr><td height=\"15\"></td><td></td><td></td></tr>";
  std::u16string warning = FormatText(format, {kWarningColour});
  rows += FormatText(u"<tr><td><p>%s</p></td><td></td><td><p>%s</p></td></tr>",
                     {TextPart(warning, u'|', 0), TextPart(warning, u'|', 1)});
}

std::u16string HeaderText(std::u16string_view title, std::u16string_view stateWord, std::int32_t frame,
                          std::u16string_view rows) {
  return FormatText(
      u"<table width=\"%d\"><tr><td><p>%s</p></td><td width=\"16\"><img src=\"%s\" frames=\"%d\" "
      u"active=\"%d\" /></td><td width=\"120\"><button skin=\"default_selection\" width=\"50\" "
      u"height=\"18\" id=\"%s\" h-offset=\"0,18\" padding=\"2,2,2,2\" multiline=\"0\" "
      u"caption=\"%s\"/></td></tr>%s</table>",
      {kHeaderWidth, title, u"state_icon_list", kStateFrames, frame, u"0", stateWord, rows});
}

std::u16string DisplayName(std::u16string_view user, std::u16string_view domain, std::u16string_view computer) {
  if (common::EqualsNoCase(domain, computer)) return std::u16string(user);
  return FormatText(u"%s\\%s", {domain, user});
}

std::int32_t LabelLinkId(std::uint32_t kind) {
  switch (kind) {
    case kAccountEnabled: return kLinkEnabled;
    case kAccountDisabled: return kLinkDisabled;
    default: return kLinkNotDefined;
  }
}

std::u16string AgeText(std::int32_t age, std::u16string_view words) {
  std::size_t form = age == 1 ? 0 : (age >= 2 && age <= 4 ? 1 : 2);
  std::u16string word = FormatText(TextPart(words, u'|', form), {age});
  if (word.size() > kAgeWordLimit) word.resize(kAgeWordLimit);
  return FormatText(u"%d %s", {age, word});
}

std::u16string AccountLineText(std::u16string_view format, std::u16string_view name, std::u16string_view age,
                               std::uint32_t kind, std::u16string_view label) {
  return FormatText(format, {name, std::int32_t(kLinkAge), age, LabelLinkId(kind), label, std::int32_t(kLinkSetup)});
}

std::u16string UndefinedLineText(std::u16string_view format, std::u16string_view name) {
  return FormatText(format, {name, LabelLinkId(kAccountNotSet)});
}

std::u16string FrequentActionsText(std::u16string_view exceptionLink, std::u16string_view logLink) {
  constexpr std::u16string_view kAction = u"<img src=\"%s\" active=\"%d\" ></img> %s";
  return u"<linepos=\"5\">" + FormatText(kAction, {u"text_icon", 4, exceptionLink}) + u"\n" +
         FormatText(kAction, {u"text_icon", 2, logLink}) + u"</linepos>";
}

}  // namespace parental::corvui
