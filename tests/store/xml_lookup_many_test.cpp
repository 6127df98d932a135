// Lookups among many children go through an index of the parent's children; whatever the
// document goes through, they must find what walking the children in order finds.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "common/text.h"
#include "store/xml_document.h"
#include "xml_test_util.h"

namespace {

using parental::common::EqualsNoCase;
using parental::common::FormatDecimal;

// The first child "NODE" whose "NAME" equals name (case-insensitively) and whose "TYPE" is t.
_XML_NODE* Walk(XmlDocument* doc, _XML_NODE* parent, const std::u16string& name, const std::u16string& type) {
  for (_XML_NODE* c = FirstChildElement(parent); c; c = NextSiblingElement(c))
    if (EqualsNoCase(Attr(doc, c, u"NAME"), name) && EqualsNoCase(Attr(doc, c, u"TYPE"), type)) return c;
  return nullptr;
}

TEST(XmlLookupMany, FindsTheFirstMatchInChildOrderThroughEveryChange) {
  DocumentPtr doc = NewDocument();
  _XML_NODE* root = GetRoot(doc.get());
  std::mt19937 random(7);
  auto pick = [&](int n) { return int(random() % unsigned(n)); };
  auto nameOf = [](int k) { return FormatDecimal(k) + u"p"; };
  std::vector<_XML_NODE*> nodes;
  for (int step = 0; step < 3000; ++step) {
    const int k = pick(60);
    const std::u16string type = pick(4) ? u"SUBNODE" : u"other";
    const int action = pick(10);
    if (action < 4 || nodes.size() < 40) {  // a new child, as find-or-create or as an append
      const std::u16string path = u"NODE;NAME=" + nameOf(k) + u";TYPE=" + type;
      _XML_NODE* before = Walk(doc.get(), root, nameOf(k), type);
      _XML_NODE* made = ResolvePath(doc.get(), nullptr, path, pick(2) ? kPathFindOrCreate : kPathAppend);
      ASSERT_NE(made, nullptr);
      if (made->parent == root && made == root->lastChild && made != before) nodes.push_back(made);
    } else if (action < 6) {  // an attribute of any child changes, or one is added to the last one
      _XML_NODE* e = pick(3) ? nodes[pick(int(nodes.size()))] : root->lastChild;
      ASSERT_EQ(SetAttribute(doc.get(), e, pick(2) ? u"name" : u"TYPE", pick(2) ? nameOf(k) : type), 0);
    } else if (action < 7) {  // a child goes
      const int at = pick(int(nodes.size()));
      DeleteNode(doc.get(), nodes[at]);
      nodes.erase(nodes.begin() + at);
    } else {  // lookups, with names in another case and numbers with leading zeros
      const std::u16string want = pick(2) ? nameOf(k) : FormatDecimal(k) + u"P";
      const std::u16string path = u"node;NAME=" + want + u";type=" + type;
      ASSERT_EQ(ResolvePath(doc.get(), nullptr, path, kPathFind), Walk(doc.get(), root, want, type)) << step;
      const std::u16string padded = u"00" + nameOf(k);
      const XmlFilter byNumber[] = {{u"TYPE", type, false}, {u"NAME", padded, true}};
      ASSERT_EQ(ResolveSegment(doc.get(), root, u"NODE", byNumber, 2, kPathFind),
                Walk(doc.get(), root, nameOf(k), type)) << step;
    }
  }
}

}  // namespace
