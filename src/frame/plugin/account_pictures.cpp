#include "frame/plugin/account_pictures.h"

#include "common/text.h"

namespace parental::corvui {

namespace {

using common::AsWide;

using GetUserPicturePath = HRESULT(WINAPI*)(LPCWSTR user, DWORD flags, LPWSTR path, UINT capacity);
constexpr DWORD kPictureFlags = 0x80000000;
constexpr int kPictureSize = 48;

// The shell's user-picture routine: ordinal 261 from Windows Vista on, 233 before. Wine
// exports unimplemented stubs under these ordinals, which raise when called: none there.
GetUserPicturePath PictureRoutine() {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  if (ntdll && GetProcAddress(ntdll, "wine_get_version")) return nullptr;
  HMODULE shell = GetModuleHandleW(L"shell32.dll");
  if (!shell) shell = LoadLibraryW(L"shell32.dll");
  if (!shell) return nullptr;
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof(version);
  GetVersionExW(&version);
  WORD ordinal = version.dwMajorVersion >= 6 ? 261 : 233;
  return reinterpret_cast<GetUserPicturePath>(
      reinterpret_cast<void*>(GetProcAddress(shell, MAKEINTRESOURCEA(ordinal))));
}

}  // namespace

AccountPictures::~AccountPictures() {
  for (auto& [name, bitmap] : cache_)
    if (bitmap) DeleteObject(bitmap);
}

HBITMAP AccountPictures::Load(const std::u16string& user, const std::u16string& domain, const std::u16string& computer) {
  static const GetUserPicturePath routine = PictureRoutine();
  std::u16string qualified = domain + u"\\" + user;
  HBITMAP bitmap = nullptr;
  wchar_t path[MAX_PATH] = {};
  const std::u16string& asked = common::EqualsNoCase(domain, computer) ? user : qualified;
  if (routine && SUCCEEDED(routine(AsWide(asked.c_str()), kPictureFlags, path, MAX_PATH)) && path[0]) {
    bitmap = static_cast<HBITMAP>(LoadImageW(nullptr, path, IMAGE_BITMAP, kPictureSize, kPictureSize,
                                             LR_LOADFROMFILE | LR_CREATEDIBSECTION | LR_DEFAULTSIZE));
  }
  HBITMAP& cached = cache_[qualified];
  if (cached && cached != bitmap) DeleteObject(cached);
  cached = bitmap;
  return bitmap;
}

}  // namespace parental::corvui
