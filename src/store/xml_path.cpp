#include <vector>

#include "store/xml_document.h"
#include "store/xml_nodes.h"

namespace {

constexpr std::size_t kMaxSegment = 511;

struct Filter {
  std::u16string_view key;
  std::u16string_view value;
  bool number;  // written "#digits": leading zeros do not count
};

struct Segment {
  std::u16string_view name;
  std::vector<Filter> filters;
};

// Position of the "\" that ends the segment starting at `from`; a "\" between a pair
// of double quotes does not separate.
std::size_t SegmentEnd(std::u16string_view path, std::size_t from) {
  for (std::size_t i = from; i < path.size(); ++i) {
    if (path[i] == u'\\') return i;
    if (path[i] == u'"') {
      std::size_t close = path.find(u'"', i + 1);
      if (close != std::u16string_view::npos) i = close;
    }
  }
  return path.size();
}

// One filter value starting at `pos`; `pos` moves past it (to the ";" or the end).
Filter ParseValue(std::u16string_view text, std::size_t& pos) {
  Filter f{};
  if (pos < text.size() && text[pos] == u'"') {
    // Quotes count only when the closing one ends the value.
    std::size_t close = text.find(u'"', pos + 1);
    if (close != std::u16string_view::npos && (close + 1 == text.size() || text[close + 1] == u';')) {
      f.value = text.substr(pos + 1, close - pos - 1);
      pos = close + 1;
      return f;
    }
  } else if (pos < text.size() && text[pos] == u'#') {
    f.number = true;
    ++pos;
  }
  std::size_t end = text.find(u';', pos);
  if (end == std::u16string_view::npos) end = text.size();
  f.value = text.substr(pos, end - pos);
  pos = end;
  return f;
}

bool ParseSegment(std::u16string_view text, Segment* seg) {
  if (text.empty() || text.size() > kMaxSegment) return false;
  std::size_t pos = text.find(u';');
  seg->name = text.substr(0, pos);
  if (seg->name.empty()) return false;
  while (pos != std::u16string_view::npos && pos < text.size()) {
    ++pos;  // past ";"
    std::size_t eq = text.find(u'=', pos);
    std::size_t semi = text.find(u';', pos);
    if (eq == std::u16string_view::npos || eq == pos || (semi != std::u16string_view::npos && semi < eq))
      return false;  // a filter needs a key and "="
    std::u16string_view key = text.substr(pos, eq - pos);
    pos = eq + 1;
    Filter f = ParseValue(text, pos);
    f.key = key;
    seg->filters.push_back(f);
  }
  return true;
}

bool Matches(const XmlDocument* doc, const _XML_NODE* element, const Segment& seg) {
  if (!xml::NameIs(element, seg.name)) return false;
  for (const Filter& f : seg.filters) {
    const _XML_NODE* attr = FindAttribute(element, f.key);
    std::u16string_view want = f.number ? xml::StripLeadingZeros(f.value) : f.value;
    if (!attr || !xml::ValueMatches(doc, attr, want, f.number)) return false;
  }
  return true;
}

_XML_NODE* Create(XmlDocument* doc, _XML_NODE* parent, const Segment& seg) {
  _XML_NODE* element = AddElement(doc, parent, seg.name);
  if (!element) return nullptr;
  for (const Filter& f : seg.filters) {
    if (SetAttribute(doc, element, f.key, f.value) != 0) {
      DeleteNode(doc, element);
      return nullptr;
    }
  }
  return element;
}

_XML_NODE* Find(const XmlDocument* doc, const _XML_NODE* parent, const Segment& seg) {
  for (_XML_NODE* c = FirstChildElement(parent); c; c = NextSiblingElement(c))
    if (Matches(doc, c, seg)) return c;
  return nullptr;
}

}  // namespace

_XML_NODE* ResolvePath(XmlDocument* doc, _XML_NODE* start, std::u16string_view path, XmlPathMode mode) {
  if (!doc || mode < kPathAppend || mode > kPathFindOrCreate) return nullptr;
  _XML_NODE* node = start ? start : GetRoot(doc);
  if (!node || node->kind != kXmlElement) return nullptr;
  std::size_t pos = 0;
  do {
    std::size_t end = SegmentEnd(path, pos);
    Segment seg;
    if (!ParseSegment(path.substr(pos, end - pos), &seg)) return nullptr;
    _XML_NODE* next = mode == kPathAppend || mode == kPathAppendToo ? nullptr : Find(doc, node, seg);
    if (!next && mode != kPathFind) next = Create(doc, node, seg);
    if (!next) return nullptr;
    node = next;
    pos = end + 1;
  } while (pos <= path.size());
  return node;
}
