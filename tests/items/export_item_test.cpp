#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "items/export_exception.h"
#include "items/export_list.h"
#include "support/counting_guids.h"
#include "support/xml_text.h"

using parental::shared::CExportConfigException;

namespace {

class ExportItemTest : public testing::Test {
 protected:
  CountingGuids guids;
};

TEST_F(ExportItemTest, SettersMarkRealChangesOnly) {
  CExportConfigException e;
  EXPECT_FALSE(e.IsModified());
  EXPECT_FALSE(e.IsValid());
  e.SetText(CExportConfigException::kUrl, u"example.com");
  EXPECT_TRUE(e.IsModified());
  e.SetModified(false);
  e.SetText(CExportConfigException::kUrl, u"example.com");
  e.SetNumber(CExportConfigException::kState, 0);
  EXPECT_FALSE(e.IsModified());
  e.SetText(CExportConfigException::kUrl, u"");  // an empty text clears the field
  EXPECT_TRUE(e.IsModified());
  EXPECT_EQ(e.GetText(CExportConfigException::kUrl), nullptr);
  EXPECT_EQ(e.GetText(5), nullptr);  // out of range: nothing
  e.SetNumber(9, 1);  // out of range: ignored
}

TEST_F(ExportItemTest, IdentifiersAreGuidTextsMadeOnFirstNeedAndCompareIgnoringCase) {
  CExportConfigException a, b;
  EXPECT_EQ(std::u16string(a.GetIdentifier()), u"00000001-abcd-ef01-2345-6789abcdef01");
  EXPECT_EQ(std::u16string(a.GetIdentifier()), u"00000001-abcd-ef01-2345-6789abcdef01");
  b.SetIdentifier(u"00000001-ABCD-EF01-2345-6789ABCDEF01");
  EXPECT_EQ(a.Compare(b), 0);
  b.SetIdentifier(u"00000002-abcd-ef01-2345-6789abcdef01");
  EXPECT_LT(a.Compare(b), 0);
  guids.fail = true;
  CExportConfigException c;
  EXPECT_EQ(c.GetIdentifier(), nullptr);
  EXPECT_LT(c.Compare(a), 0);
  c.SetText(CExportConfigException::kUrl, u"x");
  XmlDocument* doc = CreateDocument();
  EXPECT_FALSE(c.WriteItem(doc, CreateRoot(doc)));  // an item needs its identifier
  CloseDocument(doc);
}

TEST_F(ExportItemTest, AssignCopiesEverything) {
  CExportConfigException a, b;
  a.SetText(CExportConfigException::kUrl, u"http://a/");
  a.SetNumber(CExportConfigException::kPriority, 7);
  a.SetDeleted(true);
  a.GetIdentifier();
  ASSERT_TRUE(b.Assign(a));
  EXPECT_EQ(std::u16string(b.GetText(0)), u"http://a/");
  EXPECT_EQ(b.GetNumber(CExportConfigException::kPriority), 7u);
  EXPECT_TRUE(b.IsDeleted());
  EXPECT_TRUE(b.IsModified());
  EXPECT_EQ(std::u16string(b.GetIdentifier()), std::u16string(a.GetIdentifier()));
}

TEST_F(ExportItemTest, ListsWriteOneSubtreePerItemAndSkipInvalidOnes) {
  parental::shared::CExportConfigExceptionList list(0x01000D01);
  CExportConfigException item;
  item.SetText(CExportConfigException::kUrl, u"www.example.com/a&b");
  item.SetNumber(CExportConfigException::kState, 1);
  item.SetNumber(CExportConfigException::kPriority, 0x1A);
  ASSERT_TRUE(list.Add(item));
  EXPECT_FALSE(list.Add(item));  // the same identifier is there already
  CExportConfigException invalid;
  ASSERT_TRUE(list.Add(invalid));

  XmlDocument* doc = CreateDocument();
  CreateRoot(doc);
  EXPECT_FALSE(list.WriteList(doc, u"@default", parental::profiles::kHandleWritable |
                                                   parental::profiles::kProfilesAlwaysOn));
  const std::string text = XmlText(doc);
  const std::string expected =
      "      <NODE NAME=\"@default\" TYPE=\"SUBNODE\">\n"
      "       <NODE NAME=\"Exceptions\" TYPE=\"SUBNODE\">\n"
      "        <NODE NAME=\"Exceptions\" TYPE=\"SUBNODE\" DELETE=\"0\">\n"
      "         <NODE NAME=\"Url\" TYPE=\"STRING\" VALUE=\"www.example.com/a&amp;b\" />\n"
      "         <NODE NAME=\"State\" TYPE=\"DWORD\" VALUE=\"1\" />\n"
      "         <NODE NAME=\"Priority\" TYPE=\"DWORD\" VALUE=\"1A\" />\n"
      "         <NODE NAME=\"AutomaticItemID\" TYPE=\"STRING\" VALUE=\"00000001-abcd-ef01-2345-6789abcdef01\" />\n"
      "        </NODE>\n"
      "       </NODE>\n"
      "      </NODE>\n";
  EXPECT_NE(text.find(expected), std::string::npos) << text;
  // Writing again replaces the items.
  EXPECT_FALSE(list.WriteList(doc, u"@default", parental::profiles::kHandleWritable |
                                                   parental::profiles::kProfilesAlwaysOn));
  EXPECT_EQ(XmlText(doc), text);

  CloseDocument(doc);
}

}  // namespace
