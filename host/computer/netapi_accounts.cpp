// The stand-in for the system's account database (netapi32.dll) in the host's process:
// the local groups' members and the users' information come from the simulated computer;
// every other function of the library is forwarded to Wine's own, shipped beside this one
// as "wine-netapi32.dll" (netapi32.def). Queries of other computers, groups the simulated
// computer does not describe and a data file that cannot be read go to Wine's library too.
//
// Under Wine the security policy names no holder of the right that denies interactive
// logon, so the simulated computer leaves such accounts out of its groups' member lists,
// which is what the policy check would have done.
#include <windows.h>
#include <lm.h>

#include <cstring>

#include "computer/local_computer.h"

namespace {

using host::ComputerAccount;
using host::LocalComputer;

FARPROC WineFunction(const char* name) {
  static HMODULE wine = LoadLibraryW(host::BesideModule(host::OwnModule(), L"wine-netapi32.dll").c_str());
  return wine ? GetProcAddress(wine, name) : nullptr;
}

template <typename Function, typename... Args>
NET_API_STATUS Forward(const char* name, Args... args) {
  auto function = reinterpret_cast<Function*>(reinterpret_cast<void*>(WineFunction(name)));
  return function ? function(args...) : NERR_InvalidAPI;
}

bool IsLocal(LPCWSTR server) { return !server || !*server; }

// One buffer of the system's allocator holding the records and, behind them, the SIDs
// and texts they point to; NetApiBufferFree releases it whole.
class RecordBuffer {
 public:
  bool Allocate(std::size_t size) {
    auto allocate = reinterpret_cast<decltype(&NetApiBufferAllocate)>(
        reinterpret_cast<void*>(WineFunction("NetApiBufferAllocate")));
    void* buffer = nullptr;
    if (!allocate || allocate(DWORD(size), &buffer) != NERR_Success) return false;
    start_ = next_ = static_cast<BYTE*>(buffer);
    return true;
  }
  template <typename Record>
  Record* Records(std::size_t count) { return reinterpret_cast<Record*>(Take(count * sizeof(Record))); }
  PSID Sid(const std::vector<BYTE>& sid) { return memcpy(Take(sid.size()), sid.data(), sid.size()); }
  LPWSTR Text(const std::wstring& text) {
    const std::size_t size = (text.size() + 1) * sizeof(wchar_t);
    return static_cast<LPWSTR>(memcpy(Take(size), text.c_str(), size));
  }
  LPBYTE Start() const { return start_; }
  static std::size_t Room(std::size_t bytes) { return (bytes + 7) & ~std::size_t(7); }

 private:
  BYTE* Take(std::size_t size) {
    BYTE* at = next_;
    next_ += Room(size);
    return at;
  }
  BYTE* start_ = nullptr;
  BYTE* next_ = nullptr;
};

template <typename Record, typename Fill>
NET_API_STATUS Answer(const std::vector<const ComputerAccount*>& accounts, std::size_t textsEach, LPBYTE* buffer,
                      Fill fill) {
  std::size_t size = RecordBuffer::Room(accounts.size() * sizeof(Record));
  for (const ComputerAccount* account : accounts)
    size += RecordBuffer::Room(account->sid.size()) +  // each text fits "<computer>\<account>"
            textsEach * RecordBuffer::Room((MAX_COMPUTERNAME_LENGTH + account->name.size() + 2) * sizeof(wchar_t));
  RecordBuffer out;
  if (!out.Allocate(size)) return ERROR_NOT_ENOUGH_MEMORY;
  Record* records = out.Records<Record>(accounts.size());
  for (std::size_t i = 0; i < accounts.size(); ++i) fill(records[i], *accounts[i], out);
  *buffer = out.Start();
  return NERR_Success;
}

NET_API_STATUS Members(const LocalComputer& computer, std::uint32_t group, DWORD level, LPBYTE* buffer,
                       LPDWORD read, LPDWORD total) {
  std::vector<const ComputerAccount*> members;
  for (const ComputerAccount& account : computer.Accounts())
    if ((account.data.groups & group) && !account.data.denyLogon) members.push_back(&account);
  NET_API_STATUS status = ERROR_INVALID_LEVEL;
  switch (level) {
    case 0:
      status = Answer<LOCALGROUP_MEMBERS_INFO_0>(members, 0, buffer, [&](auto& r, const ComputerAccount& a, RecordBuffer& b) {
        r.lgrmi0_sid = b.Sid(a.sid);
      });
      break;
    case 1:
      status = Answer<LOCALGROUP_MEMBERS_INFO_1>(members, 1, buffer, [&](auto& r, const ComputerAccount& a, RecordBuffer& b) {
        r = {b.Sid(a.sid), SidTypeUser, b.Text(a.name)};
      });
      break;
    case 2:
      status = Answer<LOCALGROUP_MEMBERS_INFO_2>(members, 1, buffer, [&](auto& r, const ComputerAccount& a, RecordBuffer& b) {
        r = {b.Sid(a.sid), SidTypeUser, b.Text(computer.Qualified(a))};
      });
      break;
    case 3:
      status = Answer<LOCALGROUP_MEMBERS_INFO_3>(members, 1, buffer, [&](auto& r, const ComputerAccount& a, RecordBuffer& b) {
        r.lgrmi3_domainandname = b.Text(computer.Qualified(a));
      });
      break;
  }
  if (status == NERR_Success) *read = *total = DWORD(members.size());
  return status;
}

DWORD Privilege(const ComputerAccount& account) {
  if (account.data.groups & host::kAdministrators) return USER_PRIV_ADMIN;
  return account.data.groups == host::kGuests ? USER_PRIV_GUEST : USER_PRIV_USER;
}

NET_API_STATUS UserInfo(const ComputerAccount& account, DWORD level, LPBYTE* buffer) {
  const std::vector<const ComputerAccount*> one{&account};
  if (level == 0)
    return Answer<USER_INFO_0>(one, 1, buffer, [](auto& r, const ComputerAccount& a, RecordBuffer& b) {
      r.usri0_name = b.Text(a.name);
    });
  if (level != 1) return ERROR_INVALID_LEVEL;
  return Answer<USER_INFO_1>(one, 4, buffer, [](auto& r, const ComputerAccount& a, RecordBuffer& b) {
    const DWORD flags = UF_SCRIPT | UF_NORMAL_ACCOUNT | (a.data.disabled ? UF_ACCOUNTDISABLE : 0);
    r = {b.Text(a.name), nullptr, 0, Privilege(a), b.Text(L""), b.Text(L""), flags, b.Text(L"")};
  });
}

}  // namespace

extern "C" {

NET_API_STATUS WINAPI NetLocalGroupGetMembers(LPCWSTR server, LPCWSTR group, DWORD level, LPBYTE* buffer,
                                              DWORD preferred, LPDWORD read, LPDWORD total, PDWORD_PTR resume) {
  LocalComputer computer;
  const std::uint32_t bit = IsLocal(server) ? LocalComputer::GroupNamed(group) : 0;
  if (!bit || !computer.Load(host::OwnModule()))
    return Forward<decltype(NetLocalGroupGetMembers)>("NetLocalGroupGetMembers", server, group, level, buffer,
                                                      preferred, read, total, resume);
  if (!buffer || !read || !total) return ERROR_INVALID_PARAMETER;
  if (resume) *resume = 0;  // everything in one answer
  return Members(computer, bit, level, buffer, read, total);
}

NET_API_STATUS WINAPI NetUserGetInfo(LPCWSTR server, LPCWSTR user, DWORD level, LPBYTE* buffer) {
  LocalComputer computer;
  if (!IsLocal(server) || !computer.Load(host::OwnModule()))
    return Forward<decltype(NetUserGetInfo)>("NetUserGetInfo", server, user, level, buffer);
  if (!buffer) return ERROR_INVALID_PARAMETER;
  const ComputerAccount* account = computer.Find(user);
  return account ? UserInfo(*account, level, buffer) : NERR_UserNotFound;
}

}  // extern "C"
