#include <cstring>
#include <string>

#include "common/text.h"
#include "store/base64.h"
#include "store/scramble.h"
#include "store/xml_document.h"
#include "store/xml_nodes.h"

namespace {

constexpr const char16_t* kTypeNames[] = {u"EMPTY", u"DWORD", u"STRING", u"BINARY",
                                          u"SUBNODE", u"PASS", u"XML"};
constexpr std::size_t kMaxFoundName = 63;  // a "NAME" of 64 or more characters is never found
constexpr std::size_t kMaxDwordDigits = 16;

std::uint32_t TypeOf(const XmlDocument* doc, const _XML_NODE* node) {
  const _XML_NODE* attr = FindAttribute(node, u"TYPE");
  if (!attr) return kTypeEmpty;
  for (std::uint32_t t = 0; t < sizeof kTypeNames / sizeof *kTypeNames; ++t)
    if (xml::ValueMatches(doc, attr, kTypeNames[t], false)) return t;
  return kTypeEmpty;
}

// The decoded "VALUE" of the node named `name`, provided its "TYPE" is `type`.
bool ReadValue(const XmlDocument* doc, const _XML_NODE* parent, std::u16string_view name,
               std::uint32_t type, std::u16string* value) {
  const _XML_NODE* node = FindValueNode(doc, parent, name);
  if (!node || TypeOf(doc, node) != type) return false;
  const _XML_NODE* attr = FindAttribute(node, u"VALUE");
  return attr && xml::DecodeValue(doc, attr, value);
}

// ReadValue for the getters that report a size: a missing value or one of another type
// leaves the size 0.
bool ReadSizedValue(const XmlDocument* doc, const _XML_NODE* parent, std::u16string_view name,
                    std::uint32_t type, std::u16string* value, std::size_t* size) {
  if (!size) return false;
  if (ReadValue(doc, parent, name, type, value)) return true;
  *size = 0;
  return false;
}

std::u16string_view TextOf(const void* data, std::size_t size) {
  const auto* text = static_cast<const char16_t*>(data);
  return {text, parental::common::BoundedLength(text, size / sizeof(char16_t))};
}

// Encodes a value of `type` for "VALUE"; false when the data do not make one.
bool EncodeValue(std::uint32_t type, const void* data, std::size_t size, std::u16string* out) {
  switch (type) {
    case kTypeDword: {
      if (!data || size < 4) return false;
      std::uint32_t v;
      std::memcpy(&v, data, 4);
      *out = parental::common::FormatHex(v);
      return true;
    }
    case kTypeString:
      *out = TextOf(data, size);
      return true;
    case kTypeBinary:
      *out = Base64Encode(data, data ? size : 0);
      return true;
    case kTypePass: {
      std::u16string_view text = TextOf(data, size);
      std::u16string bytes(text);
      ScrambleBytes(bytes.data(), bytes.size() * sizeof(char16_t));
      *out = Base64Encode(bytes.data(), bytes.size() * sizeof(char16_t));
      return true;
    }
    default:
      return false;
  }
}

}  // namespace

_XML_NODE* FindValueNode(const XmlDocument* doc, const _XML_NODE* parent, std::u16string_view name) {
  if (!doc || !parent || name.size() > kMaxFoundName) return nullptr;
  for (_XML_NODE* c = FirstChildElement(parent); c; c = NextSiblingElement(c)) {
    if (!xml::NameIs(c, u"NODE")) continue;
    const _XML_NODE* attr = FindAttribute(c, u"NAME");
    if (attr && xml::ValueMatches(doc, attr, name, false)) return c;
  }
  return nullptr;
}

bool SetValue(XmlDocument* doc, _XML_NODE* parent, std::u16string_view name, std::uint32_t type,
              const void* data, std::size_t size) {
  return xml::OrWhenOutOfMemory(false, [&] {
    // "SUBNODE" nodes are made through paths; "XML" is never written.
    if (!doc || !parent || parent->kind != kXmlElement || type == kTypeSubnode || type >= kTypeXml)
      return false;
    std::u16string value;
    if (type != kTypeEmpty && !EncodeValue(type, data, size, &value)) return false;
    _XML_NODE* node = FindValueNode(doc, parent, name);
    if (!node) {
      node = AddElement(doc, parent, u"NODE");
      if (!node) return false;
      if (SetAttribute(doc, node, u"NAME", name) != 0) {
        DeleteNode(doc, node);
        return false;
      }
    }
    if (type == kTypeEmpty) return true;
    return SetAttribute(doc, node, u"VALUE", value) == 0 &&
           SetAttribute(doc, node, u"TYPE", kTypeNames[type]) == 0;
  });
}

bool GetDword(const XmlDocument* doc, const _XML_NODE* parent, std::u16string_view name,
              std::uint32_t* value) {
  return xml::OrWhenOutOfMemory(false, [&] {
    std::u16string text;
    if (!value || !ReadValue(doc, parent, name, kTypeDword, &text)) return false;
    if (text.empty() || text.size() > kMaxDwordDigits) return false;
    std::uint64_t v = 0;
    for (char16_t c : text) {
      int d = c >= u'0' && c <= u'9' ? c - u'0' : c >= u'a' && c <= u'f' ? c - u'a' + 10
            : c >= u'A' && c <= u'F' ? c - u'A' + 10 : -1;
      if (d < 0) return false;
      v = v << 4 | std::uint64_t(d);
    }
    if (v > 0xFFFFFFFFu) return false;  // more than a DWORD holds
    *value = std::uint32_t(v);
    return true;
  });
}

bool GetString(const XmlDocument* doc, const _XML_NODE* parent, std::u16string_view name,
               char16_t* buffer, std::size_t* size) {
  return xml::OrWhenOutOfMemory(false, [&] {
    std::u16string text;
    if (!ReadSizedValue(doc, parent, name, kTypeString, &text, size)) return false;
    if (!buffer) {
      *size = text.size() + 1;
      return true;
    }
    if (*size < text.size() + 1) {
      *size = text.size() + 1;
      return false;
    }
    parental::common::CopyText(buffer, *size, text);
    *size = text.size() + 1;
    return true;
  });
}

bool GetBinary(const XmlDocument* doc, const _XML_NODE* parent, std::u16string_view name,
               void* buffer, std::size_t* size) {
  return xml::OrWhenOutOfMemory(false, [&] {
    std::u16string text;
    return ReadSizedValue(doc, parent, name, kTypeBinary, &text, size) && Base64Decode(text, buffer, size);
  });
}

bool GetPass(const XmlDocument* doc, const _XML_NODE* parent, std::u16string_view name,
             char16_t* buffer, std::size_t* size) {
  return xml::OrWhenOutOfMemory(false, [&] {
    if (!size) return false;
    std::u16string text;
    if (!buffer || *size == 0 || !ReadValue(doc, parent, name, kTypePass, &text)) {
      *size = 0;
      return false;
    }
    std::size_t bytes = (*size - 1) * sizeof(char16_t);  // one unit stays for the terminator
    if (!Base64Decode(text, buffer, &bytes) || bytes % sizeof(char16_t) != 0) {
      *size = 0;
      return false;
    }
    ScrambleBytes(buffer, bytes);
    buffer[bytes / sizeof(char16_t)] = 0;
    *size = bytes / sizeof(char16_t) + 1;
    return true;
  });
}

bool EnumerateNodes(const XmlDocument* doc, const _XML_NODE* parent, std::uint64_t* cursor,
                    char16_t name[kEnumNameCapacity], std::uint32_t* type, _XML_NODE** node) {
  return xml::OrWhenOutOfMemory(false, [&] {
    if (!doc || !parent || !cursor || *cursor == ~std::uint64_t(0)) return false;
    _XML_NODE* c = *cursor ? reinterpret_cast<_XML_NODE*>(std::uintptr_t(*cursor))
                           : FirstChildElement(parent);
    while (c && !xml::NameIs(c, u"NODE")) c = NextSiblingElement(c);
    if (!c) {
      *cursor = ~std::uint64_t(0);
      return false;
    }
    _XML_NODE* next = NextSiblingElement(c);
    *cursor = next ? std::uint64_t(reinterpret_cast<std::uintptr_t>(next)) : ~std::uint64_t(0);
    if (name) {
      std::u16string value;
      const _XML_NODE* attr = FindAttribute(c, u"NAME");
      if (!attr || !xml::DecodeValue(doc, attr, &value)) value.clear();
      parental::common::CopyText(name, kEnumNameCapacity, value);
    }
    if (type) *type = TypeOf(doc, c);
    if (node) *node = c;
    return true;
  });
}
