#include "frame/plugin/parental_app.h"

#include <new>

#include "frame/plugin/parental_plugin.h"
#include "frame/protocol/process.h"

namespace parental::corvui {

CPluginTemplate* CParentalApp::CreatePlugin() {
  auto* plugin = new (std::nothrow) CParentalPlugin;
  if (plugin) RegisterObject(plugin);
  return plugin;
}

}  // namespace parental::corvui
