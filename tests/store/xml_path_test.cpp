#include <gtest/gtest.h>

#include <string>

#include "store/xml_document.h"
#include "xml_test_util.h"

namespace {

const char16_t kProfiles[] =
    u"SECTION;ID=#01000103\\SETTINGS\\PLUGINS\\PLUGIN;ID=#01000D00\\PROFILES";

TEST(XmlPath, FindOrCreateBuildsOnceAndFindsAgainByFilters) {
  DocumentPtr doc = NewDocument();
  _XML_NODE* made = ResolvePath(doc.get(), nullptr, kProfiles, kPathFindOrCreate);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(ResolvePath(doc.get(), nullptr, kProfiles, kPathFindOrCreate), made);
  EXPECT_EQ(ResolvePath(doc.get(), nullptr, kProfiles, kPathFind), made);
  // "#" values: the "#" is dropped when written; leading zeros never count.
  _XML_NODE* section = GetRoot(doc.get())->firstChild;
  EXPECT_EQ(Attr(doc.get(), section, u"ID"), u"01000103");
  EXPECT_EQ(ResolvePath(doc.get(), nullptr, u"section;id=#1000103", kPathFind), section);
  EXPECT_EQ(ResolvePath(doc.get(), nullptr, u"SECTION;ID=#0001000103", kPathFind), section);
  EXPECT_EQ(ResolvePath(doc.get(), nullptr, u"SECTION;ID=1000103", kPathFind), nullptr);
  // Append modes always add a sibling, with one attribute per filter in the order given.
  _XML_NODE* a = ResolvePath(doc.get(), nullptr, u"NODE;NAME=x;TYPE=SUBNODE", kPathAppend);
  _XML_NODE* b = ResolvePath(doc.get(), nullptr, u"NODE;NAME=x;TYPE=SUBNODE", XmlPathMode(2));  // the second code of appending
  ASSERT_TRUE(a && b && a != b);
  EXPECT_EQ(std::u16string(a->firstChild->name), u"NAME");
  EXPECT_EQ(std::u16string(a->firstChild->nextSibling->name), u"TYPE");
  EXPECT_EQ(ResolvePath(doc.get(), nullptr, u"NODE;TYPE=subnode;NAME=X", kPathFind), a);
  EXPECT_EQ(ResolvePath(doc.get(), nullptr, u"NODE", kPathNone), nullptr);
}

TEST(XmlPath, QuotedValuesKeepSeparatorsOnlyWhenTheQuotesClose) {
  DocumentPtr doc = NewDocument();
  _XML_NODE* q = ResolvePath(doc.get(), nullptr, u"NODE;NAME=\"a;b\\c\"", kPathFindOrCreate);
  ASSERT_NE(q, nullptr);
  EXPECT_EQ(Attr(doc.get(), q, u"NAME"), u"a;b\\c");
  EXPECT_EQ(q->parent, GetRoot(doc.get()));
  // A quote not followed by ";" or the end is an ordinary character.
  _XML_NODE* r = ResolvePath(doc.get(), nullptr, u"NODE;NAME=\"a\"b;TYPE=1", kPathFindOrCreate);
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(Attr(doc.get(), r, u"NAME"), u"\"a\"b");
  // An unbalanced quote leaves the separators alone.
  _XML_NODE* s = ResolvePath(doc.get(), nullptr, u"A;K=\"x\\B", kPathFindOrCreate);
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(std::u16string(s->name), u"B");
  EXPECT_EQ(Attr(doc.get(), s->parent, u"K"), u"\"x");
}

TEST(XmlPath, MalformedPathsResolveToNothingAndCreateNothing) {
  DocumentPtr doc = NewDocument();
  _XML_NODE* root = GetRoot(doc.get());
  const std::u16string longName(512, u'N');
  for (std::u16string bad : {std::u16string(u""), std::u16string(u"\\A"), std::u16string(u"A\\\\B"),
                             std::u16string(u"A\\"), std::u16string(u";K=1"), std::u16string(u"A;K"),
                             std::u16string(u"A;=1"), std::u16string(u"A;K;L=1"), longName}) {
    EXPECT_EQ(ResolvePath(doc.get(), nullptr, bad, kPathFindOrCreate), nullptr) << bad.size();
  }
  // A failing later segment keeps what the earlier ones made, and nothing more.
  EXPECT_EQ(root->firstChild->kind, kXmlElement);
  EXPECT_EQ(std::u16string(root->firstChild->name), u"A");
  EXPECT_EQ(root->firstChild->nextSibling, nullptr);
  EXPECT_NE(ResolvePath(doc.get(), nullptr, std::u16string(511, u'N'), kPathFindOrCreate), nullptr);

  DocumentPtr empty(CreateDocument());
  EXPECT_EQ(ResolvePath(empty.get(), nullptr, u"A", kPathFindOrCreate), nullptr);
  EXPECT_EQ(ResolvePath(nullptr, nullptr, u"A", kPathFindOrCreate), nullptr);
  EXPECT_EQ(CreateRoot(nullptr), nullptr);
  EXPECT_NE(CreateRoot(empty.get()), nullptr);
  EXPECT_EQ(CreateRoot(empty.get()), nullptr);
}

TEST(XmlPath, ARepeatedFilterKeyKeepsItsLastValueAndMatchesNothing) {
  DocumentPtr doc = NewDocument();
  _XML_NODE* e = ResolvePath(doc.get(), nullptr, u"NODE;NAME=a;TYPE=t;NAME=b", kPathFindOrCreate);
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->attributeCount, 2u);
  EXPECT_EQ(Attr(doc.get(), e, u"NAME"), u"b");
  EXPECT_EQ(ResolvePath(doc.get(), nullptr, u"NODE;NAME=b;TYPE=t", kPathFind), e);
  // No element has both values: finding fails, and find-or-create makes another.
  EXPECT_EQ(ResolvePath(doc.get(), nullptr, u"NODE;NAME=a;TYPE=t;NAME=b", kPathFind), nullptr);
  _XML_NODE* again = ResolvePath(doc.get(), nullptr, u"NODE;NAME=a;TYPE=t;NAME=b", kPathFindOrCreate);
  EXPECT_NE(again, e);
  EXPECT_NE(again, nullptr);
}

TEST(XmlPath, ValueNamesOf63CharactersAreFoundAnd64AreNot) {
  DocumentPtr doc = NewDocument();
  _XML_NODE* root = GetRoot(doc.get());
  std::uint32_t v = 1;
  for (std::size_t length : {63u, 64u}) {
    const std::u16string name(length, u'n');
    ASSERT_TRUE(SetValue(doc.get(), root, name, kTypeDword, &v, 4));
    ASSERT_TRUE(SetValue(doc.get(), root, name, kTypeDword, &v, 4));
    EXPECT_EQ(FindValueNode(doc.get(), root, name) != nullptr, length == 63) << length;
  }
  std::size_t nodes = 0;
  for (_XML_NODE* c = FirstChildElement(root); c; c = NextSiblingElement(c)) ++nodes;
  EXPECT_EQ(nodes, 3u) << "one node of 63, two of 64";
}

TEST(XmlPath, LongNamesAreCutAndLookupsUseTheCutName) {
  DocumentPtr doc = NewDocument();
  const std::u16string name60(60, u'e');
  _XML_NODE* e = ResolvePath(doc.get(), nullptr, name60, kPathFindOrCreate);
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(std::u16string(e->name), std::u16string(49, u'e'));
  EXPECT_EQ(ResolvePath(doc.get(), nullptr, name60, kPathFindOrCreate), e);
  EXPECT_EQ(ResolvePath(doc.get(), nullptr, std::u16string(49, u'E'), kPathFind), e);
  EXPECT_EQ(ResolvePath(doc.get(), nullptr, std::u16string(48, u'e'), kPathFind), nullptr);
}

}  // namespace

namespace {

// Lookups remember where they found their element; whatever could put an earlier match
// before it must make them look again.
TEST(XmlPath, RememberedLookupsStillFindTheFirstMatch) {
  DocumentPtr doc = NewDocument();
  _XML_NODE* root = GetRoot(doc.get());
  _XML_NODE* a = ResolvePath(doc.get(), nullptr, u"NODE;NAME=a", kPathFindOrCreate);
  _XML_NODE* b = ResolvePath(doc.get(), nullptr, u"NODE;NAME=b", kPathFindOrCreate);
  EXPECT_EQ(ResolvePath(doc.get(), nullptr, u"NODE;NAME=b", kPathFind), b);
  SetAttribute(doc.get(), a, u"NAME", u"b");  // an earlier sibling now matches too
  EXPECT_EQ(ResolvePath(doc.get(), nullptr, u"NODE;NAME=b", kPathFind), a);
  SetAttribute(doc.get(), a, u"NAME", u"a");
  EXPECT_EQ(ResolvePath(doc.get(), nullptr, u"NODE;NAME=b", kPathFind), b);
  _XML_NODE* c = AddElement(doc.get(), root, u"NODE");
  AppendAttribute(doc.get(), a, u"TYPE", u"t");  // a gains a filter's attribute
  EXPECT_EQ(ResolvePath(doc.get(), nullptr, u"NODE;TYPE=t", kPathFind), a);
  SetAttribute(doc.get(), c, u"TYPE", u"t");  // the last child: later than the first match
  EXPECT_EQ(ResolvePath(doc.get(), nullptr, u"NODE;TYPE=t", kPathFind), a);
  DeleteNode(doc.get(), b);
  EXPECT_EQ(ResolvePath(doc.get(), nullptr, u"NODE;NAME=b", kPathFind), nullptr);
  _XML_NODE* again = ResolvePath(doc.get(), nullptr, u"NODE;NAME=b", kPathFindOrCreate);
  EXPECT_EQ(again->parent, root);
  EXPECT_EQ(root->lastChild, again);
  SetAttribute(doc.get(), again, u"NAME", u"other");  // the remembered element no longer matches
  EXPECT_EQ(ResolvePath(doc.get(), nullptr, u"NODE;NAME=b", kPathFind), nullptr);
}

}  // namespace
