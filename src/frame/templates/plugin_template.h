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
