#pragma once
#include <string>

#include "store/xml_document.h"

// The whole document as the writer produces it.
inline std::string XmlText(XmlDocument* doc) {
  doc->writer.growable = true;
  if (WriteDocument(doc, GetRoot(doc), nullptr, 0) != 0) return "<writer error>";
  return std::string(doc->writer.buffer, doc->writer.position);
}
