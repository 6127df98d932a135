#include "config/xml_reader.h"

#include <windows.h>
#include <shlwapi.h>
#include <xmllite.h>

#include <vector>

#include "common/text.h"

namespace host {
namespace {

using CreateXmlReaderFn = HRESULT(WINAPI*)(REFIID, void**, IMalloc*);

// xmllite.dll has no import library here: it is resolved once, at first use.
CreateXmlReaderFn ReaderFactory() {
  static CreateXmlReaderFn factory = [] {
    HMODULE module = LoadLibraryW(L"xmllite.dll");
    return module ? reinterpret_cast<CreateXmlReaderFn>(
                        reinterpret_cast<void*>(GetProcAddress(module, "CreateXmlReader")))
                  : nullptr;
  }();
  return factory;
}

template <class T>
struct ComPtr {
  T* p = nullptr;
  ~ComPtr() {
    if (p) p->Release();
  }
};

bool Fail(std::string& error, const std::string& reason) {
  error = reason;
  return false;
}

std::u16string Text(const wchar_t* text) { return text ? parental::common::AsText(text) : u""; }

bool IsWhiteSpace(const wchar_t* text) {
  for (; text && *text; ++text) {
    if (*text != L' ' && *text != L'\t' && *text != L'\r' && *text != L'\n') return false;
  }
  return true;
}

// Reads the attributes of the current element, leaving the reader on the element.
bool ReadAttributes(IXmlReader* reader, XmlElement& element) {
  for (HRESULT hr = reader->MoveToFirstAttribute(); hr == S_OK; hr = reader->MoveToNextAttribute()) {
    const wchar_t* name = nullptr;
    const wchar_t* value = nullptr;
    if (FAILED(reader->GetLocalName(&name, nullptr)) || FAILED(reader->GetValue(&value, nullptr)))
      return false;
    element.attributes.emplace_back(Text(name), Text(value));
  }
  return SUCCEEDED(reader->MoveToElement());
}

}  // namespace

bool ParseXml(const char* text, std::size_t length, XmlElement& root, std::string& error) {
  CreateXmlReaderFn create = ReaderFactory();
  if (!create) return Fail(error, "XmlLite is not available");
  ComPtr<IStream> stream;
  stream.p = SHCreateMemStream(reinterpret_cast<const BYTE*>(text), UINT(length));
  ComPtr<IXmlReader> reader;
  if (!stream.p || FAILED(create(__uuidof(IXmlReader), reinterpret_cast<void**>(&reader.p), nullptr)) ||
      FAILED(reader.p->SetProperty(XmlReaderProperty_DtdProcessing, DtdProcessing_Prohibit)) ||
      FAILED(reader.p->SetInput(stream.p))) {
    return Fail(error, "cannot start the XML reader");
  }
  std::vector<XmlElement*> open;  // the elements whose end tag is still to come
  bool seenRoot = false;
  XmlNodeType type;
  HRESULT hr;
  while ((hr = reader.p->Read(&type)) == S_OK) {
    if (type == XmlNodeType_Element) {
      XmlElement* element = &root;
      if (!open.empty()) {
        open.back()->children.emplace_back();
        element = &open.back()->children.back();
      } else if (seenRoot) {
        return Fail(error, "more than one root element");
      }
      seenRoot = true;
      const wchar_t* name = nullptr;
      if (FAILED(reader.p->GetLocalName(&name, nullptr))) return Fail(error, "unreadable element");
      element->name = Text(name);
      bool empty = reader.p->IsEmptyElement();
      if (!ReadAttributes(reader.p, *element)) return Fail(error, "unreadable attribute");
      if (!empty) open.push_back(element);
    } else if (type == XmlNodeType_EndElement) {
      open.pop_back();
    } else if (type == XmlNodeType_Text || type == XmlNodeType_CDATA) {
      const wchar_t* value = nullptr;
      reader.p->GetValue(&value, nullptr);
      if (!IsWhiteSpace(value)) return Fail(error, "unexpected text content");
    }
  }
  if (FAILED(hr)) {
    using parental::common::FormatHex;
    return Fail(error, "malformed XML (XmlLite error 0x" +
                           parental::common::ToUtf8(FormatHex(std::uint32_t(hr), 8)) + ")");
  }
  if (!seenRoot) return Fail(error, "no root element");
  return true;
}

}  // namespace host
