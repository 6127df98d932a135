#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "store/memory_store.h"
#include "store/xml_document.h"
#include "xml_test_util.h"

TEST(MemoryStore, BlocksDoubleAndReleasedSlotsAreReused) {
  CMemoryStoreTemplate<_XML_NODE, CMemoryStoreManager> pool;
  std::vector<_XML_NODE*> nodes;
  for (int i = 0; i < 8; ++i) nodes.push_back(pool.Allocate());
  EXPECT_EQ(pool.BlockCount(), 1u);
  nodes.push_back(pool.Allocate());
  EXPECT_EQ(pool.BlockCount(), 2u);
  EXPECT_EQ(pool.SlotCount(), 24u);  // 8 + 16
  for (int i = 0; i < 15; ++i) nodes.push_back(pool.Allocate());
  EXPECT_EQ(pool.BlockCount(), 2u);
  nodes.push_back(pool.Allocate());
  EXPECT_EQ(pool.SlotCount(), 56u);  // 8 + 16 + 32
  EXPECT_EQ(std::set<_XML_NODE*>(nodes.begin(), nodes.end()).size(), nodes.size());
  nodes[3]->kind = 99;
  _XML_NODE* released = nodes[3];
  pool.Release(released);
  _XML_NODE* again = pool.Allocate();
  EXPECT_EQ(again, released);
  EXPECT_EQ(again->kind, 0u);  // handed out zeroed
}

TEST(MemoryStore, DeletingSubtreesReturnsTheirNodesToTheDocumentPool) {
  DocumentPtr doc = NewDocument();
  _XML_NODE* root = GetRoot(doc.get());
  for (int round = 0; round < 3; ++round) {
    for (int i = 0; i < 100; ++i) {
      _XML_NODE* e = AddElement(doc.get(), root, u"NODE");
      SetAttribute(doc.get(), e, u"NAME", u"x");
    }
    while (_XML_NODE* child = FirstChildElement(root)) DeleteNode(doc.get(), child);
  }
  // 1 root + 200 nodes at most live at once: the pool never grew past 8+16+...+256.
  EXPECT_LE(doc->pool.SlotCount(), 504u);
  _XML_NODE* a = AddElement(doc.get(), root, u"A");
  _XML_NODE* b = AddElement(doc.get(), root, u"B");
  _XML_NODE* c = AddElement(doc.get(), root, u"C");
  DeleteNode(doc.get(), c);  // the last child: appending continues after B
  _XML_NODE* d = AddElement(doc.get(), root, u"D");
  DeleteNode(doc.get(), a);
  EXPECT_EQ(root->firstChild, b);
  EXPECT_EQ(b->nextSibling, d);
  EXPECT_EQ(root->lastChild, d);
}
