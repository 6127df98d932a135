// The ANSI code pages: Windows-1252 round-trips every byte and maps what it lacks to "?";
// the Win32 one (the process's code page) agrees on ASCII and on the replacement.
#include <gtest/gtest.h>

#include "platform/ansi_code_page.h"
#ifdef _WIN32
#include "platform/win32_ansi_code_page.h"
#endif

namespace {

using parental::platform::IAnsiCodePage;
using parental::platform::Windows1252CodePage;

void ExpectAsciiAndReplacement(IAnsiCodePage& page) {
  EXPECT_EQ(page.ToAnsi(u"example.com/a b?x=1"), "example.com/a b?x=1");
  EXPECT_EQ(page.FromAnsi("example.com/"), u"example.com/");
  EXPECT_EQ(page.ToAnsi(u"a\u4E00b"), "a?b");
  EXPECT_EQ(page.ToAnsi(u""), "");
}

TEST(AnsiCodePage, Windows1252RoundTripsEveryByte) {
  Windows1252CodePage page;
  std::string bytes;
  for (int b = 1; b < 256; ++b) bytes.push_back(char(b));
  const std::u16string wide = page.FromAnsi(bytes);
  EXPECT_EQ(wide[0x80 - 1], u'\u20AC');  // the euro sign
  EXPECT_EQ(wide[0xE9 - 1], u'\u00E9');
  EXPECT_EQ(page.ToAnsi(wide), bytes);
  ExpectAsciiAndReplacement(page);
}

#ifdef _WIN32
TEST(AnsiCodePage, Win32AgreesOnAsciiAndReplacement) {
  parental::platform::Win32AnsiCodePage page;
  ExpectAsciiAndReplacement(page);
}
#endif

}  // namespace
