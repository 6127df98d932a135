#include <gtest/gtest.h>

#include <cstring>

#include "store/xml_document.h"
#include "xml_test_util.h"

namespace {

const char kDecl[] = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";

TEST(XmlWriter, WritesElementsAttributesAndEmptyElementsInTheirThreeForms) {
  DocumentPtr doc = NewDocument();
  _XML_NODE* root = GetRoot(doc.get());
  _XML_NODE* section = AddElement(doc.get(), root, u"SECTION");
  SetAttribute(doc.get(), section, u"ID", u"01000103");
  AddElement(doc.get(), section, u"EMPTY");
  _XML_NODE* node = AddElement(doc.get(), section, u"NODE");
  SetAttribute(doc.get(), node, u"NAME", u"x");
  EXPECT_EQ(WriteText(doc.get(), root),
            std::string(kDecl) +
                "<Corvid>\n"
                " <SECTION ID=\"01000103\">\n"
                "  <EMPTY>\n"
                "  </EMPTY>\n"
                "  <NODE NAME=\"x\" />\n"
                " </SECTION>\n"
                "</Corvid>\n");
  EXPECT_EQ(WriteText(doc.get(), nullptr, true), "<?xml version=\"1.0\"?>\n");
  // Attributes added after child elements still go into the opening tag.
  SetAttribute(doc.get(), root, u"A", u"1");
  SetAttribute(doc.get(), section, u"B", u"2");
  const std::string text = WriteText(doc.get(), root);
  EXPECT_NE(text.find("<Corvid A=\"1\">\n <SECTION ID=\"01000103\" B=\"2\">\n  <EMPTY>"), std::string::npos) << text;
}

// Plain runs are copied several units at a time: a unit that is not plain must be caught
// wherever it stands in a value of any length.
TEST(XmlWriter, EachUnitKeepsItsFormWhereverItStandsInAValue) {
  const struct {
    char16_t unit;
    const char* form;
  } kUnits[] = {{u'&', "&amp;"},   {u'<', "&lt;"},           {u'>', "&gt;"},          {u'\'', "&apos;"},
                {u'"', "&quot;"},  {u'\n', "&#x000A;"},      {0x1F, "\xEF\xBF\xBD"},  {0x7F, "\x7F"},
                {0x80, "\xC2\x80"}, {0x20AC, "\xE2\x82\xAC"}, {0xD800, "\xEF\xBF\xBD"}, {u' ', " "},
                {u'~', "~"}};
  for (std::size_t length = 1; length <= 20; ++length) {
    for (std::size_t at = 0; at < length; ++at) {
      for (const auto& u : kUnits) {
        DocumentPtr doc = NewDocument();
        _XML_NODE* root = GetRoot(doc.get());
        std::u16string value(length, u'a');
        value[at] = u.unit;
        ASSERT_EQ(SetAttribute(doc.get(), root, u"V", value), 0);
        const std::string expected =
            "V=\"" + std::string(at, 'a') + u.form + std::string(length - at - 1, 'a') + "\" />";
        EXPECT_NE(WriteText(doc.get(), root).find(expected), std::string::npos) << length << " " << at << " " << u.form;
      }
    }
  }
}

TEST(XmlWriter, CountingFixedAndBufferModesReportWhatDidNotFit) {
  DocumentPtr doc = NewDocument();
  _XML_NODE* root = GetRoot(doc.get());
  SetAttribute(doc.get(), root, u"A", u"value");
  const std::string full = WriteText(doc.get(), root);

  std::size_t length = 0;
  EXPECT_TRUE(CountDocument(doc.get(), root, &length));
  EXPECT_EQ(length, full.size());

  char small[11];
  std::size_t size = sizeof small;
  EXPECT_EQ(WriteToBuffer(doc.get(), root, small, &size), 2);  // what fits is kept, terminated
  EXPECT_EQ(size, full.size() + 1);
  EXPECT_EQ(std::string(small), full.substr(0, sizeof small - 1));

  std::string exact(full.size() + 1, '\xEE');
  size = exact.size();
  EXPECT_EQ(WriteToBuffer(doc.get(), root, exact.data(), &size), 0);
  EXPECT_EQ(size, full.size() + 1);
  EXPECT_STREQ(exact.c_str(), full.c_str());
  size = full.size();  // one byte short: the terminator does not fit
  EXPECT_EQ(WriteToBuffer(doc.get(), root, exact.data(), &size), 2);
  EXPECT_EQ(size, full.size() + 1);
  EXPECT_EQ(exact[full.size() - 1], 0);
}

// Room in front of the text is the caller's; the growable buffer of a closed document
// goes on to the next one, which must start from nothing of the last text.
TEST(XmlWriter, GrowableTextsKeepRoomInFrontAndTheirOwnBytesAcrossDocuments) {
  std::string previous;
  for (std::size_t reserve : {std::size_t(0), std::size_t(16), std::size_t(5000), std::size_t(3)}) {
    DocumentPtr doc = NewDocument();
    _XML_NODE* root = GetRoot(doc.get());
    for (std::size_t i = 0; i < 3000 / (reserve + 1); ++i)
      AppendAttribute(doc.get(), AddElement(doc.get(), root, u"E"), u"N", std::u16string(reserve % 7 + 1, u'x'));
    std::size_t size = 0;
    ASSERT_TRUE(CountDocument(doc.get(), root, &size));
    std::string full(++size, '\0');
    ASSERT_EQ(WriteToBuffer(doc.get(), root, full.data(), &size), 0);
    full.pop_back();
    char* buffer = nullptr;
    std::size_t length = 0;
    ASSERT_TRUE(WriteGrowableAfter(doc.get(), root, reserve, &buffer, &length));
    std::memset(buffer, '#', reserve);  // the caller's bytes
    EXPECT_EQ(std::string(buffer + reserve, length), full) << reserve;
    EXPECT_EQ(buffer[reserve + length], 0);
    EXPECT_NE(full, previous);
    previous = full;
  }
}

TEST(XmlWriter, DeepTreesAreWrittenAndReleasedWithoutRecursion) {
  DocumentPtr doc = NewDocument();
  _XML_NODE* node = GetRoot(doc.get());
  const int depth = 5000;
  for (int i = 0; i < depth; ++i) node = AddElement(doc.get(), node, u"N");
  ASSERT_NE(node, nullptr);
  std::size_t length = 0;
  EXPECT_TRUE(CountDocument(doc.get(), GetRoot(doc.get()), &length));
  // Each level i writes 2i spaces and "<N>\n" + "</N>\n".
  std::size_t expected = sizeof kDecl - 1 + 9 + 10;
  for (std::size_t i = 1; i <= depth; ++i) expected += 2 * i + 4 + 5;
  EXPECT_EQ(length, expected);
  DeleteNode(doc.get(), GetRoot(doc.get())->firstChild);
  EXPECT_EQ(GetRoot(doc.get())->firstChild, nullptr);
}

}  // namespace
