// The picker stand-in as an in-process COM server: its class object under the system
// picker's class id, unloading when nothing of it lives, and its registration, which
// puts this library in the place of the system picker (Wine's prefix of the host).
#include <windows.h>
#include <ole2.h>
#include <objsel.h>
#include <olectl.h>

#include <string>

#include "computer/com_object.h"
#include "computer/local_computer.h"
#include "computer/object_picker.h"

namespace {

std::wstring ClassKey() {
  wchar_t clsid[40];
  StringFromGUID2(CLSID_DsObjectPicker, clsid, 40);
  return std::wstring(L"CLSID\\") + clsid;
}

bool SetText(HKEY root, const std::wstring& key, const wchar_t* name, const std::wstring& value) {
  return RegSetKeyValueW(root, key.c_str(), name, REG_SZ, value.c_str(), DWORD((value.size() + 1) * sizeof(wchar_t))) ==
         ERROR_SUCCESS;
}

}  // namespace

extern "C" {

HRESULT WINAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!IsEqualCLSID(clsid, CLSID_DsObjectPicker)) return CLASS_E_CLASSNOTAVAILABLE;
  IClassFactory* factory = host::MakeObjectPickerFactory(host::OwnModule());
  const HRESULT result = factory->QueryInterface(iid, out);
  factory->Release();
  return result;
}

HRESULT WINAPI DllCanUnloadNow() { return host::liveObjects == 0 ? S_OK : S_FALSE; }

HRESULT WINAPI DllRegisterServer() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(host::OwnModule(), path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return SELFREG_E_CLASS;
  const std::wstring server = ClassKey() + L"\\InprocServer32";
  const bool done = SetText(HKEY_CLASSES_ROOT, ClassKey(), nullptr, L"Object picker of the simulated computer") &&
                    SetText(HKEY_CLASSES_ROOT, server, nullptr, path) &&
                    SetText(HKEY_CLASSES_ROOT, server, L"ThreadingModel", L"Both");
  return done ? S_OK : SELFREG_E_CLASS;
}

}  // extern "C"
