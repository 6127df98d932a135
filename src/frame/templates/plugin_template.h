#pragma once
// The main template: the one object of the process through which "main" requests go.
#include "frame/templates/ioctl_template.h"

class CPluginTemplate : public CIOCtlProcTemplate {
 public:
  // Becomes the main template (releasing the previous one) and enables registration and
  // main requests.
  CPluginTemplate();
  // Disables registration and main requests again.
  ~CPluginTemplate() override;
};

// SendRequest on the main template; -1 without one. The main-request routine while a main
// template exists.
std::int32_t SendMainRequest(std::uint32_t param, std::uint32_t code, void* arg);

// The work of SetIOCtlExtProc: copy the link, let `create` make the plug-in object, load
// the name table. Null link: nothing happens. No exception leaves it.
void StartPlugin(const IoctlLink* link, CPluginTemplate* (*create)());
