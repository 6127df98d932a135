#include "store/xml_document.h"

#include <cstdlib>
#include <cstring>
#include <utility>

#include "common/text.h"
#include "store/xml_child_index.h"
#include "store/xml_nodes.h"

using parental::common::FoldCase;

namespace {

constexpr std::size_t kValueBufferStep = 4096;
constexpr std::size_t kStoredNameLength = kXmlNameCapacity - 1;

// FNV-1a over the folded characters after the leading zeros (the last one is kept).
class KeyHash {
 public:
  void Add(char16_t c) {
    if (leading_ && c == u'0') {
      zeros_ = true;
      return;
    }
    leading_ = false;
    Mix(c);
  }
  std::uint32_t Done() {
    if (leading_ && zeros_) Mix(u'0');  // a value of zeros keeps one
    return h_;
  }

 private:
  void Mix(char16_t c) { h_ = (h_ ^ FoldCase(c)) * 16777619u; }
  std::uint32_t h_ = 2166136261u;
  bool leading_ = true, zeros_ = false;
};


// The name's entry in the document's table, added when new; null when memory ran out.
const char16_t* InternName(XmlNameTable& table, std::u16string_view name) {
  if (name.size() > kStoredNameLength) name = name.substr(0, kStoredNameLength);
  // A document holds a few short names: the length and three characters tell them apart
  // well enough, without a pass over every character.
  const std::size_t n = name.size();
  std::uint32_t h = std::uint32_t(n) * 0x9E3779B1u;
  if (n) h ^= name[0] ^ (std::uint32_t(name[n / 2]) << 6) ^ (std::uint32_t(name[n - 1]) << 12);
  h ^= h >> 15;
  XmlNameTable::Entry*& bucket = table.buckets[h % XmlNameTable::kBuckets];
  for (XmlNameTable::Entry* e = bucket; e; e = e->next) {
    if (e->length != name.size()) continue;
    std::size_t i = 0;
    while (i < name.size() && e->text[i] == name[i]) ++i;  // names are short: no call
    if (i == name.size()) return e->text;
  }
  auto* e = static_cast<XmlNameTable::Entry*>(std::malloc(sizeof(XmlNameTable::Entry)));
  if (!e) return nullptr;
  e->length = name.size();
  parental::common::CopyText(e->text, kXmlNameCapacity, name);
  e->open[0] = '<';
  e->attribute[0] = ' ';
  e->close[0] = '<';
  e->close[1] = '/';
  for (std::size_t i = 0; i < n; ++i) {
    const auto b = std::uint8_t(name[i]);
    e->open[1 + i] = e->attribute[1 + i] = e->close[2 + i] = b;
  }
  e->attribute[1 + n] = '=';
  e->attribute[2 + n] = '"';
  e->close[2 + n] = '>';
  e->close[3 + n] = '\n';
  e->next = bucket;
  bucket = e;
  return e->text;
}

void FreeNames(XmlNameTable& table) {
  for (XmlNameTable::Entry*& bucket : table.buckets) {
    while (bucket) std::free(std::exchange(bucket, bucket->next));
  }
}

// Grows the value buffer to hold `more` further bytes: capacity stays a multiple of
// 4096 and at least doubles, so appending many small values costs linear time.
bool ReserveValues(XmlValueBuffer& values, std::size_t more) {
  if (values.capacity - values.count >= more) return true;
  std::size_t needed = values.count + more;
  std::size_t capacity = values.capacity * 2 > needed ? values.capacity * 2 : needed;
  capacity = (capacity + kValueBufferStep - 1) / kValueBufferStep * kValueBufferStep;
  auto* data = static_cast<std::uint8_t*>(std::realloc(values.data, capacity));
  if (!data) return false;
  values.data = data;
  values.capacity = capacity;
  return true;
}

// Appends the encoded value; the range it occupies goes to attr.
bool StoreValue(XmlDocument* doc, _XML_NODE* attr, std::u16string_view value) {
  XmlValueBuffer& values = doc->values;
  // Each character takes at most eight bytes ("&#x000A;").
  if (value.size() > (SIZE_MAX - values.count) / 8 || !ReserveValues(values, value.size() * 8))
    return false;
  std::size_t start = values.cursor;
  std::uint8_t* out = values.data;
  std::size_t n = start;
  bool plain = true;
  for (std::size_t i = 0; i < value.size();) {
    const std::size_t run = CopyPlainRun(value.data() + i, value.size() - i, out + n);
    i += run;
    n += run;
    if (i == value.size()) break;
    plain = false;
    EscapeChar(NextCarried(value, &i), false, [&](std::uint8_t b) { out[n++] = b; });
  }
  values.cursor = values.count = n;
  attr->valueInBuffer = 1;
  attr->valueStart = start;
  attr->valueEnd = n;
  attr->valueFlags = plain ? std::uint32_t{kValuePlain} : 0u;  // the key is made when a lookup first needs it
  return true;
}

// Every node of the subtree below `top` (not `top` itself), children before parents,
// so that a node can be released as soon as it is visited.
template <typename Visit>
void ForEachDescendantPostOrder(_XML_NODE* top, Visit&& visit) {
  _XML_NODE* node = top->firstChild;
  while (node) {
    while (node->firstChild) node = node->firstChild;
    // node is a leaf: visit it and climb while it was the last of its siblings.
    for (;;) {
      _XML_NODE* next = node->nextSibling;
      _XML_NODE* parent = node->parent;
      visit(node);
      if (next) { node = next; break; }
      if (parent == top) return;
      node = parent;  // all its children are gone: it is next
    }
  }
}

void ReleaseDescendants(XmlDocument* doc, _XML_NODE* node) {
  ForEachDescendantPostOrder(node, [&](_XML_NODE* n) { doc->pool.Release(n); });
  node->firstChild = node->lastChild = nullptr;
  node->attributeCount = 0;
}

}  // namespace

namespace xml {

const XmlNameTable::Entry kNoName = {};

bool NameIs(const _XML_NODE* node, std::u16string_view name) {
  const std::size_t n = name.size() < kStoredNameLength ? name.size() : kStoredNameLength;
  const char16_t* stored = node->name;
  for (std::size_t i = 0; i < n; ++i) {
    const char16_t a = stored[i], b = name[i];
    if (a != b && (!a || FoldCase(a) != FoldCase(b))) return false;
  }
  return stored[n] == 0;
}

_XML_NODE* NewNode(XmlDocument* doc, _XML_NODE* parent, std::uint32_t kind, std::u16string_view name) {
  const char16_t* interned = InternName(doc->names, name);
  _XML_NODE* node = interned ? doc->pool.Allocate() : nullptr;
  if (!node) return nullptr;
  node->kind = kind;
  node->name = interned;
  if (kind == kXmlAttribute) ++parent->attributeCount;
  node->parent = parent;
  if (parent->lastChild) parent->lastChild->nextSibling = node; else parent->firstChild = node;
  parent->lastChild = node;
  return node;
}


bool DecodeValue(const XmlDocument* doc, const _XML_NODE* attr, std::u16string* out) {
  out->clear();
  ValueDecoder decoder = DecoderOf(doc, attr);
  char16_t c;
  while (decoder.Next(&c)) out->push_back(c);
  return !decoder.Failed();
}

std::uint32_t AttributeKey(const XmlDocument* doc, _XML_NODE* attr) {
  if (!(attr->valueFlags & kValueKeyed)) {
    KeyHash h;
    ValueDecoder decoder = DecoderOf(doc, attr);
    char16_t c;
    while (decoder.Next(&c)) h.Add(c);
    attr->valueKey = h.Done();  // an undecodable value gets a key too; it never matches
    attr->valueFlags |= kValueKeyed;
  }
  return attr->valueKey;
}

std::u16string_view StripLeadingZeros(std::u16string_view digits) {
  while (digits.size() > 1 && digits[0] == u'0') digits.remove_prefix(1);
  return digits;
}

bool ValueMatches(const XmlDocument* doc, const _XML_NODE* attr, std::u16string_view value, bool number) {
  // Quick rejection: a last byte that is plain text and ends no reference is the last
  // character. Names of siblings tend to differ at their end (numbers, user names).
  if (attr->valueEnd > attr->valueStart && !value.empty()) {
    const std::uint8_t last = doc->values.data[attr->valueEnd - 1];
    if (last >= 0x20 && last < 0x7F && last != ';' && FoldCase(last) != FoldCase(value.back())) return false;
  }
  ValueDecoder decoder = DecoderOf(doc, attr);
  char16_t c;
  bool more = decoder.Next(&c);
  if (number) {
    // Skip the stored zeros but keep the last character.
    while (more && c == u'0') {
      char16_t next;
      if (!decoder.Next(&next)) { more = !decoder.Failed(); break; }
      c = next;
    }
  }
  std::size_t i = 0;
  for (; more; more = decoder.Next(&c), ++i) {
    if (i == value.size() || FoldCase(c) != FoldCase(CarriedUnit(value, i))) return false;
  }
  return !decoder.Failed() && i == value.size();
}

}  // namespace xml

XmlDocument* CreateDocument() {
  auto* doc = new (std::nothrow) XmlDocument{};
  if (!doc) return nullptr;
  doc->values.data = static_cast<std::uint8_t*>(std::malloc(kValueBufferStep));
  if (!doc->values.data) {
    delete doc;
    return nullptr;
  }
  doc->values.capacity = kValueBufferStep;
  doc->documentNode.name = xml::kNoName.text;
  return doc;
}

int CloseDocument(XmlDocument* doc) {
  if (!doc) return 0;
  // The nodes go with their pool, all at once.
  FreeNames(doc->names);
  std::free(doc->values.data);
  xml::ReleaseWriterBuffer(doc->writer);
  delete doc->childIndex;
  delete doc;
  return 0;
}

_XML_NODE* FirstChildElement(const _XML_NODE* node) {
  _XML_NODE* c = node ? node->firstChild : nullptr;
  while (c && c->kind != kXmlElement) c = c->nextSibling;
  return c;
}

_XML_NODE* NextSiblingElement(const _XML_NODE* node) {
  _XML_NODE* c = node ? node->nextSibling : nullptr;
  while (c && c->kind != kXmlElement) c = c->nextSibling;
  return c;
}

_XML_NODE* GetRoot(const XmlDocument* doc) {
  return doc ? FirstChildElement(&doc->documentNode) : nullptr;
}

_XML_NODE* CreateRoot(XmlDocument* doc) {
  if (!doc || doc->documentNode.firstChild) return nullptr;
  return xml::NewNode(doc, &doc->documentNode, kXmlElement, u"Corvid");
}

_XML_NODE* AddElement(XmlDocument* doc, _XML_NODE* parent, std::u16string_view name) {
  if (!doc || !parent || parent->kind == kXmlAttribute) return nullptr;
  return xml::NewNode(doc, parent, kXmlElement, name);
}


std::uint32_t ValueKey(std::u16string_view value) {
  KeyHash h;
  for (std::size_t i = 0; i < value.size(); ++i) h.Add(CarriedUnit(value, i));
  return h.Done();
}

_XML_NODE* FindAttribute(const _XML_NODE* element, std::u16string_view name) {
  if (!element) return nullptr;
  for (_XML_NODE* c = element->firstChild; c; c = c->nextSibling)
    if (c->kind == kXmlAttribute && xml::NameIs(c, name)) return c;
  return nullptr;
}

int AppendAttribute(XmlDocument* doc, _XML_NODE* element, std::u16string_view name, std::u16string_view value) {
  if (!doc || !element || element->kind != kXmlElement) return 1;
  xml::AttributesChanging(doc, element);
  _XML_NODE* attr = xml::NewNode(doc, element, kXmlAttribute, name);
  if (!attr) return 1;
  if (StoreValue(doc, attr, value)) return 0;
  DeleteNode(doc, attr);
  return 1;
}

int SetAttribute(XmlDocument* doc, _XML_NODE* element, std::u16string_view name,
                 std::u16string_view value) {
  if (!doc || !element || element->kind != kXmlElement) return 1;
  if (_XML_NODE* attr = FindAttribute(element, name)) {
    xml::AttributesChanging(doc, element);
    return StoreValue(doc, attr, value) ? 0 : 1;
  }
  return AppendAttribute(doc, element, name, value);
}

int GetAttribute(const XmlDocument* doc, const _XML_NODE* element, std::u16string_view name,
                 char16_t* buffer, std::size_t* size) {
  return xml::OrWhenOutOfMemory(1, [&] {
    if (!doc || !size) return 1;
    const _XML_NODE* attr = FindAttribute(element, name);
    if (!attr) return 1;
    std::u16string value;
    if (!xml::DecodeValue(doc, attr, &value)) return 1;
    if (!buffer) {
      *size = value.size() + 1;
      return 0;
    }
    if (*size < value.size() + 1) return 1;
    std::memcpy(buffer, value.data(), value.size() * sizeof(char16_t));
    buffer[value.size()] = 0;
    *size = value.size() + 1;
    return 0;
  });
}

void DeleteNode(XmlDocument* doc, _XML_NODE* node) {
  if (!doc || !node || node == &doc->documentNode) return;
  ++doc->lookups.generation;
  _XML_NODE* parent = node->parent;
  if (parent) {
    _XML_NODE* prev = nullptr;
    for (_XML_NODE* c = parent->firstChild; c && c != node; c = c->nextSibling) prev = c;
    if (prev) prev->nextSibling = node->nextSibling; else parent->firstChild = node->nextSibling;
    if (parent->lastChild == node) parent->lastChild = prev;
    if (node->kind == kXmlAttribute) --parent->attributeCount;
  }
  ReleaseDescendants(doc, node);
  doc->pool.Release(node);
}
