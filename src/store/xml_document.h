#pragma once
// The in-memory configuration document: a tree of elements and attributes whose
// values live, encoded, in one value buffer; addressed by path strings, filled with
// typed "NODE" values and written out as XML text. Documents are only built and
// written, never parsed from text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/closer.h"
#include "store/memory_store.h"

enum : std::uint32_t { kXmlElement = 5, kXmlAttribute = 6 };

// Type codes of configuration values and the "TYPE" texts they stand for.
enum XmlValueType : std::uint32_t {
  kTypeEmpty = 0,    // "EMPTY": neither "VALUE" nor "TYPE" is written
  kTypeDword = 1,    // "DWORD": uppercase hexadecimal without leading zeros
  kTypeString = 2,   // "STRING"
  kTypeBinary = 3,   // "BINARY": Base64
  kTypeSubnode = 4,  // "SUBNODE": holds child "NODE" elements
  kTypePass = 5,     // "PASS": UTF-16 text, scrambled, then Base64
  kTypeXml = 6,      // "XML": recognised when read, never written
};

// How ResolvePath treats each segment.
enum XmlPathMode : int {
  kPathNone = 0,         // resolves nothing
  kPathAppend = 1,       // always appends a new element (mode 2 is taken as this mode too)
  kPathFind = 3,         // finds the first match
  kPathFindOrCreate = 4  // finds the first match, else appends one
};

constexpr std::size_t kXmlNameCapacity = 50;  // 49 characters and the terminator

struct _XML_NODE {
  std::uint32_t kind;                // kXmlElement or kXmlAttribute
  union {                            // one word for what each kind alone needs
    std::uint32_t attributeCount;    // elements: how many of the children are attributes
    std::uint32_t valueFlags;        // attributes: kValuePlain, kValueKeyed
  };
  const char16_t* name;              // cut to 49 characters; held in the document's name table
  std::uint32_t valueInBuffer;       // 1: the range below refers to the value buffer
  // Attributes: the hash of the value as filters compare it (with kValueKeyed), made on
  // first lookup.
  std::uint32_t valueKey;
  std::uint64_t valueStart;          // first byte of the encoded value
  std::uint64_t valueEnd;            // one past its last byte
  _XML_NODE* firstChild;             // attributes and elements, in creation order
  _XML_NODE* nextSibling;
  _XML_NODE* parent;
  _XML_NODE* lastChild;              // so that appending costs the same for every child
};
static_assert(sizeof(_XML_NODE) == 72 || sizeof(void*) != 8, "a node fills 72 bytes on 64-bit targets");
enum : std::uint32_t {
  kValuePlain = 1,  // every stored byte stands for itself in the output
  kValueKeyed = 2,  // valueKey is set (for values short enough to be looked up by)
};

// Byte buffer for the encoded attribute values; capacity grows in multiples of 4096.
struct XmlValueBuffer {
  std::uint8_t* data;
  std::size_t cursor;    // where the next value is appended
  std::size_t count;     // bytes in use
  std::size_t capacity;
};

// The text writer's state, set only by the writer functions below. Modes: counting (no
// buffer, not growable), fixed (a caller's buffer) and growable (the writer owns `buffer`
// and enlarges it as needed).
struct XmlWriter {
  char* buffer;          // where the text goes: the caller's buffer, or `owned`
  char* owned;           // the growable mode's own buffer; at the close it waits for the next document
  std::size_t ownedCapacity;
  std::size_t position;  // bytes stored in buffer
  std::size_t count;     // bytes produced, including those that did not fit
  std::size_t capacity;
  bool overflow;         // a byte did not fit (always set by a counting pass)
  bool growable;
  bool ascii;            // escape every character outside 32..126 as "&#xHHHH;"
};

// Every distinct node name of a document, stored once: a document holds a few names many
// thousand times over.
struct XmlNameTable {
  struct Entry {
    Entry* next;
    std::size_t length;
    char16_t text[kXmlNameCapacity];   // what nodes point to
    // The name as the writer writes it (the low byte of each unit), ready in its three
    // settings: "<name", " name=\"" and "</name>\n".
    std::uint8_t open[kXmlNameCapacity + 1];
    std::uint8_t attribute[kXmlNameCapacity + 3];
    std::uint8_t close[kXmlNameCapacity + 4];
  };
  static constexpr std::size_t kBuckets = 64;
  Entry* buckets[kBuckets];
};

// Where recent lookups found their element. An entry stays good while nothing could have
// put an earlier match before it: elements are only ever appended, so only a change to the
// attributes of an element that has later siblings, or a deletion, starts a new generation.
struct XmlLookupCache {
  static constexpr std::size_t kEntries = 64;
  struct Entry {
    const _XML_NODE* parent;
    _XML_NODE* node;
    std::uint32_t hash;
    std::uint32_t generation;
  };
  Entry entries[kEntries];
  std::uint32_t generation;
};

struct XmlChildIndex;  // store/xml_child_index.h

struct XmlDocument {
  void* file;  // unused: documents are never bound to a file
  XmlValueBuffer values;
  XmlWriter writer;
  std::uint32_t saveOnClose;
  std::uint32_t scrambleOnSave;
  _XML_NODE documentNode;  // its first child is the root element
  XmlNameTable names;
  XmlLookupCache lookups;
  XmlChildIndex* childIndex;  // made by a lookup among many children; null until then
  CMemoryStoreTemplate<_XML_NODE, CMemoryStoreManager> pool;
};

// Document life.
XmlDocument* CreateDocument();
_XML_NODE* CreateRoot(XmlDocument* doc);  // the root element "Corvid"
int CloseDocument(XmlDocument* doc);      // 0; frees everything (null does nothing)
using DocumentPtr = parental::common::Owned<XmlDocument, &CloseDocument>;
_XML_NODE* GetRoot(const XmlDocument* doc);

// Elements and attributes.
_XML_NODE* AddElement(XmlDocument* doc, _XML_NODE* parent, std::u16string_view name);
_XML_NODE* FirstChildElement(const _XML_NODE* node);  // null when it has none
_XML_NODE* NextSiblingElement(const _XML_NODE* node);
int SetAttribute(XmlDocument* doc, _XML_NODE* element, std::u16string_view name,
                 std::u16string_view value);  // 0, or 1 on failure
// Appends an attribute without looking for one of that name: for elements known to lack it.
// 0, or 1 on failure.
int AppendAttribute(XmlDocument* doc, _XML_NODE* element, std::u16string_view name, std::u16string_view value);
// With a null buffer *size receives the characters needed (terminator included); with a
// buffer *size is its capacity in, characters written (terminator included) out.
int GetAttribute(const XmlDocument* doc, const _XML_NODE* element, std::u16string_view name,
                 char16_t* buffer, std::size_t* size);  // 0, or 1 on failure
_XML_NODE* FindAttribute(const _XML_NODE* element, std::u16string_view name);
// The hash that matching values share: case-folded, leading "0" characters left out.
std::uint32_t ValueKey(std::u16string_view value);
void DeleteNode(XmlDocument* doc, _XML_NODE* node);

// Paths: segments separated by "\", each a name with optional ";KEY=VALUE" filters.
_XML_NODE* ResolvePath(XmlDocument* doc, _XML_NODE* start, std::u16string_view path,
                       XmlPathMode mode);

// One path segment already taken apart: resolves the element `name` whose attributes match
// every filter below parent, as ResolvePath resolves one segment.
struct XmlFilter {
  std::u16string_view key;
  std::u16string_view value;
  bool number;  // a "#" value: leading zeros do not count
};
_XML_NODE* ResolveSegment(XmlDocument* doc, _XML_NODE* parent, std::u16string_view name,
                          const XmlFilter* filters, std::size_t count, XmlPathMode mode);

// Typed "NODE" values below a parent element.
bool SetValue(XmlDocument* doc, _XML_NODE* parent, std::u16string_view name,
              std::uint32_t type, const void* data, std::size_t size);
bool GetDword(const XmlDocument* doc, const _XML_NODE* parent, std::u16string_view name,
              std::uint32_t* value);
bool GetString(const XmlDocument* doc, const _XML_NODE* parent, std::u16string_view name,
               char16_t* buffer, std::size_t* size);  // size in characters, in/out
bool GetBinary(const XmlDocument* doc, const _XML_NODE* parent, std::u16string_view name,
               void* buffer, std::size_t* size);      // size in bytes, in/out
bool GetPass(const XmlDocument* doc, const _XML_NODE* parent, std::u16string_view name,
             char16_t* buffer, std::size_t* size);    // size in characters, in/out
_XML_NODE* FindValueNode(const XmlDocument* doc, const _XML_NODE* parent,
                         std::u16string_view name);

// Walks the "NODE" children of parent. *cursor starts at 0 and becomes -1 at the end.
// name receives "NAME" (at most 63 characters); type, when not null, the type code.
constexpr std::size_t kEnumNameCapacity = 64;
bool EnumerateNodes(const XmlDocument* doc, const _XML_NODE* parent, std::uint64_t* cursor,
                    char16_t name[kEnumNameCapacity], std::uint32_t* type, _XML_NODE** node);

// Writer. Each way writes the declaration and, when a node is given, its subtree, in the
// document's encoding (UTF-8 until set otherwise).
enum class XmlEncoding : std::uint8_t {
  kUtf8,   // characters outside ASCII as UTF-8
  kAscii,  // every character outside 32..126 as "&#xHHHH;"
};
void SetEncoding(XmlDocument* doc, XmlEncoding encoding);
// Counting: *length receives the bytes of the text, without a terminator. False on a writer
// error (an undecodable value).
bool CountDocument(XmlDocument* doc, const _XML_NODE* node, std::size_t* length);
// Into a buffer, terminated: 0, 1 (writer error) or 2 (did not fit; what fits is kept);
// *size: capacity in, length with the terminator out.
int WriteToBuffer(XmlDocument* doc, const _XML_NODE* node, char* buffer, std::size_t* size);
// Growable: the text in the writer's own buffer, good until the next write or the close.
// False on a writer error (a failed enlargement or an undecodable value).
bool WriteGrowable(XmlDocument* doc, const _XML_NODE* node, std::string_view* text);
// Growable with room in front: *buffer receives the writer's own buffer, which holds
// `reserve` bytes for the caller (a header for the text), then the text and a terminating
// zero; *length the text's bytes. Good until the next write or the close. False on a writer
// error.
bool WriteGrowableAfter(XmlDocument* doc, const _XML_NODE* node, std::size_t reserve, char** buffer,
                        std::size_t* length);
// A closed document leaves its growable buffer (up to 8 MiB) for the next document's
// writer; this frees it. The plug-in calls it when it is unloaded.
void FreeSpareWriterBuffer();
// The pass under the three: counting with a null buffer, else into `buffer`; 0, or 1 on a
// writer error; the writer's overflow flag tells that the text did not fit.
int WriteDocument(XmlDocument* doc, const _XML_NODE* node, char* buffer, std::size_t capacity);
