#pragma once
// The plug-in's working copy of the parental-control configuration. This first version
// only takes part in the host protocol; the model fills it in.
#include <string>

#include "frame/templates/config_template.h"
#include "frame/templates/plug.h"

namespace parental::corvui {

class CParentalConfig : public CConfigTemplate {
 public:
  // engine: the plug through which the engine is asked; headless: offers no setup pages.
  CParentalConfig(CPlug* engine, bool headless);

  void OnCreate() override;  // offers the setup pages unless headless
  void Load(const char16_t* variables) override;

  CPlug* Engine() const { return engine_; }
  const std::u16string& Variables() const { return variables_; }

 private:
  CPlug* engine_;
  bool headless_;
  std::u16string variables_;  // the variable list last handed to Load
};

}  // namespace parental::corvui
