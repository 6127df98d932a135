#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "store/base64.h"
#include "store/scramble.h"
#include "store/xml_document.h"
#include "xml_test_util.h"

namespace {

std::string Line(XmlDocument* doc, const char16_t* name) {
  std::string text = WriteText(doc, GetRoot(doc));
  std::string key = "NAME=\"" + std::string(name, name + std::char_traits<char16_t>::length(name)) + "\"";
  std::size_t at = text.find(key);
  return at == std::string::npos ? "" : text.substr(at, text.find('\n', at) - at);
}

TEST(XmlValues, TypedValuesAreWrittenInTheirTextForms) {
  DocumentPtr doc = NewDocument();
  _XML_NODE* root = GetRoot(doc.get());
  std::uint32_t zero = 0, id = 0x1000D00;
  ASSERT_TRUE(SetValue(doc.get(), root, u"Zero", kTypeDword, &zero, 4));
  ASSERT_TRUE(SetValue(doc.get(), root, u"Id", kTypeDword, &id, 4));
  const std::uint8_t one = 0xFB;
  ASSERT_TRUE(SetValue(doc.get(), root, u"Bin", kTypeBinary, &one, 1));
  const char16_t text[8] = u"a\nb";
  ASSERT_TRUE(SetValue(doc.get(), root, u"Str", kTypeString, text, sizeof text));
  ASSERT_TRUE(SetValue(doc.get(), root, u"None", kTypeEmpty, nullptr, 0));
  EXPECT_EQ(Line(doc.get(), u"Zero"), "NAME=\"Zero\" VALUE=\"0\" TYPE=\"DWORD\" />");
  EXPECT_EQ(Line(doc.get(), u"Id"), "NAME=\"Id\" VALUE=\"1000D00\" TYPE=\"DWORD\" />");
  EXPECT_EQ(Line(doc.get(), u"Bin"), "NAME=\"Bin\" VALUE=\"+w==\" TYPE=\"BINARY\" />");
  EXPECT_EQ(Line(doc.get(), u"Str"), "NAME=\"Str\" VALUE=\"a&#x000A;b\" TYPE=\"STRING\" />");
  EXPECT_EQ(Line(doc.get(), u"None"), "NAME=\"None\" />");
  // Setting again replaces the value of the same node, found case-insensitively.
  ASSERT_TRUE(SetValue(doc.get(), root, u"ZERO", kTypeDword, &id, 4));
  EXPECT_EQ(Line(doc.get(), u"Zero"), "NAME=\"Zero\" VALUE=\"1000D00\" TYPE=\"DWORD\" />");
  EXPECT_FALSE(SetValue(doc.get(), root, u"Short", kTypeDword, &id, 3));
  EXPECT_FALSE(SetValue(doc.get(), root, u"Sub", kTypeSubnode, nullptr, 0));
  EXPECT_FALSE(SetValue(doc.get(), nullptr, u"X", kTypeDword, &id, 4));
}

TEST(XmlValues, EveryTypeReadsBackAndAWrongTypeFailsWithSizeZero) {
  DocumentPtr doc = NewDocument();
  _XML_NODE* root = GetRoot(doc.get());
  std::uint32_t dword = 0xDEADBEEF;
  const char16_t text[] = u"Caf\u00e9 <&> \"x\"\r\n";
  const char16_t secret[] = u"pa\u00dfword";
  std::vector<std::uint8_t> bytes{0, 1, 2, 250, 255};
  SetValue(doc.get(), root, u"D", kTypeDword, &dword, 4);
  SetValue(doc.get(), root, u"S", kTypeString, text, sizeof text);
  SetValue(doc.get(), root, u"P", kTypePass, secret, sizeof secret);
  SetValue(doc.get(), root, u"B", kTypeBinary, bytes.data(), bytes.size());

  std::uint32_t d = 0;
  EXPECT_TRUE(GetDword(doc.get(), root, u"d", &d));
  EXPECT_EQ(d, dword);
  char16_t buf[64];
  std::size_t size = 64;
  EXPECT_TRUE(GetString(doc.get(), root, u"S", buf, &size));
  EXPECT_EQ(std::u16string(buf), text);
  EXPECT_EQ(size, std::char_traits<char16_t>::length(text) + 1);
  size = 64;
  EXPECT_TRUE(GetPass(doc.get(), root, u"P", buf, &size));
  EXPECT_EQ(std::u16string(buf), secret);
  // The stored form is scrambled: the plain text is not in the document.
  EXPECT_EQ(WriteText(doc.get(), root).find("pa"), std::string::npos);
  std::uint8_t out[8];
  size = sizeof out;
  EXPECT_TRUE(GetBinary(doc.get(), root, u"B", out, &size));
  EXPECT_EQ(std::vector<std::uint8_t>(out, out + size), bytes);

  size = 64;
  EXPECT_FALSE(GetString(doc.get(), root, u"D", buf, &size));
  EXPECT_EQ(size, 0u);
  size = sizeof out;
  EXPECT_FALSE(GetBinary(doc.get(), root, u"S", out, &size));
  EXPECT_EQ(size, 0u);
  EXPECT_FALSE(GetDword(doc.get(), root, u"missing", &d));
  size = 4;  // too small for the text: fails, and tells what is needed
  EXPECT_FALSE(GetString(doc.get(), root, u"S", buf, &size));
  size = 3;  // two characters and the terminator
  EXPECT_FALSE(GetPass(doc.get(), root, u"P", buf, &size));
}

TEST(XmlValues, BadDwordTextsFail) {
  DocumentPtr doc = NewDocument();
  _XML_NODE* root = GetRoot(doc.get());
  auto dword = [&](const char16_t* text) {
    _XML_NODE* n = ResolvePath(doc.get(), nullptr, u"NODE;NAME=v;TYPE=DWORD", kPathFindOrCreate);
    SetAttribute(doc.get(), n, u"VALUE", text);
    std::uint32_t v = 7;
    return GetDword(doc.get(), root, u"v", &v) ? std::to_string(v) : "fail";
  };
  EXPECT_EQ(dword(u"ff"), "255");
  EXPECT_EQ(dword(u"00000000000000FF"), "255");
  EXPECT_EQ(dword(u"000000000000000FF"), "fail");  // 17 characters
  EXPECT_EQ(dword(u"100000000"), "fail");          // more than 32 bits
  EXPECT_EQ(dword(u"12G"), "fail");
  EXPECT_EQ(dword(u""), "fail");
  EXPECT_EQ(dword(u"-1"), "fail");
}

TEST(XmlValues, EnumerationWalksNodeChildrenWithNamesAndTypes) {
  DocumentPtr doc = NewDocument();
  _XML_NODE* root = GetRoot(doc.get());
  std::uint32_t v = 1;
  SetValue(doc.get(), root, u"A", kTypeDword, &v, 4);
  AddElement(doc.get(), root, u"OTHER");
  ResolvePath(doc.get(), nullptr, u"NODE;NAME=Sub;TYPE=SUBNODE", kPathAppend);
  ResolvePath(doc.get(), nullptr, u"NODE;NAME=Odd;TYPE=WHATEVER", kPathAppend);
  const std::u16string longName(70, u'L');
  SetValue(doc.get(), root, longName, kTypeDword, &v, 4);
  SetValue(doc.get(), root, longName, kTypeDword, &v, 4);  // never found: a second node

  std::uint64_t cursor = 0;
  char16_t name[kEnumNameCapacity];
  std::uint32_t type;
  std::vector<std::pair<std::u16string, std::uint32_t>> seen;
  while (EnumerateNodes(doc.get(), root, &cursor, name, &type, nullptr)) seen.emplace_back(name, type);
  const std::u16string cut(63, u'L');
  EXPECT_EQ(seen, (std::vector<std::pair<std::u16string, std::uint32_t>>{
                      {u"A", kTypeDword}, {u"Sub", kTypeSubnode}, {u"Odd", kTypeEmpty},
                      {cut, kTypeDword}, {cut, kTypeDword}}));
  EXPECT_EQ(cursor, ~std::uint64_t(0));
  EXPECT_FALSE(EnumerateNodes(doc.get(), root, &cursor, name, &type, nullptr));
}

TEST(XmlValues, DecoderReadsReferencesAndRejectsMalformedRanges) {
  DocumentPtr doc = NewDocument();
  _XML_NODE* root = GetRoot(doc.get());
  _XML_NODE* attr = nullptr;
  auto decode = [&](const char* raw) -> std::u16string {
    // Point an attribute at raw bytes, as if they had been stored.
    SetAttribute(doc.get(), root, u"R", u"");
    attr = FindAttribute(root, u"R");
    std::size_t n = std::strlen(raw);
    XmlValueBuffer& values = doc->values;
    if (values.count + n > values.capacity) return u"<no room>";
    std::memcpy(values.data + values.count, raw, n);
    attr->valueStart = values.count;
    attr->valueEnd = values.count + n;
    attr->valueFlags = 0;  // nothing is known of raw bytes
    values.cursor = values.count += n;
    char16_t buf[64];
    std::size_t size = 64;
    return GetAttribute(doc.get(), root, u"R", buf, &size) == 0 ? std::u16string(buf) : u"<fail>";
  };
  EXPECT_EQ(decode("a\r\nb\tc"), u"ab c");
  EXPECT_EQ(decode("&#65;&#x42;&#X43;&LT;&Gt;&amp;&apos;&quot;&nbsp;&copy;&reg;"),
            u"ABC<>&'\" \u00a9\u00ae");
  EXPECT_EQ(decode("\xC3\xA9\xE2\x82\xAC"), u"\u00e9\u20ac");
  // Beyond U+FFFF: a surrogate pair. No character, or one XML cannot carry: U+FFFD.
  const std::u16string pair{0xD83D, 0xDE00}, replacement(1, u'\uFFFD');
  EXPECT_EQ(decode("\xF0\x9F\x98\x80"), pair);
  EXPECT_EQ(decode("&#x1F600;&#128512;"), pair + pair);
  for (const char* none : {"&#1;", "&#0;", "&#xD800;", "&#xFFFE;", "&#x110000;", "&#x99999999999;", "\xED\xA0\x80",
                           "\xEF\xBF\xBF", "\xF4\x90\x80\x80", "\xF8\x88\x80\x80\x80", "\xC0\x81"}) {
    EXPECT_EQ(decode(none), replacement) << none;
  }
  EXPECT_EQ(decode("&#9;"), u"\t") << "a tab only reads as a space when raw";
  EXPECT_EQ(decode("\x80x\xFEy\xFF"), u" x y ");
  for (const char* bad : {"&unknown;", "&lt", "&#;", "&#x;", "&#12a;", "&#xG1;", "&", "&verylongname;",
                          "\xC3", "\xC3(", "\xE2\x82", "\xF8\x88\x80\x80"}) {
    EXPECT_EQ(decode(bad), u"<fail>") << bad;
  }
  // A value that cannot be decoded makes the writer report an error.
  decode("&bogus;");
  std::size_t length;
  EXPECT_FALSE(CountDocument(doc.get(), root, &length));
}

TEST(XmlValues, Base64AndScrambleRoundTrip) {
  EXPECT_EQ(Base64Encode("Man", 3), u"TWFu");
  std::uint8_t out[4];
  std::size_t size = sizeof out;
  EXPECT_TRUE(Base64Decode(u"TWE=", out, &size));
  EXPECT_EQ(size, 2u);
  for (const char16_t* bad : {u"TWE", u"T=E=", u"TW!=", u"=TWE", u"TWFuTWFu"}) {
    size = sizeof out;
    EXPECT_FALSE(Base64Decode(bad, out, &size)) << std::u16string(bad).size();
  }
  std::uint8_t data[100], copy[100];
  for (int i = 0; i < 100; ++i) data[i] = copy[i] = std::uint8_t(i * 7);
  ScrambleBytes(data, sizeof data);
  EXPECT_NE(std::memcmp(data, copy, sizeof data), 0);
  ScrambleBytes(data, sizeof data);
  EXPECT_EQ(std::memcmp(data, copy, sizeof data), 0);
}

}  // namespace
