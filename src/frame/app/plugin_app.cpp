#include "frame/app/plugin_app.h"

#include "common/text.h"
#include "frame/protocol/process.h"
#include "frame/protocol/requests.h"
#include "frame/templates/plugin_template.h"

namespace {

CPluginAppTemplate* g_app = nullptr;

std::uintptr_t ActivateModuleContext() {
  ULONG_PTR cookie = 0;
  HANDLE context = g_app ? g_app->ActivationContext() : INVALID_HANDLE_VALUE;
  if (context == INVALID_HANDLE_VALUE || !ActivateActCtx(context, &cookie)) return 0;
  return cookie;
}

void DeactivateModuleContext(std::uintptr_t cookie) {
  if (cookie) DeactivateActCtx(0, cookie);
}

// The activation context of the manifest that a DLL carries as resource 2.
HANDLE CreateModuleContext(HMODULE module) {
  if (!module || !FindResourceW(module, MAKEINTRESOURCEW(2), MAKEINTRESOURCEW(24))) {
    return INVALID_HANDLE_VALUE;
  }
  ACTCTXW context{};
  context.cbSize = sizeof(context);
  context.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
  context.hModule = module;
  context.lpResourceName = MAKEINTRESOURCEW(2);
  return CreateActCtxW(&context);
}

}  // namespace

CPluginAppTemplate::CPluginAppTemplate(const wchar_t* languageLibrary)
    : languageLibrary_(languageLibrary) {
  g_app = this;
}

CPluginAppTemplate::~CPluginAppTemplate() {
  if (!processEnding_ && Process().mainTemplate) Process().mainTemplate->Release();
  if (activation_ != INVALID_HANDLE_VALUE) ReleaseActCtx(activation_);
  if (g_app != this) return;
  g_app = nullptr;
  Process().enterModule = nullptr;
  Process().leaveModule = nullptr;
}

CPluginAppTemplate* CPluginAppTemplate::Current() { return g_app; }

BOOL CPluginAppTemplate::InitInstance() {
  activation_ = CreateModuleContext(module_);
  if (activation_ != INVALID_HANDLE_VALUE) {
    Process().enterModule = &ActivateModuleContext;
    Process().leaveModule = &DeactivateModuleContext;
  }
  if (!languageLibrary_ || !*languageLibrary_) return TRUE;
  std::wstring name = languageLibrary_;
  wchar_t path[MAX_PATH];
  DWORD length = module_ ? GetModuleFileNameW(module_, path, MAX_PATH) : 0;
  if (length > 0 && length < MAX_PATH) {
    std::wstring directory(path, length);
    directory.resize(directory.find_last_of(L'\\') + 1);  // keeps the backslash; none: empty
    name = (directory + name).substr(0, MAX_PATH);
  }
  language_ = LoadLibraryExW(name.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  return TRUE;
}

int CPluginAppTemplate::ExitInstance() {
  Process().names.Clear();
  return 0;
}

void CPluginAppTemplate::WinHelp(std::uint64_t data, std::uint32_t command) {
  RequestHostHelp(data, command);
}

void CPluginAppTemplate::EnsureInitialized() {
  if (initialized_) return;
  initialized_ = true;
  InitInstance();
}

void CPluginAppTemplate::Detach(bool processEnding) {
  processEnding_ = processEnding;
  ExitInstance();
  if (language_ && !processEnding) FreeLibrary(language_);
  language_ = nullptr;
}


std::u16string CPluginAppTemplate::LoadText(UINT id) const {
  for (HMODULE module : {language_, module_}) {
    const wchar_t* text = nullptr;
    int length = module ? ::LoadStringW(module, id, reinterpret_cast<LPWSTR>(&text), 0) : 0;
    if (length > 0 && text) return std::u16string(parental::common::AsText(text), length);
  }
  return {};
}

HMODULE CPluginAppTemplate::FindResourceModule(LPCWSTR type, LPCWSTR name) const {
  for (HMODULE module : {language_, module_}) {
    if (module && FindResourceW(module, name, type)) return module;
  }
  return nullptr;
}

std::u16string ResourceText(UINT id) {
  CPluginAppTemplate* app = CPluginAppTemplate::Current();
  return app ? app->LoadText(id) : std::u16string();
}
