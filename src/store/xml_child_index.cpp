#include "store/xml_child_index.h"

#include <new>

#include "store/xml_nodes.h"

namespace xml {
namespace {

void Enter(XmlDocument* doc, XmlChildIndex& index, _XML_NODE* element) {
  std::uint32_t left = element->attributeCount;
  for (_XML_NODE* c = element->firstChild; c && left; c = c->nextSibling) {
    if (c->kind != kXmlAttribute) continue;
    --left;
    index.entries.emplace(IndexKey(c->name, AttributeKey(doc, c)), XmlChildIndex::Entry{index.entered, element});
  }
  ++index.entered;
  index.last = element;
}

// Enters every element child not entered yet but the last child.
void Extend(XmlDocument* doc, XmlChildIndex& index) {
  const _XML_NODE* parent = index.parent;
  _XML_NODE* c = index.last ? index.last->nextSibling : parent->firstChild;
  for (; c && c != parent->lastChild; c = c->nextSibling)
    if (c->kind == kXmlElement) Enter(doc, index, c);
}

void Drop(XmlDocument* doc) {
  delete doc->childIndex;
  doc->childIndex = nullptr;
}

}  // namespace

std::uint32_t IndexKey(std::u16string_view attributeName, std::uint32_t valueKey) {
  return ValueKey(attributeName.substr(0, kXmlNameCapacity - 1)) * 16777619u ^ valueKey;
}

bool IndexCovers(XmlDocument* doc, const _XML_NODE* parent) {
  XmlChildIndex* index = doc->childIndex;
  if (!index || index->parent != parent) return false;
  try {
    if (index->generation != doc->lookups.generation) {
      index->entries.clear();
      index->last = nullptr;
      index->entered = 0;
      index->generation = doc->lookups.generation;
    }
    Extend(doc, *index);
    return true;
  } catch (const std::bad_alloc&) {
    Drop(doc);
    return false;
  }
}

void BuildIndex(XmlDocument* doc, const _XML_NODE* parent) {
  Drop(doc);
  doc->childIndex = new (std::nothrow) XmlChildIndex;
  if (!doc->childIndex) return;
  doc->childIndex->parent = parent;
  doc->childIndex->generation = doc->lookups.generation;
  IndexCovers(doc, parent);
}

}  // namespace xml
