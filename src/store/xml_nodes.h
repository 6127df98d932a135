#pragma once
// Helpers that the document's source files share: node naming, child lists, walking a
// subtree without recursion, and reading encoded attribute values.
#include <cstddef>
#include <string>

#include "common/out_of_memory.h"
#include "store/xml_document.h"
#include "store/value_codec.h"

namespace xml {

using parental::common::OrWhenOutOfMemory;  // the document reports failures by result

// The name-table entry that a node's name points into.
inline const XmlNameTable::Entry* EntryOf(const char16_t* name) {
  return reinterpret_cast<const XmlNameTable::Entry*>(reinterpret_cast<const char*>(name) -
                                                      offsetof(XmlNameTable::Entry, text));
}
// The entry of the document node, which has no name.
extern const XmlNameTable::Entry kNoName;

// The node's name compared with `name` cut as stored names are (49 characters).
bool NameIs(const _XML_NODE* node, std::u16string_view name);
_XML_NODE* NewNode(XmlDocument* doc, _XML_NODE* parent, std::uint32_t kind, std::u16string_view name);

inline ValueDecoder DecoderOf(const XmlDocument* doc, const _XML_NODE* attr) {
  const std::uint8_t* base = doc->values.data;
  return ValueDecoder(base + attr->valueStart, base + attr->valueEnd);
}
// The decoded value; false when it cannot be decoded.
bool DecodeValue(const XmlDocument* doc, const _XML_NODE* attr, std::u16string* out);
// Called before an element's attributes change: lookups cached so far may no longer hold
// when the element has later siblings (it could now match before them).
inline void AttributesChanging(XmlDocument* doc, const _XML_NODE* element) {
  if (element->parent && element->parent->lastChild != element) ++doc->lookups.generation;
}

// The attribute's ValueKey, made from the stored value on first use.
std::uint32_t AttributeKey(const XmlDocument* doc, _XML_NODE* attr);
// Case-insensitive comparison of a stored value; `number` ignores leading zeros of both.
bool ValueMatches(const XmlDocument* doc, const _XML_NODE* attr, std::u16string_view value, bool number);

// Hands the writer's growable buffer on to the next document (or frees it).
void ReleaseWriterBuffer(XmlWriter& w);

// Leading "0" characters removed, keeping at least one character.
std::u16string_view StripLeadingZeros(std::u16string_view digits);

}  // namespace xml
