#include "win/module_context.h"

#include "frame/app/plugin_app.h"

HMODULE PluginModule() {
  if (CPluginAppTemplate* app = CPluginAppTemplate::Current(); app && app->OwnModule()) return app->OwnModule();
  HMODULE own = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&PluginModule), &own);
  return own;
}
