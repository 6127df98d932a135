#pragma once
// Reads XML text with XmlLite, the XML reader of Windows (and Wine).
#include <cstddef>
#include <string>

#include "config/xml_tree.h"

namespace host {

// Parses UTF-8 text into root. False, with the reason in error, when XmlLite cannot be
// loaded or the text is not a well-formed document of elements and attributes.
bool ParseXml(const char* text, std::size_t length, XmlElement& root, std::string& error);

}  // namespace host
