// Entry points of corvuiParental.dll: the library's one application object, DllMain and
// the single export SetIOCtlExtProc.
#include <windows.h>

#include "frame/plugin/parental_app.h"
#include "frame/protocol/process.h"
#include "frame/templates/plugin_template.h"
#include "store/xml_document.h"

namespace {
parental::corvui::CParentalApp g_app;

CPluginTemplate* CreatePlugin() { return g_app.CreatePlugin(); }
}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) {
    DisableThreadLibraryCalls(instance);
    g_app.Attach(instance);
  } else if (reason == DLL_PROCESS_DETACH) {
    g_app.Detach(reserved != nullptr);
    // Unloaded while the process goes on: the writer's spare buffer goes with the library.
    if (!reserved) FreeSpareWriterBuffer();
  }
  return TRUE;
}

extern "C" void SetIOCtlExtProc(IoctlLink* link) {
  if (!link) return;
  try {
    g_app.EnsureInitialized();
  } catch (...) {  // without its language library the plug-in uses its own resources
  }
  ModuleScope scope;
  StartPlugin(link, &CreatePlugin);
}
