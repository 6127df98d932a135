#include "common/text.h"
#include "store/xml_child_index.h"
#include "store/xml_document.h"
#include "store/xml_nodes.h"

namespace {

constexpr std::size_t kMaxSegment = 511;
constexpr std::size_t kMaxFilters = 16;  // far more than any path of the configuration uses

using Filter = XmlFilter;
using parental::common::EqualsNoCase;

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

// One segment: an element name and its filters, parsed once.
class Segment {
 public:
  // False when the segment is empty, too long, has too many filters, or a filter lacks
  // its key or "=".
  bool Parse(std::u16string_view text) {
    if (text.empty() || text.size() > kMaxSegment) return false;
    std::size_t pos = Find(text, u';', 0);
    name_ = text.substr(0, pos);
    if (name_.empty()) return false;
    count_ = 0;
    while (pos < text.size()) {
      ++pos;  // past ";"
      std::size_t eq = pos;
      while (eq < text.size() && text[eq] != u'=' && text[eq] != u';') ++eq;
      if (eq == text.size() || text[eq] != u'=' || eq == pos || count_ == kMaxFilters) return false;
      Filter& f = filters_[count_++];
      f.key = text.substr(pos, eq - pos);
      pos = ParseValue(text, eq + 1, &f);
    }
    return true;
  }

  std::u16string_view Name() const { return name_; }
  const Filter* Filters() const { return filters_; }
  std::size_t Count() const { return count_; }

 private:
  static std::size_t Find(std::u16string_view text, char16_t c, std::size_t from) {
    while (from < text.size() && text[from] != c) ++from;
    return from;
  }

  // The value starting at pos; returns where it ends (at ";" or the end).
  static std::size_t ParseValue(std::u16string_view text, std::size_t pos, Filter* f) {
    f->number = false;
    if (pos < text.size() && text[pos] == u'"') {
      // Quotes count only when the closing one ends the value.
      const std::size_t close = Find(text, u'"', pos + 1);
      if (close < text.size() && (close + 1 == text.size() || text[close + 1] == u';')) {
        f->value = text.substr(pos + 1, close - pos - 1);
        return close + 1;
      }
    } else if (pos < text.size() && text[pos] == u'#') {
      f->number = true;
      ++pos;
    }
    const std::size_t end = Find(text, u';', pos);
    f->value = text.substr(pos, end - pos);
    return end;
  }

  std::u16string_view name_;
  Filter filters_[kMaxFilters];
  std::size_t count_ = 0;
};

bool Matches(const XmlDocument* doc, const _XML_NODE* element, std::u16string_view name, const Filter* filters,
             const std::uint32_t* keys, std::size_t count) {
  if (!xml::NameIs(element, name)) return false;
  for (std::size_t i = 0; i < count; ++i) {
    const Filter& f = filters[i];
    _XML_NODE* attr = FindAttribute(element, f.key);
    if (!attr || xml::AttributeKey(doc, attr) != keys[i]) return false;  // most candidates end here
    std::u16string_view want = f.number ? xml::StripLeadingZeros(f.value) : f.value;
    if (!xml::ValueMatches(doc, attr, want, f.number)) return false;
  }
  return true;
}

// Which cache entry a lookup uses: the parent, the folded name and every filter.
std::uint32_t LookupHash(const _XML_NODE* parent, std::u16string_view name, const Filter* filters,
                         const std::uint32_t* keys, std::size_t count) {
  std::uint32_t h = ValueKey(name) ^ std::uint32_t(reinterpret_cast<std::uintptr_t>(parent) >> 4);
  for (std::size_t i = 0; i < count; ++i)
    h = (h * 16777619u) ^ ValueKey(filters[i].key) ^ (keys[i] * 31u) ^ std::uint32_t(filters[i].number);
  return h;
}

_XML_NODE* Create(XmlDocument* doc, _XML_NODE* parent, std::u16string_view name, const Filter* filters,
                  std::size_t count) {
  _XML_NODE* element = AddElement(doc, parent, name);
  if (!element) return nullptr;
  for (const Filter* f = filters; f != filters + count; ++f) {
    // A new element has only the attributes set so far: look only when a key repeats.
    bool repeated = false;
    for (const Filter* g = filters; g != f && !repeated; ++g) repeated = EqualsNoCase(g->key, f->key);
    const bool ok = repeated ? SetAttribute(doc, element, f->key, f->value) == 0
                             : AppendAttribute(doc, element, f->key, f->value) == 0;
    if (!ok) {
      DeleteNode(doc, element);
      return nullptr;
    }
  }
  return element;
}

}  // namespace

_XML_NODE* ResolveSegment(XmlDocument* doc, _XML_NODE* parent, std::u16string_view name, const XmlFilter* filters,
                          std::size_t count, XmlPathMode mode) {
  if (!doc || !parent || parent->kind != kXmlElement || name.empty() || (count && !filters) ||
      mode < kPathAppend || mode > kPathFindOrCreate)
    return nullptr;
  if (mode != kPathFind && mode != kPathFindOrCreate) return Create(doc, parent, name, filters, count);
  std::uint32_t keys[kMaxFilters];
  if (count > kMaxFilters) return nullptr;
  for (std::size_t i = 0; i < count; ++i) keys[i] = ValueKey(filters[i].value);
  XmlLookupCache& cache = doc->lookups;
  const std::uint32_t hash = LookupHash(parent, name, filters, keys, count);
  XmlLookupCache::Entry& entry = cache.entries[hash % XmlLookupCache::kEntries];
  if (entry.hash == hash && entry.parent == parent && entry.generation == cache.generation &&
      Matches(doc, entry.node, name, filters, keys, count))
    return entry.node;
  auto matches = [&](const _XML_NODE* c) { return Matches(doc, c, name, filters, keys, count); };
  _XML_NODE* found = nullptr;
  if (count && xml::IndexCovers(doc, parent)) {
    found = xml::FindIndexed(doc, xml::IndexKey(filters[0].key, keys[0]), matches);
  } else {
    std::size_t walked = 0;
    for (_XML_NODE* c = FirstChildElement(parent); c && !found; c = NextSiblingElement(c), ++walked)
      if (matches(c)) found = c;
    if (!found && count && walked >= xml::kIndexedChildren) xml::BuildIndex(doc, parent);
  }
  // Created only when nothing matched: then it is the first match too.
  if (!found && mode == kPathFindOrCreate) found = Create(doc, parent, name, filters, count);
  if (found) entry = {parent, found, hash, cache.generation};
  return found;
}

_XML_NODE* ResolvePath(XmlDocument* doc, _XML_NODE* start, std::u16string_view path, XmlPathMode mode) {
  if (!doc || mode < kPathAppend || mode > kPathFindOrCreate) return nullptr;
  _XML_NODE* node = start ? start : GetRoot(doc);
  if (!node || node->kind != kXmlElement) return nullptr;
  std::size_t pos = 0;
  do {
    std::size_t end = SegmentEnd(path, pos);
    Segment seg;
    if (!seg.Parse(path.substr(pos, end - pos))) return nullptr;
    node = ResolveSegment(doc, node, seg.Name(), seg.Filters(), seg.Count(), mode);
    if (!node) return nullptr;
    pos = end + 1;
  } while (pos <= path.size());
  return node;
}
