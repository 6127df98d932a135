#pragma once
// The rules of the setup pages and their forms that need no window: which controls are
// enabled, which template role an age matches, and when a form's answer is a change.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace parental::corvui {

// Account form: the role combo, "C&hoose" and "OK".
struct AccountFormEnabling {
  bool roles, choose, ok;
};
AccountFormEnabling AccountFormRule(bool newAccount, bool hasSid, bool copyChecked, bool roleSelected);

// Exceptions page: the list and "&Add", "&Remove" and "&Edit".
struct ExceptionsPageEnabling {
  bool list, add, remove, edit;
};
ExceptionsPageEnabling ExceptionsPageRule(bool roleSelected, bool rowSelected);

// URL exception form: "OK" only with a URL and a state.
inline bool UrlFormAccepts(const std::u16string& url, bool stateSelected) { return !url.empty() && stateSelected; }

// An age range of a role offered by the account form; (255, 255) for roles without one.
struct AgeRange {
  std::int32_t minimum, maximum;
};
// The first range that holds age, with the form's upper limit: the maximum when it is
// above the minimum, else 255. -1 when none does.
int MatchAgeRange(const std::vector<AgeRange>& ranges, std::int64_t age);

// The age text of the forms read as the C library reads "%d" (leading blanks and a sign,
// then digits); 0 when it holds no number.
std::int64_t ReadAge(const std::u16string& text);

// Whether a form run brought a change: the account form in mode 1 unless age and role are
// as before (mode 0: only with a chosen account); the URL exception form in mode 1 unless
// URL and state are as before (mode 0: only with a URL and a state).
bool AccountFormChanged(bool newAccount, bool hasSid, std::int64_t age, std::int64_t previousAge, int role,
                        int previousRole);
bool UrlFormChanged(bool edit, const std::u16string& url, std::optional<std::uint32_t> state,
                    const std::u16string& previousUrl, std::optional<std::uint32_t> previousState);

// Whether the pages are offered: not when the browser's major version is below 5 and
// Word's (asked only then) below 9.
bool PagesOffered(int browserVersion, int (*wordVersion)());

// The current local calendar year, or nothing when the local time cannot be had.
std::optional<int> CurrentLocalYear();

// The page's text of an exception state: "Allowed" (1), "Blocked" (0), else "@Unknown state".
std::u16string ExceptionStateText(std::uint32_t state, const std::u16string& allowed, const std::u16string& blocked);

// pattern with each "%s" replaced by the next argument and each "%d" by the next number;
// "%%" is one percent sign.
std::u16string FillPlaceholders(const std::u16string& pattern, const std::vector<std::u16string>& texts);
std::u16string FormatNumber(std::int64_t value);

}  // namespace parental::corvui
