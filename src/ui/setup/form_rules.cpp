#include "ui/setup/form_rules.h"

#include <ctime>

#include "common/text.h"

namespace parental::corvui {

AccountFormEnabling AccountFormRule(bool newAccount, bool hasSid, bool copyChecked, bool roleSelected) {
  return {copyChecked, newAccount, (hasSid || !newAccount) && (!copyChecked || roleSelected)};
}

ExceptionsPageEnabling ExceptionsPageRule(bool roleSelected, bool rowSelected) {
  const bool row = roleSelected && rowSelected;
  return {roleSelected, roleSelected, row, row};
}

int MatchAgeRange(const std::vector<AgeRange>& ranges, std::int64_t age) {
  for (std::size_t i = 0; i < ranges.size(); ++i) {
    const AgeRange& range = ranges[i];
    const std::int64_t limit = range.maximum > range.minimum ? range.maximum : 255;
    if (range.minimum <= age && age <= limit) return static_cast<int>(i);
  }
  return -1;
}

std::int64_t ReadAge(const std::u16string& text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
  std::int64_t value = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    value = value * 10 + (text[i] - u'0');
    if (value > INT32_MAX) value = INT32_MAX;  // "%d" into 32 bits; the forms cap the age anyway
  }
  return negative ? -value : value;
}

bool AccountFormChanged(bool newAccount, bool hasSid, std::int64_t age, std::int64_t previousAge, int role,
                        int previousRole) {
  if (newAccount) return hasSid;
  return age != previousAge || role != previousRole;
}

bool UrlFormChanged(bool edit, const std::u16string& url, std::optional<std::uint32_t> state,
                    const std::u16string& previousUrl, std::optional<std::uint32_t> previousState) {
  if (url.empty() || !state) return false;
  return !edit || url != previousUrl || state != previousState;
}

bool PagesOffered(int browserVersion, int (*wordVersion)()) {
  return browserVersion >= 5 || (wordVersion && wordVersion() >= 9);
}

std::optional<int> CurrentLocalYear() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  if (now == std::time_t(-1) || localtime_s(&local, &now) != 0) return std::nullopt;
#else
  if (now == std::time_t(-1) || !localtime_r(&now, &local)) return std::nullopt;
#endif
  return local.tm_year + 1900;
}

std::u16string ExceptionStateText(std::uint32_t state, const std::u16string& allowed, const std::u16string& blocked) {
  return state == 1 ? allowed : state == 0 ? blocked : u"@Unknown state";
}

std::u16string FormatNumber(std::int64_t value) {
  const std::uint64_t magnitude = value < 0 ? 0 - std::uint64_t(value) : std::uint64_t(value);
  std::u16string text = value < 0 ? u"-" : u"";
  text += common::FormatDecimal(magnitude);
  return text;
}

std::u16string FillPlaceholders(const std::u16string& pattern, const std::vector<std::u16string>& texts) {
  std::u16string result;
  std::size_t next = 0;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] != u'%' || i + 1 == pattern.size()) {
      result += pattern[i];
      continue;
    }
    const char16_t kind = pattern[++i];
    if (kind == u's' || kind == u'd') {
      if (next < texts.size()) result += texts[next];
      ++next;
    } else {
      result += kind;  // "%%" and anything unknown: the character itself
    }
  }
  return result;
}

}  // namespace parental::corvui
