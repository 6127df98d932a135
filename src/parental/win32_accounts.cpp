#include "parental/win32_accounts.h"

#include <windows.h>
// The picker's header needs the OLE types, which the lean Windows header leaves out.
#include <ole2.h>
#include <oleauto.h>
#include <lm.h>
#include <ntsecapi.h>
#include <objsel.h>
#include <sddl.h>

#include <memory>

#include "common/text.h"

namespace parental::corvui {
namespace {

using common::AsText;
using common::AsWide;

constexpr DWORD kNameCapacity = 512;
constexpr ACCESS_MASK kPolicyAccess = 0xF0FFF;
constexpr DWORD kPickerContext = 0x17;
constexpr CLSID kPickerClass = {0x17D6CCD8, 0x3B7B, 0x11D2, {0xB9, 0xE0, 0x00, 0xC0, 0x4F, 0xD8, 0xDB, 0xF7}};
constexpr IID kPickerInterface = {0x0C87E64E, 0x3B7A, 0x11D2, {0xB9, 0xE0, 0x00, 0xC0, 0x4F, 0xD8, 0xDB, 0xF7}};

// The network management functions, looked up once per process; a module or function
// that is missing leaves them null for good.
struct NetApi {
  using GetMembers = NET_API_STATUS(WINAPI*)(LPCWSTR, LPCWSTR, DWORD, LPBYTE*, DWORD, LPDWORD, LPDWORD, PDWORD_PTR);
  using UserGetInfo = NET_API_STATUS(WINAPI*)(LPCWSTR, LPCWSTR, DWORD, LPBYTE*);
  using BufferFree = NET_API_STATUS(WINAPI*)(LPVOID);
  GetMembers getMembers = nullptr;
  UserGetInfo userGetInfo = nullptr;
  BufferFree bufferFree = nullptr;
};

template <typename Function>
Function Resolve(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

const NetApi& Net() {
  static const NetApi api = [] {
    NetApi found;
    HMODULE module = GetModuleHandleW(L"Netapi32.dll");
    if (!module) module = LoadLibraryW(L"Netapi32.dll");
    if (!module) return found;
    found.bufferFree = Resolve<NetApi::BufferFree>(module, "NetApiBufferFree");
    found.userGetInfo = Resolve<NetApi::UserGetInfo>(module, "NetUserGetInfo");
    if (found.bufferFree) found.getMembers = Resolve<NetApi::GetMembers>(module, "NetLocalGroupGetMembers");
    return found;
  }();
  return api;
}

Sid CopyOf(PSID sid) {
  if (!sid || !IsValidSid(sid)) return {};
  const auto* bytes = static_cast<const std::uint8_t*>(sid);
  return Sid(bytes, bytes + GetLengthSid(sid));
}

// The system reads as many bytes as the SID's count announces: only whole SIDs go there.
PSID AsSid(const Sid& sid) {
  return IsWholeSid(sid) && IsValidSid(const_cast<std::uint8_t*>(sid.data())) ? const_cast<std::uint8_t*>(sid.data())
                                                                             : nullptr;
}

// The texts of the picker travel as wide strings that may be null.
std::u16string TextOf(const wchar_t* text) { return text ? std::u16string(AsText(text)) : std::u16string(); }

std::optional<std::vector<std::uint8_t>> BytesOf(const VARIANT& value) {
  if (value.vt != (VT_ARRAY | VT_UI1) || !value.parray) return std::nullopt;
  LONG low = 0, high = -1;
  void* data = nullptr;
  SafeArrayGetLBound(value.parray, 1, &low);
  SafeArrayGetUBound(value.parray, 1, &high);
  if (high < low || FAILED(SafeArrayAccessData(value.parray, &data))) return std::vector<std::uint8_t>();
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  std::vector<std::uint8_t> copy(bytes, bytes + (high - low + 1));
  SafeArrayUnaccessData(value.parray);
  return copy;
}

// The selection of the picker's data object as plain items.
bool ReadSelection(IDataObject* data, std::vector<PickerItem>* items) {
  FORMATETC format{CLIPFORMAT(RegisterClipboardFormatW(CFSTR_DSOP_DS_SELECTION_LIST)), nullptr, DVASPECT_CONTENT, -1,
                   TYMED_HGLOBAL};
  STGMEDIUM medium{};
  if (FAILED(data->GetData(&format, &medium))) return false;
  if (auto* list = static_cast<const DS_SELECTION_LIST*>(GlobalLock(medium.hGlobal))) {
    for (ULONG i = 0; i < list->cItems; ++i) {
      const DS_SELECTION& s = list->aDsSelection[i];
      PickerItem item{TextOf(s.pwzName), TextOf(s.pwzClass), TextOf(s.pwzADsPath), TextOf(s.pwzUPN), {}};
      for (ULONG a = 0; a < list->cFetchedAttributes && s.pvarFetchedAttributes; ++a)
        item.attributes.push_back(BytesOf(s.pvarFetchedAttributes[a]));
      items->push_back(std::move(item));
    }
    GlobalUnlock(medium.hGlobal);
  }
  ReleaseStgMedium(&medium);
  return true;
}

template <typename T>
struct ComRelease {
  void operator()(T* p) const { if (p) p->Release(); }
};
template <typename T>
using ComPtr = std::unique_ptr<T, ComRelease<T>>;

}  // namespace

bool Win32Accounts::EnumerateLocalAccounts(CPlug* engine, std::vector<LocalAccount>& accounts,
                                           const std::u16string& computerName) {
  return CollectLocalAccounts(*this, *this, engine, accounts, computerName);
}

bool Win32Accounts::MembersAvailable() { return Net().getMembers != nullptr; }

std::vector<Sid> Win32Accounts::DenyLogonHolders() {
  std::vector<Sid> holders;
  LSA_OBJECT_ATTRIBUTES attributes{};
  LSA_HANDLE policy = nullptr;
  if (LsaOpenPolicy(nullptr, &attributes, kPolicyAccess, &policy) != 0) return holders;
  wchar_t right[] = L"SeDenyInteractiveLogonRight";
  LSA_UNICODE_STRING name{USHORT(sizeof(right) - sizeof(wchar_t)), USHORT(sizeof(right)), right};
  void* buffer = nullptr;
  ULONG count = 0;
  if (LsaEnumerateAccountsWithUserRight(policy, &name, &buffer, &count) == 0 && buffer) {
    const auto* info = static_cast<const LSA_ENUMERATION_INFORMATION*>(buffer);
    for (ULONG i = 0; i < count; ++i) holders.push_back(CopyOf(info[i].Sid));
  }
  if (buffer) LsaFreeMemory(buffer);
  LsaClose(policy);
  return holders;
}

bool Win32Accounts::GroupMembers(BuiltinGroup group, std::vector<GroupMember>* members) {
  BYTE groupSid[SECURITY_MAX_SID_SIZE];
  DWORD size = sizeof(groupSid);
  wchar_t name[kNameCapacity], domain[kNameCapacity];
  DWORD nameLength = kNameCapacity, domainLength = kNameCapacity;
  SID_NAME_USE use;
  if (!CreateWellKnownSid(WELL_KNOWN_SID_TYPE(group), nullptr, groupSid, &size) ||
      !LookupAccountSidW(nullptr, groupSid, name, &nameLength, domain, &domainLength, &use))
    return false;
  LPBYTE buffer = nullptr;
  DWORD read = 0, total = 0;
  const NetApi& net = Net();
  if (!net.getMembers || net.getMembers(nullptr, name, 2, &buffer, MAX_PREFERRED_LENGTH, &read, &total, nullptr) != NERR_Success)
    return false;
  const auto* info = reinterpret_cast<const LOCALGROUP_MEMBERS_INFO_2*>(buffer);
  for (DWORD i = 0; i < read; ++i)
    members->push_back({CopyOf(info[i].lgrmi2_sid), std::uint32_t(info[i].lgrmi2_sidusage),
                        TextOf(info[i].lgrmi2_domainandname)});
  if (buffer) net.bufferFree(buffer);
  return true;
}

bool Win32Accounts::IsDisabled(const std::u16string& user) {
  const NetApi& net = Net();
  LPBYTE buffer = nullptr;
  if (!net.userGetInfo || net.userGetInfo(nullptr, AsWide(user.c_str()), 1, &buffer) != NERR_Success) return false;
  const bool disabled = buffer && (reinterpret_cast<const USER_INFO_1*>(buffer)->usri1_flags & UF_ACCOUNTDISABLE);
  if (buffer && net.bufferFree) net.bufferFree(buffer);
  return disabled;
}

std::u16string Win32Accounts::SidToText(const Sid& sid) {
  wchar_t* text = nullptr;
  if (!AsSid(sid) || !ConvertSidToStringSidW(AsSid(sid), &text)) return {};
  std::u16string copy(AsText(text));
  LocalFree(text);
  return copy;
}

bool Win32Accounts::TextToSid(std::u16string_view text, Sid* sid) {
  const std::u16string terminated(text);
  PSID converted = nullptr;
  if (!ConvertStringSidToSidW(AsWide(terminated.c_str()), &converted)) return false;
  *sid = CopyOf(converted);
  LocalFree(converted);
  return !sid->empty();
}

bool Win32Accounts::SidFromBytes(const std::uint8_t* bytes, std::size_t size, Sid* sid) {
  std::uint64_t authority = 0;
  std::vector<std::uint32_t> subs;
  if (!ReadSidBytes(bytes, size, &authority, &subs)) return false;
  SID_IDENTIFIER_AUTHORITY identifier;
  for (int i = 0; i < 6; ++i) identifier.Value[i] = BYTE(authority >> (8 * (5 - i)));
  subs.resize(8, 0);
  PSID built = nullptr;
  if (!AllocateAndInitializeSid(&identifier, BYTE(bytes[1]), subs[0], subs[1], subs[2], subs[3], subs[4], subs[5],
                                subs[6], subs[7], &built))
    return false;
  *sid = CopyOf(built);
  FreeSid(built);
  return !sid->empty();
}

bool Win32Accounts::LookupName(const Sid& sid, std::u16string* user, std::u16string* domain) {
  wchar_t name[kNameCapacity], domainName[kNameCapacity];
  DWORD nameLength = kNameCapacity, domainLength = kNameCapacity;
  SID_NAME_USE use;
  if (!AsSid(sid) || !LookupAccountSidW(nullptr, AsSid(sid), name, &nameLength, domainName, &domainLength, &use))
    return false;
  *user = AsText(name);
  *domain = AsText(domainName);
  return true;
}

bool Win32Accounts::PickAccount(const PickerScope& scope, void* owner, PickedAccount* picked) {
  IUnknown* object = nullptr;
  if (FAILED(CoCreateInstance(kPickerClass, nullptr, kPickerContext, IID_IUnknown, reinterpret_cast<void**>(&object))))
    return false;
  ComPtr<IUnknown> unknown(object);
  IDsObjectPicker* pickerObject = nullptr;
  if (FAILED(OleRun(unknown.get())) ||
      FAILED(unknown->QueryInterface(kPickerInterface, reinterpret_cast<void**>(&pickerObject))))
    return false;
  ComPtr<IDsObjectPicker> picker(pickerObject);
  DSOP_SCOPE_INIT_INFO scopeInfo{sizeof(DSOP_SCOPE_INIT_INFO), scope.types, scope.flags,
                                 {{scope.upLevelBoth, scope.upLevelMixed, scope.upLevelNative}, scope.downLevel},
                                 nullptr, nullptr, S_OK};
  PCWSTR attributes[] = {L"objectSID"};
  DSOP_INIT_INFO init{sizeof(DSOP_INIT_INFO), nullptr, 1, &scopeInfo, 0, 1, attributes};
  IDataObject* dataObject = nullptr;
  if (FAILED(picker->Initialize(&init)) ||
      picker->InvokeDialog(static_cast<HWND>(owner), &dataObject) != S_OK || !dataObject)
    return false;
  ComPtr<IDataObject> data(dataObject);
  std::vector<PickerItem> selection;
  return ReadSelection(data.get(), &selection) && TakePickerSelection(*this, selection, picked);
}

IAccountsService& DefaultAccountsService() {
  static Win32Accounts accounts;
  return accounts;
}

}  // namespace parental::corvui
