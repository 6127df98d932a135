#include "markup/parser.h"

#include <gtest/gtest.h>

namespace {

std::u16string Name(const CChParser& p, int i) { return p.TagName(i); }

TEST(ParserTest, TextWithoutTagsAndTextOutsideTags) {
  CChParser p;
  EXPECT_TRUE(p.Parse(u""));
  EXPECT_EQ(p.TagCount(), 0);
  p.Parse(u"no tags here");
  EXPECT_EQ(p.TagCount(), 0);

  p.Parse(u"a<P>b</P>c");
  ASSERT_EQ(p.TagCount(), 2);
  EXPECT_EQ(p.FollowingText(0), u"b");
  EXPECT_EQ(p.FollowingText(1), u"");  // the last tag has no following text
  EXPECT_EQ(p.Tag(0)->endIndex, 1);
  EXPECT_TRUE(p.Tag(1)->closing);
}

TEST(ParserTest, SelfClosingTagsAndTheirAttributes) {
  CChParser p;
  p.Parse(u"<BR/><IMG SRC=\"x\" />");
  ASSERT_EQ(p.TagCount(), 2);
  EXPECT_EQ(Name(p, 0), u"BR");
  EXPECT_TRUE(p.Tag(0)->selfClosing);
  EXPECT_EQ(p.Tag(0)->endIndex, 0);
  EXPECT_EQ(p.Tag(1)->attributeCount, 1);
  std::u16string name, value;
  ASSERT_TRUE(p.GetTagAttribute(1, 0, name, value));
  EXPECT_EQ(name, u"SRC");
  EXPECT_EQ(value, u"x");
  EXPECT_FALSE(p.GetTagAttribute(1, 1, name, value));
}

TEST(ParserTest, TagValueInTheNameSpan) {
  CChParser p;
  p.Parse(u"<TABPOS=\"316\">x<COLOR=\"#ff0000\"><B>");
  EXPECT_EQ(p.RawTagName(0), u"TABPOS=\"316\"");
  EXPECT_EQ(p.Tag(0)->attributesStart, 0);
  std::u16string value;
  ASSERT_TRUE(p.GetTagValue(0, value));
  EXPECT_EQ(value, u"316");
  ASSERT_TRUE(p.GetTagValue(1, value));
  EXPECT_EQ(value, u"#ff0000");  // values keep their case
  EXPECT_FALSE(p.GetTagValue(2, value));
}

TEST(ParserTest, AttributesKeepBlanksInValuesAndTolerateMissingQuotes) {
  CChParser p;
  p.Parse(u"<A TOOLTIP=\"a b\" ID=\"3\"><X FLAG W=\"5><Y V=7>");
  std::u16string name, value;
  ASSERT_EQ(p.Tag(0)->attributeCount, 2);
  p.GetTagAttribute(0, 0, name, value);
  EXPECT_EQ(value, u"a b");
  p.GetTagAttribute(0, 1, name, value);
  EXPECT_EQ(name, u"ID");
  EXPECT_EQ(value, u"3");
  // No '=': the name runs on to the next '='; an unclosed value ends at '>'.
  ASSERT_EQ(p.Tag(1)->attributeCount, 1);
  p.GetTagAttribute(1, 0, name, value);
  EXPECT_EQ(name, u"FLAG W");
  EXPECT_EQ(value, u"5");
  // A value without an opening quote reads as empty.
  p.GetTagAttribute(2, 0, name, value);
  EXPECT_EQ(name, u"V");
  EXPECT_EQ(value, u"");
}

TEST(ParserTest, EndIndicesFollowTheMostRecentOpenTag) {
  CChParser p;
  p.Parse(u"</X><B>a<I>b</B>c</I><U>open<P>");
  // 0 </X> (nothing open), 1 <B>, 2 <I>, 3 </B>, 4 </I>, 5 <U>, 6 <P>
  EXPECT_EQ(p.Tag(2)->endIndex, 3);  // </B> closes the I, whatever its name
  EXPECT_EQ(p.Tag(1)->endIndex, 4);
  EXPECT_EQ(p.Tag(5)->endIndex, 6);  // left open: the last tag
  EXPECT_EQ(p.Tag(6)->endIndex, 6);
}

TEST(ParserTest, UnterminatedTagEndsParsing) {
  CChParser p;
  p.Parse(u"<P>keep<B unterminated");
  ASSERT_EQ(p.TagCount(), 1);
  EXPECT_EQ(p.FollowingText(0), u"keep");
}

TEST(ParserTest, NamesComeInUpperCase) {
  CChParser p;
  p.Parse(u"<table width=\"50\">");
  std::u16string name, value;
  p.GetTagAttribute(0, 0, name, value);
  EXPECT_EQ(p.TagName(0), u"TABLE");
  EXPECT_EQ(name, u"WIDTH");
}

TEST(ParserTest, OutOfRangeIndicesAreRefused) {
  CChParser p;
  p.Parse(u"<A X=\"1\">");
  std::u16string name, value;
  EXPECT_EQ(p.Tag(-1), nullptr);
  EXPECT_EQ(p.Tag(1), nullptr);
  EXPECT_FALSE(p.GetTagAttribute(5, 0, name, value));
  EXPECT_FALSE(p.GetTagAttribute(0, -1, name, value));
  EXPECT_FALSE(p.GetTagValue(9, value));
  EXPECT_EQ(p.FollowingText(9), u"");
}

}  // namespace
