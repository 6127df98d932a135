#pragma once
// The simulated computer as the system would describe it (Windows only): the accounts of
// the data file with their SIDs (the computer's SID and the relative identifier) and
// names, and the built-in groups by the names the system gives them. The stand-ins for
// the account database and the object picker answer from it.
#include <windows.h>

#include <string>
#include <vector>

#include "computer/computer_data.h"

namespace host {

// Names the data file to use instead of "computer-data.txt" beside the stand-in.
inline constexpr wchar_t kComputerDataVariable[] = L"PARENTAL_COMPUTER_DATA";

struct ComputerAccount {
  SimulatedAccount data;
  std::wstring name;          // "*" resolved
  std::vector<BYTE> sid;
};

class LocalComputer {
 public:
  // Reads the data file anew (named by kComputerDataVariable, else the one beside
  // `module`); false when it is missing or malformed, or the computer has no SID.
  bool Load(HMODULE module);

  const std::wstring& Name() const { return name_; }
  const std::vector<ComputerAccount>& Accounts() const { return accounts_; }
  const ComputerAccount* Find(const wchar_t* name) const;  // by name, ignoring case
  std::wstring Qualified(const ComputerAccount& account) const { return name_ + L"\\" + account.name; }

  // The group bit of the built-in group the system calls `name`; 0 for any other group.
  static std::uint32_t GroupNamed(const wchar_t* name);

 private:
  std::wstring name_;
  std::vector<ComputerAccount> accounts_;
};

// The library this code is linked into: each stand-in finds its data file beside itself.
HMODULE OwnModule();
// The path of the file `name` in the folder of `module`.
std::wstring BesideModule(HMODULE module, const wchar_t* name);

// Whether the process's netapi32.dll is the account-database stand-in (which forwards the
// functions it does not answer to Wine's library) rather than Wine's own.
bool AccountDatabaseIsSimulated();

}  // namespace host
