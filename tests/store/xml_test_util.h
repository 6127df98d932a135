#pragma once
#include <memory>
#include <string>

#include "store/xml_document.h"

// A document with its root, and the text that a writer pass produces.
inline DocumentPtr NewDocument() {
  DocumentPtr doc(CreateDocument());
  CreateRoot(doc.get());
  return doc;
}

inline std::string WriteText(XmlDocument* doc, const _XML_NODE* node, bool ascii = false) {
  SetEncoding(doc, ascii ? XmlEncoding::kAscii : XmlEncoding::kUtf8);
  std::string_view text;
  return WriteGrowable(doc, node, &text) ? std::string(text) : "<error>";
}

// An attribute's text, or "<none>".
inline std::u16string Attr(XmlDocument* doc, _XML_NODE* e, const char16_t* name) {
  char16_t buf[600];
  std::size_t size = 600;
  return GetAttribute(doc, e, name, buf, &size) == 0 ? std::u16string(buf) : u"<none>";
}
