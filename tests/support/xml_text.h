#pragma once
#include <string>

#include "store/xml_document.h"

// The whole document as the writer produces it.
inline std::string XmlText(XmlDocument* doc) {
  std::string_view text;
  return WriteGrowable(doc, GetRoot(doc), &text) ? std::string(text) : "<writer error>";
}
