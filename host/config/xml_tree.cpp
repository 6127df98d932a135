#include "config/xml_tree.h"

#include "common/text.h"

namespace host {

const std::u16string* XmlElement::Attribute(std::u16string_view attribute) const {
  for (const auto& [name, value] : attributes) {
    if (parental::common::EqualsNoCase(name, attribute)) return &value;
  }
  return nullptr;
}

}  // namespace host
