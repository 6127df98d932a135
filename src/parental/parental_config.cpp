#include "parental/parental_config.h"

namespace parental::corvui {

CParentalConfig::CParentalConfig(CPlug* engine, bool headless)
    : CConfigTemplate(PLUGIN_ID), engine_(engine), headless_(headless) {
  if (IsCreated() && !headless_) PublishViews();
}

void CParentalConfig::OnCreate() {
  if (!headless_) PublishViews();
}

void CParentalConfig::Load(const char16_t* variables) {
  if (variables && *variables) variables_ = variables;
}

}  // namespace parental::corvui
