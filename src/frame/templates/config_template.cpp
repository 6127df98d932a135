#include "frame/templates/config_template.h"

#include <cstring>
#include <limits>
#include <memory>
#include <new>
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
  if (!document) return false;
  const _XML_NODE* root = GetRoot(document);
  XmlWriter& writer = document->writer;
  writer.growable = false;  // the first pass only counts
  if (WriteDocument(document, root, nullptr, 0) != 0 || !writer.overflow) return false;
  std::size_t length = writer.count + 1;  // with the terminating zero
  if (length > std::numeric_limits<std::uint32_t>::max() - sizeof(SubmissionHeader)) return false;
  std::unique_ptr<char[]> buffer(new (std::nothrow) char[sizeof(SubmissionHeader) + length]);
  if (!buffer) return false;
  SubmissionHeader header{sizeof(SubmissionHeader), 3, sizeof(SubmissionHeader),
                          static_cast<std::uint32_t>(length)};
  std::memcpy(buffer.get(), &header, sizeof(header));
  char* text = buffer.get() + sizeof(header);
  if (WriteDocument(document, root, text, length - 1) != 0 || writer.overflow) return false;
  text[writer.position] = 0;
  PlugCallRecord record{kInnerSubmitXml, AddressOf(buffer.get()), length + sizeof(header), 0, 0, 0, 0};
  return SendRequest(targetId, kRequestSubmit, &record) == kDone && record.innerResult == 0;
}
