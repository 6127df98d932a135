#include <cstdlib>
#include <cstring>
#include <utility>

#include "common/lock.h"

#include "store/xml_document.h"
#include "store/xml_nodes.h"

namespace {

constexpr std::size_t kGrowStep = 4096;
// Room for the text of some hundreds of roles (500 roles with 20 exceptions each: 4 MiB);
// a larger buffer is rare and goes with its document.
constexpr std::size_t kSpareLimit = std::size_t(8) << 20;

// The growable buffer of the last closed document (up to kSpareLimit) waits for the next
// one, so that writing again goes into memory the system has already given rather than
// into fresh pages. FreeSpareWriterBuffer lets it go.
struct Spare {
  char* buffer;
  std::size_t capacity;
};
Spare& TheSpare() {
  static Spare* spare = new Spare{};  // lives as long as the process, like the node cache
  return *spare;
}

// The buffer at least doubles, in multiples of 4096, so long texts cost linear time.
bool Grow(XmlWriter& w) {
  std::size_t capacity = w.ownedCapacity ? w.ownedCapacity * 2 : kGrowStep;
  capacity = (capacity + kGrowStep - 1) / kGrowStep * kGrowStep;
  char* buffer = static_cast<char*>(std::realloc(w.owned, capacity));
  if (!buffer) return false;
  w.buffer = w.owned = buffer;
  w.capacity = w.ownedCapacity = capacity;
  return true;
}

// The growable mode's buffer: the document's own, else the spare one.
void TakeSpare(XmlWriter& w) {
  if (w.owned) return;
  Spare& spare = TheSpare();
  parental::common::ScopedLock lock(parental::common::ProcessLock());
  w.owned = std::exchange(spare.buffer, nullptr);
  w.ownedCapacity = std::exchange(spare.capacity, 0);
}

// Puts bytes into the writer's buffer in its mode; counting goes on when bytes do not fit.
// The pass keeps its own copy of the writer's position, handed to the slow path by value
// and written back by Finish: since the copy's address is never taken, the compiler keeps
// it in registers instead of reloading it after every byte stored.
class Output {
 public:
  explicit Output(XmlWriter& w)
      : w_(&w), buffer_(w.buffer), position_(w.position), capacity_(w.capacity), start_(w.position) {}

  void Put(std::uint8_t b) { Put(&b, 1); }
  template <std::size_t N>
  void Put(const char (&literal)[N]) { Put(reinterpret_cast<const std::uint8_t*>(literal), N - 1); }
  void Put(const std::uint8_t* bytes, std::size_t n) {
    if (capacity_ - position_ >= n) {
      // Most pieces are names and punctuation of a few bytes: copied here, not by a call.
      char* to = buffer_ + position_;
      position_ += n;
      if (n <= 16) {
        for (std::size_t i = 0; i < n; ++i) to[i] = char(bytes[i]);
      } else {
        std::memcpy(to, bytes, n);
      }
    } else if (!buffer_) {  // counting: nothing to store
      dropped_ += n;
    } else {
      *this = PutSlow(*this, bytes, n);
    }
  }
  void Indent(int depth) {
    static const std::uint8_t kSpaces[64] = {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ',
                                             ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ',
                                             ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ',
                                             ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ',
                                             ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
    for (; depth > 64; depth -= 64) Put(kSpaces, 64);
    Put(kSpaces, std::size_t(depth));
  }
  // Names are ASCII: each unit is written as its low byte; the name table has them ready
  // with the markup around them.
  void OpenName(const char16_t* name) {
    const XmlNameTable::Entry* e = xml::EntryOf(name);
    Put(e->open, e->length + 1);
  }
  void AttributeName(const char16_t* name) {
    const XmlNameTable::Entry* e = xml::EntryOf(name);
    Put(e->attribute, e->length + 3);
  }
  void CloseName(const char16_t* name) {
    const XmlNameTable::Entry* e = xml::EntryOf(name);
    Put(e->close, e->length + 4);
  }
  bool Error() const { return error_; }
  void SetError() { error_ = true; }

  // The writer's position, count (bytes produced, stored or not) and overflow flag.
  void Finish() const {
    w_->position = position_;
    w_->count = position_ - start_ + dropped_;
    w_->overflow = dropped_ != 0;
  }

 private:
  // A growable buffer that must grow, or a full fixed one (keeping what fits).
  [[gnu::noinline]] static Output PutSlow(Output out, const std::uint8_t* bytes, std::size_t n) {
    XmlWriter& w = *out.w_;
    if (w.growable) {
      while (out.capacity_ - out.position_ < n) {
        if (!Grow(w)) {
          out.error_ = true;
          out.dropped_ += n;
          return out;
        }
        out.buffer_ = w.buffer;
        out.capacity_ = w.capacity;
      }
      std::memcpy(out.buffer_ + out.position_, bytes, n);
      out.position_ += n;
      return out;
    }
    const std::size_t fits = out.capacity_ - out.position_;
    if (fits) std::memcpy(out.buffer_ + out.position_, bytes, fits);
    out.position_ += fits;
    out.dropped_ += n - fits;
    return out;
  }

  XmlWriter* w_;
  char* buffer_;
  std::size_t position_;
  std::size_t capacity_;
  std::size_t start_;
  std::size_t dropped_ = 0;  // bytes produced that were not stored
  bool error_ = false;
};

// Copies runs of plain bytes as they are and decodes and escapes the rest.
void WriteAttributeValue(const XmlDocument* doc, const _XML_NODE* attr, Output& out) {
  const std::uint8_t* p = doc->values.data + attr->valueStart;
  const std::uint8_t* end = doc->values.data + attr->valueEnd;
  if (attr->valueFlags & kValuePlain) return out.Put(p, std::size_t(end - p));
  const bool ascii = doc->writer.ascii;
  while (p < end) {
    const std::uint8_t* run = p;
    while (p < end && IsPlain(*p)) ++p;
    out.Put(run, std::size_t(p - run));
    if (p == end) return;
    ValueDecoder decoder(p, end);
    char32_t c;
    if (!decoder.NextChar(&c)) {
      if (decoder.Failed()) out.SetError();
      return;
    }
    EscapeChar(c, ascii, [&](std::uint8_t b) { out.Put(b); });
    p = decoder.Position();
  }
}

void CloseTag(const _XML_NODE* element, int depth, Output& out) {
  out.Indent(depth);
  out.CloseName(element->name);
}

// Writes the opening tag with the attributes and returns the first child element. An
// element without child elements is closed here: " />" when it has attributes, else by a
// closing tag on the next line.
const _XML_NODE* OpenTag(const XmlDocument* doc, const _XML_NODE* element, int depth, Output& out) {
  out.Indent(depth);
  out.OpenName(element->name);
  const _XML_NODE* firstElement = nullptr;
  const bool attributes = element->attributeCount != 0;
  // The walk ends once every attribute is written and the first child element is known:
  // the rest of a long child list is not touched now.
  std::uint32_t left = element->attributeCount;
  for (const _XML_NODE* c = element->firstChild; c && (left || !firstElement); c = c->nextSibling) {
    if (c->kind == kXmlElement) {
      if (!firstElement) firstElement = c;
      continue;
    }
    --left;
    out.AttributeName(c->name);
    WriteAttributeValue(doc, c, out);
    out.Put('"');
  }
  if (firstElement || !attributes) {
    out.Put(">\n");
  } else {
    out.Put(" />\n");
  }
  if (!firstElement && !attributes) CloseTag(element, depth, out);
  return firstElement;
}

// Writes the element and its subtree, walking the parent and sibling links instead of
// recursing, so that no depth of tree can exhaust the stack.
void WriteTree(const XmlDocument* doc, const _XML_NODE* top, Output& out) {
  const _XML_NODE* node = top;
  int depth = 0;
  for (;;) {
    if (const _XML_NODE* child = OpenTag(doc, node, depth, out)) {
      node = child;
      ++depth;
      continue;
    }
    // Close finished elements until one has a further sibling.
    for (;;) {
      if (node == top) return;
      const _XML_NODE* next = NextSiblingElement(node);
      if (next) {
        node = next;
        break;
      }
      node = node->parent;
      CloseTag(node, --depth, out);
    }
  }
}

// Sets the writer up for a pass in its mode and writes; a growable pass begins after
// `reserve` bytes and ends with a terminating zero that is not counted.
int WritePass(XmlDocument* doc, const _XML_NODE* node, char* buffer, std::size_t capacity, std::size_t reserve) {
  XmlWriter& w = doc->writer;
  w.position = w.count = 0;
  w.overflow = false;
  if (buffer) {
    w.growable = false;
    w.buffer = buffer;
    w.capacity = capacity;
  } else if (w.growable) {
    TakeSpare(w);
    w.buffer = w.owned;
    w.capacity = w.ownedCapacity;
    while (w.capacity <= reserve)
      if (!Grow(w)) return 1;
    w.position = reserve;
  } else {
    w.buffer = nullptr;
    w.capacity = 0;
  }
  Output out(w);
  if (w.ascii) {
    out.Put("<?xml version=\"1.0\"?>\n");
  } else {
    out.Put("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n");
  }
  if (node) WriteTree(doc, node, out);
  out.Finish();
  if (out.Error() || (w.growable && w.position == w.capacity && !Grow(w))) return 1;
  if (w.growable) w.buffer[w.position] = 0;
  return 0;
}

}  // namespace

namespace xml {

void ReleaseWriterBuffer(XmlWriter& w) {
  char* buffer = std::exchange(w.owned, nullptr);
  std::size_t capacity = std::exchange(w.ownedCapacity, 0);
  if (capacity <= kSpareLimit) {
    Spare& spare = TheSpare();
    parental::common::ScopedLock lock(parental::common::ProcessLock());
    if (capacity > spare.capacity) {
      std::swap(buffer, spare.buffer);
      std::swap(capacity, spare.capacity);
    }
  }
  std::free(buffer);
}

}  // namespace xml

void FreeSpareWriterBuffer() {
  Spare& spare = TheSpare();
  char* buffer = nullptr;
  {
    parental::common::ScopedLock lock(parental::common::ProcessLock());
    buffer = std::exchange(spare.buffer, nullptr);
    spare.capacity = 0;
  }
  std::free(buffer);
}

int WriteDocument(XmlDocument* doc, const _XML_NODE* node, char* buffer, std::size_t capacity) {
  return doc ? WritePass(doc, node, buffer, capacity, 0) : 1;
}

void SetEncoding(XmlDocument* doc, XmlEncoding encoding) {
  if (doc) doc->writer.ascii = encoding == XmlEncoding::kAscii;
}

bool CountDocument(XmlDocument* doc, const _XML_NODE* node, std::size_t* length) {
  if (!doc || !length) return false;
  doc->writer.growable = false;
  if (WriteDocument(doc, node, nullptr, 0) != 0) return false;
  *length = doc->writer.count;
  return true;
}

int WriteToBuffer(XmlDocument* doc, const _XML_NODE* node, char* buffer, std::size_t* size) {
  if (!doc || !buffer || !size || *size == 0) return 1;
  // The last byte is kept for the terminator.
  int result = WriteDocument(doc, node, buffer, *size - 1);
  const XmlWriter& w = doc->writer;
  buffer[w.position] = 0;
  *size = w.count + 1;
  if (result != 0) return 1;
  return w.overflow ? 2 : 0;
}

bool WriteGrowableAfter(XmlDocument* doc, const _XML_NODE* node, std::size_t reserve, char** buffer,
                        std::size_t* length) {
  if (!doc || !buffer || !length) return false;
  XmlWriter& w = doc->writer;
  w.growable = true;
  const int result = WritePass(doc, node, nullptr, 0, reserve);
  w.growable = false;
  if (result != 0) return false;
  *buffer = w.buffer;
  *length = w.count;
  return true;
}

bool WriteGrowable(XmlDocument* doc, const _XML_NODE* node, std::string_view* text) {
  char* buffer;
  std::size_t length;
  if (!text || !WriteGrowableAfter(doc, node, 0, &buffer, &length)) return false;
  *text = std::string_view(buffer, length);
  return true;
}
