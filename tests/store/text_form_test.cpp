// Characters at the edges of each encoding, stored, read back and written in both modes:
// every text is well-formed for a strict reader (libxml2), which reads back what the
// document holds; what XML cannot carry is held and written as U+FFFD.
#include <gtest/gtest.h>

#include <string>

#include "store/xml_document.h"
#include "support/xml_readers.h"
#include "xml_test_util.h"

namespace {

const std::u16string kFFFD(1, u'\uFFFD');

struct Case {
  std::u16string value;  // as set
  std::u16string held;   // as read back, by the document and by a reader
  std::string utf8;      // as written in UTF-8 mode
  std::string ascii;     // as written in ASCII mode
};

std::u16string Units(std::initializer_list<char16_t> units) { return std::u16string(units); }

const Case kCases[] = {
    {u"~", u"~", "~", "~"},
    {u"\x7F", u"\x7F", "\x7F", "&#x007F;"},
    {u"\x80", u"\x80", "\xC2\x80", "&#x0080;"},
    {u"\u07FF", u"\u07FF", "\xDF\xBF", "&#x07FF;"},
    {u"\u0800", u"\u0800", "\xE0\xA0\x80", "&#x0800;"},
    {u"\uD7FF", u"\uD7FF", "\xED\x9F\xBF", "&#xD7FF;"},
    {u"\uE000", u"\uE000", "\xEE\x80\x80", "&#xE000;"},
    {u"\uFFFD", kFFFD, "\xEF\xBF\xBD", "&#xFFFD;"},
    {Units({0xD800, 0xDC00}), Units({0xD800, 0xDC00}), "\xF0\x90\x80\x80", "&#x10000;"},
    {Units({0xD83D, 0xDE00}), Units({0xD83D, 0xDE00}), "\xF0\x9F\x98\x80", "&#x1F600;"},
    {Units({0xDBFF, 0xDFFF}), Units({0xDBFF, 0xDFFF}), "\xF4\x8F\xBF\xBF", "&#x10FFFF;"},
    {u"\t\n\r", u"\t\n\r", "&#x0009;&#x000A;&#x000D;", "&#x0009;&#x000A;&#x000D;"},
    // What XML cannot carry: each unit is one U+FFFD.
    {Units({0xD800}), kFFFD, "\xEF\xBF\xBD", "&#xFFFD;"},
    {Units({0xDC00, 0xD800}), kFFFD + kFFFD, "\xEF\xBF\xBD\xEF\xBF\xBD", "&#xFFFD;&#xFFFD;"},
    {Units({u'a', 0xDFFF}), u"a" + kFFFD, "a\xEF\xBF\xBD", "a&#xFFFD;"},
    {Units({0xDBFF, u'b'}), kFFFD + u"b", "\xEF\xBF\xBD" "b", "&#xFFFD;b"},
    {Units({0xFFFE, 0xFFFF}), kFFFD + kFFFD, "\xEF\xBF\xBD\xEF\xBF\xBD", "&#xFFFD;&#xFFFD;"},
    {Units({0, 1, 0x1F}), kFFFD + kFFFD + kFFFD, "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD",
     "&#xFFFD;&#xFFFD;&#xFFFD;"},
};

std::u16string Held(XmlDocument* doc, _XML_NODE* e) {
  char16_t buf[16];
  std::size_t size = 16;
  return GetAttribute(doc, e, u"V", buf, &size) == 0 ? std::u16string(buf, size - 1) : u"<fail>";
}

TEST(TextForm, EveryCharacterIsWrittenWellFormedAndReadsBackAsTheDocumentHoldsIt) {
  for (const Case& c : kCases) {
    const std::string label = testing::PrintToString(c.value);
    DocumentPtr doc = NewDocument();
    _XML_NODE* root = GetRoot(doc.get());
    ASSERT_EQ(SetAttribute(doc.get(), root, u"V", c.value), 0);
    EXPECT_EQ(Held(doc.get(), root), c.held) << label;
    for (bool ascii : {false, true}) {
      const std::string text = WriteText(doc.get(), root, ascii);
      const std::string value = (ascii ? c.ascii : c.utf8);
      EXPECT_NE(text.find("V=\"" + value + "\""), std::string::npos) << label << "\n" << text;
      host::XmlElement read;
      std::string error;
      ASSERT_TRUE(xml_readers::ReadBoth(text, read, &error)) << label << ": " << error << "\n" << text;
      EXPECT_EQ(*read.Attribute(u"V"), c.held) << label;
    }
  }
}

TEST(TextForm, LookupsFindTextsAsTheDocumentHoldsThem) {
  // A name with a lone surrogate is held with U+FFFD; looking it up again finds the same
  // element instead of making a second one.
  DocumentPtr doc = NewDocument();
  const std::u16string name = Units({u'k', 0xD800, u'\x01'});
  const std::u16string path = u"NODE;NAME=" + name + u";TYPE=SUBNODE";
  _XML_NODE* made = ResolvePath(doc.get(), nullptr, path, kPathFindOrCreate);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(ResolvePath(doc.get(), nullptr, path, kPathFindOrCreate), made);
  EXPECT_EQ(ResolvePath(doc.get(), nullptr, u"NODE;NAME=k" + kFFFD + kFFFD + u";TYPE=SUBNODE", kPathFind), made);
  EXPECT_EQ(ResolvePath(doc.get(), nullptr, u"NODE;NAME=k;TYPE=SUBNODE", kPathFind), nullptr);
  std::uint32_t one = 1;
  ASSERT_TRUE(SetValue(doc.get(), made, name, kTypeDword, &one, 4));
  ASSERT_TRUE(SetValue(doc.get(), made, name, kTypeDword, &one, 4));
  EXPECT_EQ(made->firstChild->nextSibling->nextSibling->nextSibling, nullptr) << "one value node";
}

}  // namespace
