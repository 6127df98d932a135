#include "computer/computer_data.h"

#include <algorithm>
#include <utility>

#include "common/text.h"
#include "data_file.h"

namespace host {
namespace {

constexpr std::pair<std::string_view, std::uint32_t> kGroupNames[] = {
    {"Administrators", kAdministrators}, {"Users", kUsers}, {"Power Users", kPowerUsers}, {"Guests", kGuests}};

// A comma-separated list of known words, each a bit; false for an unknown or repeated one.
template <std::size_t N>
bool ParseBits(std::string_view list, const std::pair<std::string_view, std::uint32_t> (&words)[N],
               std::uint32_t& bits) {
  bits = 0;
  if (list.empty()) return true;
  for (std::string_view item : SplitFields(list, ',')) {
    auto found = std::find_if(std::begin(words), std::end(words), [&](const auto& w) { return w.first == item; });
    if (found == std::end(words) || (bits & found->second)) return false;
    bits |= found->second;
  }
  return true;
}

std::string Account(const std::vector<std::string_view>& f, std::vector<SimulatedAccount>& accounts) {
  static constexpr std::pair<std::string_view, std::uint32_t> kFlags[] = {{"disabled", 1}, {"deny-logon", 2}};
  SimulatedAccount account;
  std::uint32_t flags = 0;
  if (!ParseNumber(f[1], 0xFFFFFFFF, account.rid) || account.rid == 0) return "bad relative identifier";
  account.name = parental::common::FromUtf8(f[2]);
  if (account.name.empty() || account.name.size() > 20 || account.name.find_first_of(u"\\/,;") != std::u16string::npos)
    return "an account name has 1 to 20 characters, none of \\ / , ;";
  if (!ParseBits(f[3], kGroupNames, account.groups)) return "unknown or repeated group";
  if (!ParseBits(f[4], kFlags, flags)) return "unknown or repeated flag";
  account.disabled = flags & 1;
  account.denyLogon = flags & 2;
  for (const SimulatedAccount& other : accounts) {
    if (other.rid == account.rid) return "relative identifier used twice";
    if (parental::common::EqualsNoCase(other.name, account.name)) return "account name used twice";
  }
  accounts.push_back(std::move(account));
  return {};
}

}  // namespace

bool ParseComputerData(std::string_view text, std::vector<SimulatedAccount>& accounts, std::string& error) {
  accounts.clear();
  return ReadRecordLines(text, [&](std::string_view line) -> std::string {
    std::vector<std::string_view> f = SplitFields(line, '|');
    if (f[0] == "account" && f.size() == 5) return Account(f, accounts);
    return "unknown record or wrong number of fields";
  }, error);
}

}  // namespace host
