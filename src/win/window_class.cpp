#include "win/window_class.h"

#include <string>
#include <utility>
#include <vector>

#include "win/module_context.h"
#include "win/window.h"

namespace {

// The classes registered here, with their module; unregistered when the library's
// static objects go (at unload) unless that happened before.
struct ClassRegistry {
  std::vector<std::pair<std::wstring, HMODULE>> classes;
  ~ClassRegistry() { UnregisterWindowClasses(); }
};

ClassRegistry& Registered() {
  static ClassRegistry registry;
  return registry;
}

}  // namespace

bool RegisterWindowClass(const wchar_t* name, UINT style, HCURSOR cursor, HBRUSH background) {
  HMODULE module = PluginModule();
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(module, name, &existing)) return true;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = style;
  windowClass.lpfnWndProc = CWnd::ClassProcedure();
  windowClass.hInstance = module;
  windowClass.hCursor = cursor;
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = name;
  if (!RegisterClassExW(&windowClass)) return false;
  Registered().classes.emplace_back(name, module);
  return true;
}

void UnregisterWindowClasses() {
  auto& classes = Registered().classes;
  for (const auto& [name, module] : classes) UnregisterClassW(name.c_str(), module);
  classes.clear();
}
