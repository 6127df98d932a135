#pragma once
// The application object of the plug-in library: names and loads the language library,
// answers resource lookups (language library first, the plug-in's own resources as
// fallback), makes the plug-in object and releases it at unload.
#include <windows.h>

#include <cstdint>
#include <string>

class CPluginTemplate;

class CPluginAppTemplate {
 public:
  explicit CPluginAppTemplate(const wchar_t* languageLibrary);
  CPluginAppTemplate(const CPluginAppTemplate&) = delete;
  CPluginAppTemplate& operator=(const CPluginAppTemplate&) = delete;
  virtual ~CPluginAppTemplate();  // releases the main template unless the process is ending
  // Loads the language library from this library's directory (or by name when the own
  // module is unknown) as a data-only library, and makes the activation context of the
  // library's manifest (common controls version 6) current during every entry from the host.
  virtual BOOL InitInstance();
  virtual int ExitInstance();  // frees the name table
  virtual void WinHelp(std::uint64_t data, std::uint32_t command);  // the host's help
  virtual CPluginTemplate* CreatePlugin() = 0;

  // The one application object of the process, set by construction.
  static CPluginAppTemplate* Current();

  // Library entry and exit, from DllMain: records the own module; at exit frees the
  // language library when the library is unloaded (not when the process ends, which
  // also leaves the plug-in object alone: the host may be gone already).
  void Attach(HMODULE own) { module_ = own; }
  void Detach(bool processEnding);
  // Runs InitInstance once, on the first entry from the host.
  void EnsureInitialized();

  HMODULE OwnModule() const { return module_; }
  HMODULE LanguageModule() const { return language_; }
  HANDLE ActivationContext() const { return activation_; }
  // A string of the language library, else of the library itself; empty when neither has it.
  std::u16string LoadText(UINT id) const;
  // The module holding a resource, language library first; null when neither has it.
  HMODULE FindResourceModule(LPCWSTR type, LPCWSTR name) const;

 private:
  const wchar_t* languageLibrary_;
  HMODULE module_ = nullptr;
  HMODULE language_ = nullptr;
  HANDLE activation_ = INVALID_HANDLE_VALUE;  // from the manifest resource, if any
  bool initialized_ = false;
  bool processEnding_ = false;
};

// A string of the running application (language library first); empty without one.
std::u16string ResourceText(UINT id);
