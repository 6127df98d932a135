#include "frame/templates/config_template.h"

#include <cstring>
#include <limits>
#include <string>

#include "profiles/paths.h"
#include "profiles/variables.h"
#include "store/xml_document.h"

const char16_t* CConfigTemplate::GetVariables() {
  using namespace parental::profiles;
  static std::u16string variables;
  variables = PluginVariables(TemplateId()) + u"|" + VariablePair(kProfileNameVariable, kDefaultProfile);
  return variables.c_str();
}

void CConfigTemplate::PublishViews() {
  for (std::uint32_t index = 0; IConfigView* view = GetView(index); ++index) view->SetConfig(this);
  ObjectRecord record{0, AddressOf(this)};
  SendRequest(0, kRequestPublishViews, &record);
}

bool CConfigTemplate::Submit(std::uint32_t targetId, XmlDocument* document) {
  // One pass into the document's growable buffer, which keeps room for the header in front.
  char* buffer = nullptr;
  std::size_t length = 0;
  if (!WriteGrowableAfter(document, GetRoot(document), sizeof(SubmissionHeader), &buffer, &length)) return false;
  ++length;  // with the terminating zero
  if (length > std::numeric_limits<std::uint32_t>::max() - sizeof(SubmissionHeader)) return false;
  SubmissionHeader header{sizeof(SubmissionHeader), 3, sizeof(SubmissionHeader),
                          static_cast<std::uint32_t>(length)};
  std::memcpy(buffer, &header, sizeof(header));
  PlugCallRecord record{kInnerSubmitXml, AddressOf(buffer), length + sizeof(header), 0, 0, 0, 0};
  return SendRequest(targetId, kRequestSubmit, &record) == kDone && record.innerResult == 0;
}
