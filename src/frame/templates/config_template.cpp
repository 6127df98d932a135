#include "frame/templates/config_template.h"

#include <string>

#include "common/text.h"

using parental::common::FormatHex;

const char16_t* CConfigTemplate::GetVariables() {
  static std::u16string variables;
  variables = u"${PluginID}=" + FormatHex(TemplateId(), 8) + u"|${ProfileName}=@My profile";
  return variables.c_str();
}

void CConfigTemplate::PublishViews() {
  for (std::uint32_t index = 0; IConfigView* view = GetView(index); ++index) view->SetConfig(this);
  ObjectRecord record{0, AddressOf(this)};
  SendRequest(0, kRequestPublishViews, &record);
}
