#pragma once
// Native readers of the XML text the plug-in writes, independent of the plug-in's code:
// pugixml, and libxml2 as a strict reader (any fault of well-formedness refuses the
// whole text). Both give the host's element tree, attribute values as a conformant
// reader reports them.
#include <string>

#include "config/xml_tree.h"

namespace xml_readers {

// false (with libxml2's message in *error) when the text is not well-formed.
bool ReadStrict(const std::string& text, host::XmlElement& root, std::string* error = nullptr);
bool ReadPugi(const std::string& text, host::XmlElement& root);
// Both readers, which must accept the text and agree on every name and value.
bool ReadBoth(const std::string& text, host::XmlElement& root, std::string* error = nullptr);

}  // namespace xml_readers
