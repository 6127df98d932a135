#include "computer/local_computer.h"

#include <sddl.h>

#include <fstream>
#include <iterator>

#include "common/text.h"

namespace host {
namespace {

using parental::common::AsText;
using parental::common::AsWide;

std::wstring DataFile(HMODULE module) {
  wchar_t path[MAX_PATH];
  DWORD length = GetEnvironmentVariableW(kComputerDataVariable, path, MAX_PATH);
  return length > 0 && length < MAX_PATH ? path : BesideModule(module, L"computer-data.txt");
}

std::wstring UserName() {
  wchar_t name[257];
  DWORD length = 257;
  return GetUserNameW(name, &length) ? name : L"";
}

// The computer's own SID in text form, as the system names the computer's domain.
std::wstring ComputerSid(const std::wstring& computer) {
  BYTE sid[SECURITY_MAX_SID_SIZE];
  wchar_t domain[256];
  DWORD sidSize = sizeof(sid), domainLength = 256;
  SID_NAME_USE use;
  wchar_t* text = nullptr;
  if (!LookupAccountNameW(nullptr, computer.c_str(), sid, &sidSize, domain, &domainLength, &use) ||
      use != SidTypeDomain || !ConvertSidToStringSidW(sid, &text))
    return {};
  std::wstring copy(text);
  LocalFree(text);
  return copy;
}

std::vector<BYTE> SidBytes(const std::wstring& text) {
  PSID sid = nullptr;
  if (!ConvertStringSidToSidW(text.c_str(), &sid)) return {};
  const BYTE* bytes = static_cast<const BYTE*>(sid);
  std::vector<BYTE> copy(bytes, bytes + GetLengthSid(sid));
  LocalFree(sid);
  return copy;
}

}  // namespace

bool LocalComputer::Load(HMODULE module) {
  accounts_.clear();
  std::ifstream file(DataFile(module).c_str(), std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  std::vector<SimulatedAccount> data;
  std::string error;
  wchar_t computer[MAX_COMPUTERNAME_LENGTH + 1];
  DWORD length = MAX_COMPUTERNAME_LENGTH + 1;
  if (!file.is_open() || !ParseComputerData(text, data, error) || !GetComputerNameW(computer, &length)) return false;
  name_ = computer;
  const std::wstring prefix = ComputerSid(name_);
  if (prefix.empty()) return false;
  for (SimulatedAccount& entry : data) {
    ComputerAccount account;
    account.name = entry.name == u"*" ? UserName() : AsWide(entry.name.c_str());
    account.sid = SidBytes(prefix + L"-" + std::to_wstring(entry.rid));
    account.data = std::move(entry);
    if (account.sid.empty() || account.name.empty()) return false;
    accounts_.push_back(std::move(account));
  }
  return true;
}

const ComputerAccount* LocalComputer::Find(const wchar_t* name) const {
  if (!name) return nullptr;
  for (const ComputerAccount& account : accounts_)
    if (parental::common::EqualsNoCase(AsText(account.name.c_str()), AsText(name))) return &account;
  return nullptr;
}

std::uint32_t LocalComputer::GroupNamed(const wchar_t* name) {
  static constexpr std::pair<WELL_KNOWN_SID_TYPE, std::uint32_t> kGroups[] = {
      {WinBuiltinAdministratorsSid, kAdministrators}, {WinBuiltinUsersSid, kUsers},
      {WinBuiltinPowerUsersSid, kPowerUsers}, {WinBuiltinGuestsSid, kGuests}};
  if (!name) return 0;
  for (const auto& [type, bit] : kGroups) {
    BYTE sid[SECURITY_MAX_SID_SIZE];
    DWORD size = sizeof(sid);
    wchar_t group[256], domain[256];
    DWORD groupLength = 256, domainLength = 256;
    SID_NAME_USE use;
    if (CreateWellKnownSid(type, nullptr, sid, &size) &&
        LookupAccountSidW(nullptr, sid, group, &groupLength, domain, &domainLength, &use) &&
        parental::common::EqualsNoCase(AsText(group), AsText(name)))
      return bit;
  }
  return 0;
}

std::wstring BesideModule(HMODULE module, const wchar_t* name) {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
  std::wstring file(path, length < MAX_PATH ? length : 0);
  file.resize(file.find_last_of(L'\\') + 1);
  return file + name;
}

HMODULE OwnModule() {
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&OwnModule), &module);
  return module;
}

bool AccountDatabaseIsSimulated() {
  HMODULE netapi = LoadLibraryW(L"netapi32.dll");
  if (!netapi) return false;
  HMODULE owner = nullptr;
  const FARPROC forwarded = GetProcAddress(netapi, "NetWkstaGetInfo");
  const bool simulated = forwarded && GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                                             GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                                         reinterpret_cast<LPCWSTR>(forwarded), &owner) &&
                         owner != netapi;
  FreeLibrary(netapi);
  return simulated;
}

}  // namespace host
