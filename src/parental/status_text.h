#pragma once
// The mark-up texts of the status page's panels, built from the resource formats they are
// given: the header with its state and warnings, one line per account, and the
// frequently-used actions. The host draws them with its rich-text control.
#include <cstdint>
#include <string>
#include <string_view>

namespace parental::corvui {

constexpr std::uint32_t kParentalModule = 0x2020001;
constexpr std::uint32_t kEncryptedTrafficModule = 0x2020002;

// The two flags the status panel reads from the host's state codes.
struct HostStateFlags {
  bool active = false;            // 0x82020001 present, and neither 0x2020001 nor 0x42020001 before it
  bool encryptedTraffic = false;  // 0x2020002 present
};
HostStateFlags ReadHostStateCodes(const std::uint32_t* codes, std::uint32_t count);

// Part `index` of a text split at `separator`; empty when there are fewer parts.
std::u16string_view TextPart(std::u16string_view text, char16_t separator, std::size_t index);

// The state word (part s - 1 of the ";"-list) and the frame of "state_icon_list" (4 - s)
// for the state s of parental control in the host's status table. A state outside 1..4
// has no word and shows frame 4.
std::u16string_view StateWord(std::u16string_view words, std::uint32_t state);
std::int32_t StateFrame(std::uint32_t state);

// Appends a warning row (message and link of a "|"-split format with the text colour) to
// the header's rows, after a spacer row when it is the first.
void AppendWarningRow(std::u16string& rows, std::u16string_view format);

// The header table: title, state picture and the state button, then the rows.
std::u16string HeaderText(std::u16string_view title, std::u16string_view stateWord, std::int32_t frame,
                          std::u16string_view rows);

// The user name alone on this computer (names compared without case), else domain\user.
std::u16string DisplayName(std::u16string_view user, std::u16string_view domain, std::u16string_view computer);

// Account kinds of the status page and the id of each kind's label link.
enum AccountKind : std::uint32_t { kAccountNotSet = 0, kAccountEnabled = 1, kAccountDisabled = 2 };
std::int32_t LabelLinkId(std::uint32_t kind);

// Link ids of an account line beyond its label.
enum AccountLink : std::uint32_t { kLinkSetup = 0, kLinkNotDefined = 1, kLinkDisabled = 2, kLinkEnabled = 3, kLinkAge = 4 };

// "<age> <word>": the word is part 0 of "year|years|years" for 1, part 1 for 2 to 4,
// part 2 for any other number, itself formatted with the number (at most 128 characters).
std::u16string AgeText(std::int32_t age, std::u16string_view words);

// The line of an account with a record (format with display name, age link, label link)
// and of one without (format with display name and the "Not defined" link).
std::u16string AccountLineText(std::u16string_view format, std::u16string_view name, std::u16string_view age,
                               std::uint32_t kind, std::u16string_view label);
std::u16string UndefinedLineText(std::u16string_view format, std::u16string_view name);

// The frequently-used panel's text: both actions with their "text_icon" frames.
std::u16string FrequentActionsText(std::u16string_view exceptionLink, std::u16string_view logLink);

}  // namespace parental::corvui
