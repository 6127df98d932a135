#pragma once
#include <memory>
#include <string>

#include "store/xml_document.h"

// A document that closes itself, and the text that a writer pass produces.
struct DocCloser {
  void operator()(XmlDocument* d) const { CloseDocument(d); }
};
using DocPtr = std::unique_ptr<XmlDocument, DocCloser>;

inline DocPtr NewDocument() {
  DocPtr doc(CreateDocument());
  CreateRoot(doc.get());
  return doc;
}

inline std::string WriteText(XmlDocument* doc, const _XML_NODE* node, bool ascii = false) {
  doc->writer.ascii = ascii;
  doc->writer.growable = true;
  if (WriteDocument(doc, node, nullptr, 0) != 0) return "<error>";
  return std::string(doc->writer.buffer, doc->writer.position);
}
