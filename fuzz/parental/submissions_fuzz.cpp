// Names, URLs and values of any 16-bit units: every submission and every written document
// must be well-formed for a strict reader (libxml2, with pugixml agreeing), and what is
// read back must be what the model and the document held, with each unit XML cannot carry
// as U+FFFD and URLs keeping the escapes of such bytes.
//
// Input: fields of one length byte (units, at most 63) and that many 16-bit units. Field k
// names role k (after "R<k>-", below role k - 1), gives it an exception for the field's
// bytes as a URL, and is the value of "V<k>" in a document of its own.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "common/text.h"
#include "model_host.h"
#include "parental/parental_config.h"
#include "parental/substitute_accounts.h"
#include "parental/url.h"
#include "platform/ansi_code_page.h"
#include "store/xml_document.h"
#include "support/xml_readers.h"

using namespace parental::corvui;

namespace {

constexpr std::size_t kMaxFields = 6;

#define Check(ok) ((ok) ? void() : Fail(#ok, __LINE__))
[[noreturn]] void Fail(const char* what, int line) {
  std::fprintf(stderr, "line %d: %s\n", line, what);
  std::abort();
}

// The text as a document holds it: a surrogate pair stays, any other unit outside
// tab, line feed, carriage return, U+0020..U+D7FF and U+E000..U+FFFD becomes U+FFFD.
std::u16string Carried(std::u16string_view text) {
  std::u16string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    const bool high = c >= 0xD800 && c <= 0xDBFF, low = c >= 0xDC00 && c <= 0xDFFF;
    if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      out += c;
      out += text[++i];
    } else if (high || low || c >= 0xFFFE || (c < 0x20 && c != 9 && c != 10 && c != 13)) {
      out += u'\uFFFD';
    } else {
      out += c;
    }
  }
  return out;
}

std::vector<std::u16string> Fields(const std::uint8_t* data, std::size_t size) {
  std::vector<std::u16string> fields;
  while (size > 0 && fields.size() < kMaxFields) {
    const std::size_t n = std::min<std::size_t>(data[0] % 64, (size - 1) / 2);
    std::u16string& field = fields.emplace_back(n, u'\0');
    std::memcpy(field.data(), data + 1, n * 2);
    data += 1 + n * 2;
    size -= 1 + n * 2;
  }
  return fields;
}

// Each value in a document, written in both modes and read back.
void CheckDocument(const std::vector<std::u16string>& fields) {
  XmlDocument* doc = CreateDocument();
  _XML_NODE* root = CreateRoot(doc);
  std::vector<_XML_NODE*> nodes;
  for (std::size_t k = 0; k < fields.size(); ++k) {
    nodes.push_back(AddElement(doc, root, u"NODE"));
    Check(SetAttribute(doc, nodes[k], u"NAME", u"V" + parental::common::FormatDecimal(k)) == 0);
    Check(SetAttribute(doc, nodes[k], u"VALUE", fields[k]) == 0);
  }
  for (XmlEncoding encoding : {XmlEncoding::kUtf8, XmlEncoding::kAscii}) {
    SetEncoding(doc, encoding);
    std::string_view text;
    Check(WriteGrowable(doc, root, &text));
    host::XmlElement read;
    Check(xml_readers::ReadBoth(std::string(text), read));
    Check(read.children.size() == fields.size());
    for (std::size_t k = 0; k < fields.size(); ++k) {
      std::size_t size = 0;
      Check(GetAttribute(doc, nodes[k], u"VALUE", nullptr, &size) == 0);
      std::u16string held(size, u'\0');
      Check(GetAttribute(doc, nodes[k], u"VALUE", held.data(), &size) == 0);
      held.resize(size - 1);
      Check(held == Carried(fields[k]));
      Check(*read.children[k].Attribute(u"VALUE") == held);
    }
  }
  CloseDocument(doc);
}

// The profile a role is saved under: its name up to the first zero, with the characters
// that would break a path as spaces, as the document holds it.
std::u16string ProfileName(const std::u16string& key) {
  std::u16string name = key.substr(0, key.find(u'\0'));
  for (char16_t& c : name)
    if (c == u'"' || c == u'#' || c == u'\'' || c == u';' || c == u'\\' || c == u'|') c = u' ';
  return Carried(name);
}

void CheckModel(const std::vector<std::u16string>& fields) {
  ModelHost host;
  SubstituteAccounts service;
  auto config = std::make_unique<CParentalConfig>(&host.engine, true, host.registry, service);
  config->Load(config->GetVariables());
  std::vector<std::u16string> keys;
  std::vector<std::string> urls;
  for (std::size_t k = 0; k < fields.size(); ++k) {
    std::u16string key = u"R" + parental::common::FormatDecimal(k) + u"-" + fields[k];
    Check(bool(config->Roles().CreateRole(key, k > 0 ? keys.back() : u"", {})));
    const std::string url(reinterpret_cast<const char*>(fields[k].data()), fields[k].size() * 2);
    Check(config->Roles().AddException(key, url, k & 1, nullptr));
    urls.push_back(config->Roles().Roles().at(key).role->Exceptions()[0].url);
    keys.push_back(std::move(key));
  }
  // Every submission is read by both readers, which must agree.
  Check(config->Save());
  config = std::make_unique<CParentalConfig>(&host.engine, true, host.registry, service);
  config->Load(config->GetVariables());
  const auto& roles = config->Roles().Roles();
  Check(roles.size() == keys.size());
  auto& codePage = parental::platform::DefaultAnsiCodePage();
  for (std::size_t k = 0; k < keys.size(); ++k) {
    const auto found = roles.find(ProfileName(keys[k]));
    Check(found != roles.end());
    const auto& parent = found->second.role->Parent();
    Check(k == 0 ? !parent : parent && parent->Name() == ProfileName(keys[k - 1]));
    const auto& exceptions = found->second.role->Exceptions();
    Check(exceptions.size() == 1);
    // Reading an exception normalises its URL again, from the text the host stored.
    Check(exceptions[0].url == NormaliseUrl(codePage.ToAnsi(codePage.FromAnsi(StoredUrl(urls[k])))));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::u16string> fields = Fields(data, size);
  CheckDocument(fields);
  CheckModel(fields);
  return 0;
}
