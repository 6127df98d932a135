#include "frame/app/plugin_app.h"

#include "common/text.h"
#include "frame/protocol/process.h"
#include "frame/protocol/requests.h"
#include "frame/templates/plugin_template.h"

namespace {
CPluginAppTemplate* g_app = nullptr;
}  // namespace

CPluginAppTemplate::CPluginAppTemplate(const wchar_t* languageLibrary)
    : languageLibrary_(languageLibrary) {
  g_app = this;
}

CPluginAppTemplate::~CPluginAppTemplate() {
  if (!processEnding_ && Process().mainTemplate) Process().mainTemplate->Release();
  if (g_app == this) g_app = nullptr;
}

CPluginAppTemplate* CPluginAppTemplate::Current() { return g_app; }

BOOL CPluginAppTemplate::InitInstance() {
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
