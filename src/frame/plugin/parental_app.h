#pragma once
// The plug-in library's application: its language library is "corvuiParentalLang.dll"
// and the plug-in object it makes is a CParentalPlugin.
#include "frame/app/plugin_app.h"

namespace parental::corvui {

class CParentalApp : public CPluginAppTemplate {
 public:
  CParentalApp() : CPluginAppTemplate(L"corvuiParentalLang.dll") {}
  CPluginTemplate* CreatePlugin() override;  // null when memory runs out
};

}  // namespace parental::corvui
