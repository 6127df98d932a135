#include "common/format.h"
#include "common/text.h"

#include <gtest/gtest.h>

using namespace parental::common;

TEST(Text, CopyCutsToCapacityAndAlwaysTerminates) {
  char16_t buf[4] = {u'x', u'x', u'x', u'x'};
  EXPECT_TRUE(CopyText(buf, 4, u"abc"));
  EXPECT_EQ(std::u16string(buf), u"abc");
  EXPECT_FALSE(CopyText(buf, 4, u"abcdef"));
  EXPECT_EQ(std::u16string(buf), u"abc");
  EXPECT_FALSE(CopyText(buf, 0, u"a"));
  EXPECT_FALSE(CopyText(nullptr, 4, u"a"));
  EXPECT_EQ(TextLength(nullptr), 0u);
  const char16_t full[3] = {u'a', u'b', u'c'};  // no terminator
  EXPECT_EQ(BoundedLength(full, 3), 3u);
}

TEST(Text, CaseInsensitiveCompareFoldsTheSameOnEveryPlatform) {
  EXPECT_TRUE(EqualsNoCase(u"@My Profile", u"@my profile"));
  EXPECT_TRUE(EqualsNoCase(u"J\u00d6RG", u"j\u00f6rg"));
  EXPECT_TRUE(EqualsNoCase(u"\u0418\u0432\u0430\u043d", u"\u0438\u0412\u0410\u041d"));
  EXPECT_FALSE(EqualsNoCase(u"\u00f7", u"\u00d7"));  // division and multiplication signs
  EXPECT_LT(CompareNoCase(u"ab", u"abc"), 0);
  EXPECT_GT(CompareNoCase(u"b", u"A"), 0);
}

TEST(Text, Utf8ConversionsRoundTripAndRejectMalformedInput) {
  std::u16string text = u"a\u00e9\u20ac\U0001F600";
  EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
  EXPECT_EQ(ToUtf8(u"\u00e9"), "\xC3\xA9");
  EXPECT_EQ(FromUtf8("\xC3"), u"\uFFFD");          // truncated
  EXPECT_EQ(FromUtf8("\xC0\xAF"), u"\uFFFD\uFFFD");  // overlong
  EXPECT_EQ(FromUtf8("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");  // encoded surrogate
  EXPECT_EQ(ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

TEST(Text, NumbersFormatAsTheConfigurationWritesThem) {
  EXPECT_EQ(FormatHex(0x01000D00, 8), u"01000D00");
  EXPECT_EQ(FormatHex(0x1000D00), u"1000D00");
  EXPECT_EQ(FormatHex(0), u"0");
  EXPECT_EQ(FormatHex(0xABCDEF12, 8, false), u"abcdef12");
  EXPECT_EQ(FormatDecimal(18446744073709551615ull), u"18446744073709551615");
}

TEST(FormatText, ResourceFormatsThatDoNotMatchTheirArguments) {
  EXPECT_EQ(FormatText(u"%s=%d #%.6x 100%%", {u"a", -12, 0x333333}), u"a=-12 #333333 100%");
  EXPECT_EQ(FormatText(u"%d %s", {u"text", 5}), u" ");  // kinds swapped: nothing written
  EXPECT_EQ(FormatText(u"%s %s", {u"one"}), u"one ");    // too few arguments
  EXPECT_EQ(FormatText(u"%q %", {}), u"%q %");
  EXPECT_EQ(FormatText(u"%.3", {7}), u"%.3");
  EXPECT_EQ(FormatText(u"%.999x", {1}).size(), 64u);     // precision bounded
}
