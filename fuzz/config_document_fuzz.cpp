// Configuration paths and stored values of any shape: paths are resolved in every mode
// on a document that already holds profiles, raw bytes are read back as values of every
// type, and the document is written in both modes. Nothing may crash or read outside a
// buffer.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "store/xml_document.h"

namespace {

XmlDocument* DocumentWithProfiles() {
  XmlDocument* doc = CreateDocument();
  CreateRoot(doc);
  _XML_NODE* profiles = ResolvePath(
      doc, nullptr, u"SECTION;ID=#01000103\\SETTINGS\\PLUGINS\\PLUGIN;ID=#01000D01\\PROFILES", kPathFindOrCreate);
  std::uint32_t one = 1;
  SetValue(doc, profiles, u"Enable", kTypeDword, &one, 4);
  ResolvePath(doc, profiles, u"NODE;NAME=@default;TYPE=SUBNODE", kPathFindOrCreate);
  return doc;
}

// The input's bytes as an attribute's stored value, as if the document had stored them.
void StoreRaw(XmlDocument* doc, _XML_NODE* node, const char16_t* name, const std::uint8_t* data, std::size_t size) {
  if (SetAttribute(doc, node, name, u"") != 0) return;
  _XML_NODE* attr = FindAttribute(node, name);
  XmlValueBuffer& values = doc->values;
  if (values.capacity - values.count < size) return;
  std::memcpy(values.data + values.count, data, size);
  attr->valueStart = values.count;
  attr->valueEnd = values.count + size;
  attr->valueFlags = 0;
  values.cursor = values.count += size;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1 || size > 4096) return 0;
  XmlDocument* doc = DocumentWithProfiles();
  const XmlPathMode mode = static_cast<XmlPathMode>(data[0] % 6);
  std::u16string path((size - 1) / 2, u'\0');
  std::memcpy(path.data(), data + 1, path.size() * 2);
  ResolvePath(doc, nullptr, path, mode);
  ResolvePath(doc, nullptr, path, kPathFind);

  _XML_NODE* node = ResolvePath(doc, nullptr, u"NODE;NAME=v;TYPE=STRING", kPathFindOrCreate);
  StoreRaw(doc, node, u"VALUE", data + 1, size - 1);
  char16_t text[64];
  std::size_t n = 64;
  GetAttribute(doc, node, u"VALUE", text, &n);
  GetString(doc, GetRoot(doc), u"v", text, &n);
  std::uint8_t bytes[64];
  for (const char16_t* type : {u"DWORD", u"BINARY", u"PASS"}) {
    SetAttribute(doc, node, u"TYPE", type);
    std::uint32_t dword;
    GetDword(doc, GetRoot(doc), u"v", &dword);
    n = sizeof bytes;
    GetBinary(doc, GetRoot(doc), u"v", bytes, &n);
    n = 64;
    GetPass(doc, GetRoot(doc), u"v", text, &n);
  }
  for (XmlEncoding encoding : {XmlEncoding::kUtf8, XmlEncoding::kAscii}) {
    SetEncoding(doc, encoding);
    std::string_view text;
    WriteGrowable(doc, GetRoot(doc), &text);
  }
  char small[100];
  std::size_t capacity = sizeof small;
  WriteToBuffer(doc, GetRoot(doc), small, &capacity);
  CloseDocument(doc);
  return 0;
}
