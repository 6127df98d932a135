#include "support/xml_readers.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <pugixml.hpp>

#include "common/text.h"

using parental::common::FromUtf8;

namespace xml_readers {
namespace {

std::u16string Text(const xmlChar* utf8) { return FromUtf8(reinterpret_cast<const char*>(utf8)); }

void Convert(xmlNode* node, host::XmlElement& element) {
  element.name = Text(node->name);
  for (xmlAttr* a = node->properties; a; a = a->next) {
    xmlChar* value = xmlNodeListGetString(node->doc, a->children, 1);
    element.attributes.emplace_back(Text(a->name), value ? Text(value) : std::u16string());
    xmlFree(value);
  }
  for (xmlNode* child = node->children; child; child = child->next)
    if (child->type == XML_ELEMENT_NODE) Convert(child, element.children.emplace_back());
}

void Convert(const pugi::xml_node& node, host::XmlElement& element) {
  element.name = FromUtf8(node.name());
  for (const pugi::xml_attribute& a : node.attributes())
    element.attributes.emplace_back(FromUtf8(a.name()), FromUtf8(a.value()));
  for (const pugi::xml_node& child : node.children())
    if (child.type() == pugi::node_element) Convert(child, element.children.emplace_back());
}

bool Same(const host::XmlElement& a, const host::XmlElement& b) {
  if (a.name != b.name || a.attributes != b.attributes || a.children.size() != b.children.size()) return false;
  for (std::size_t i = 0; i < a.children.size(); ++i)
    if (!Same(a.children[i], b.children[i])) return false;
  return true;
}

}  // namespace

bool ReadStrict(const std::string& text, host::XmlElement& root, std::string* error) {
  xmlDoc* doc = xmlReadMemory(text.data(), int(text.size()), "submission.xml", nullptr,
                              XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
  if (!doc) {
    if (error) {
      const xmlError* e = xmlGetLastError();
      *error = e && e->message ? e->message : "not well-formed";
    }
    return false;
  }
  Convert(xmlDocGetRootElement(doc), root);
  xmlFreeDoc(doc);
  return true;
}

bool ReadPugi(const std::string& text, host::XmlElement& root) {
  pugi::xml_document document;
  if (!document.load_buffer(text.data(), text.size())) return false;
  Convert(document.document_element(), root);
  return true;
}

bool ReadBoth(const std::string& text, host::XmlElement& root, std::string* error) {
  host::XmlElement pugi;
  if (!ReadStrict(text, root, error)) return false;
  if (!ReadPugi(text, pugi)) {
    if (error) *error = "pugixml refused the text";
    return false;
  }
  if (!Same(root, pugi)) {
    if (error) *error = "libxml2 and pugixml read different trees";
    return false;
  }
  return true;
}

}  // namespace xml_readers
