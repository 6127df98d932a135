#pragma once
// An index of the element children of one parent that has many of them, so that a lookup
// that matches nothing there does not walk them all: saving many profiles asks, for each
// new one, whether the document holds it already. Each element is entered once for every
// attribute, under the attribute's name and the key of its value; a lookup checks the
// candidates of its first filter and takes the first match in child order.
// The parent's last child is never entered, since its attributes may still change without a
// new lookup generation; every change that could alter a match starts one, and the index
// is then built again.
#include <cstdint>
#include <string_view>
#include <unordered_map>

#include "store/xml_document.h"

struct XmlChildIndex {
  struct Entry {
    std::uint32_t position;  // among the elements entered, in child order
    _XML_NODE* element;
  };
  const _XML_NODE* parent = nullptr;
  std::uint32_t generation = 0;
  const _XML_NODE* last = nullptr;  // the last element entered
  std::uint32_t entered = 0;
  std::unordered_multimap<std::uint32_t, Entry> entries;
};

namespace xml {

// Lookups that walk past this many children build the index for their parent.
constexpr std::size_t kIndexedChildren = 32;

// What an attribute is entered under: its name (cut and folded as names compare) and the
// ValueKey of its value.
std::uint32_t IndexKey(std::u16string_view attributeName, std::uint32_t valueKey);

// Whether the document's index covers parent as it now stands; it first enters the children
// appended since its last use. False when it covers another parent or memory ran out.
bool IndexCovers(XmlDocument* doc, const _XML_NODE* parent);
// Builds the index for parent (replacing any other); without memory there is none.
void BuildIndex(XmlDocument* doc, const _XML_NODE* parent);

// The first of the parent's element children that has an attribute entered under key and
// satisfies match, in child order; the parent's last child is checked too.
template <typename Match>
_XML_NODE* FindIndexed(const XmlDocument* doc, std::uint32_t key, Match&& match) {
  const XmlChildIndex& index = *doc->childIndex;
  _XML_NODE* best = nullptr;
  std::uint32_t bestPosition = 0;
  const auto [from, to] = index.entries.equal_range(key);
  for (auto it = from; it != to; ++it) {
    const XmlChildIndex::Entry& e = it->second;
    if ((!best || e.position < bestPosition) && match(e.element)) {
      best = e.element;
      bestPosition = e.position;
    }
  }
  _XML_NODE* last = index.parent->lastChild;
  if (!best && last && last->kind == kXmlElement && match(last)) best = last;
  return best;
}

}  // namespace xml
