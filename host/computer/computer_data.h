#pragma once
// The local accounts of the host's simulated computer: for each its relative identifier,
// name, built-in groups, whether it is disabled and whether it holds the right that denies
// interactive logon. Read from the host's data file "computer-data.txt".
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace host {

// The built-in groups an account can belong to, as bits.
enum GroupBit : std::uint32_t { kAdministrators = 1, kUsers = 2, kPowerUsers = 4, kGuests = 8 };

struct SimulatedAccount {
  std::uint32_t rid = 0;
  std::u16string name;  // "*": the user who runs the program
  std::uint32_t groups = 0;
  bool disabled = false;
  bool denyLogon = false;
};

// Parses the data file (UTF-8). On failure `error` says which line is wrong and why.
bool ParseComputerData(std::string_view text, std::vector<SimulatedAccount>& accounts, std::string& error);

}  // namespace host
