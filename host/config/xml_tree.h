#pragma once
// A parsed XML document as the host reads the plug-in's submissions: elements with their
// attributes in document order. Text content is not kept (the format has none).
#include <string>
#include <utility>
#include <vector>

namespace host {

struct XmlElement {
  std::u16string name;
  std::vector<std::pair<std::u16string, std::u16string>> attributes;
  std::vector<XmlElement> children;

  // The value of an attribute (names compare case-insensitively), or null.
  const std::u16string* Attribute(std::u16string_view attribute) const;
};

}  // namespace host
