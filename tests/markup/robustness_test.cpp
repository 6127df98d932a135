// Mark-up is never rejected: hostile texts are parsed, laid out, drawn, hit-tested and
// walked by the focus without a fault (the native build runs them under the sanitizers).
#include <gtest/gtest.h>

#include "common/text.h"
#include "markup_test_support.h"

namespace {

std::u16string Repeat(std::u16string_view part, int times) {
  std::u16string out;
  for (int i = 0; i < times; ++i) out.append(part);
  return out;
}

void Exercise(MarkupFixture& f, const std::u16string& text) {
  for (int width : {0, 1, 41, 300, 5000}) {
    f.document.SetText(text);
    const Size size = f.document.Layout(f.dc, width, 400);
    f.document.Draw(f.dc);
    for (int y = -5; y < std::min(size.cy, 3000) + 5; y += 7) {
      for (int x = -5; x < std::min(size.cx, 3000) + 5; x += 13) {
        f.document.UpdateHover(x, y);
        f.document.PointerDown(x, y);
        f.document.PointerUp(x, y);
      }
    }
    for (int i = 0; i < 50 && f.document.MoveFocus(i % 7 == 3); ++i) {
    }
    for (int tick = 0; tick < 30; ++tick) f.document.Tick();
    f.dc.operations.clear();
  }
}

TEST(RobustnessTest, HostileMarkup) {
  const std::u16string texts[] = {
      u"<", u">", u"<>", u"</>", u"<<>>", u"<///>", u"<P", u"<P>\"unterminated",
      u"<A TOOLTIP=\"never closed>x</A>", u"<IMG SRC=\"strip\" FRAMES=\"0\" TIME=\"0\" ACTIVE=\"-7\"/>",
      u"<IMG SRC=\"strip\" FRAMES=\"-3\" TIME=\"14\"/><IMG SRC=\"strip\" FRAMES=\"2147483647\" TIME=\"99999999999999\"/>",
      u"</B></I></U></A></COLOR></FONT></TABPOS></RIGHT></LINEPOS></TABLE></TR></TD></P>text",
      u"<TABPOS=\"-99999999999\">a\tb<TABPOS=\"99999%\">\tc<LINEPOS=\"-2147483648\">d",
      u"<TABLE WIDTH=\"-5\"><TR HEIGHT=\"99999999999\"><TD WIDTH=\"300%\"><TD WIDTH=\"-20\"></TR></TABLE>",
      u"<TD>cell without table</TD><TR><TABLE><TD/><TD><TABLE></TD></TABLE>",
      u"<TABLE><TD WIDTH=\"AUTO\"><TABLE><TR><TD WIDTH=\"AUTO\"><P>x</P></TD></TR></TABLE></TD></TABLE>",
      u"<BUTTON TYPE=\"combobox\" ITEMS=\";;;\" SELECT=\"-1\" GROUP=\";;\" H-OFFSET=\"-9,99999999\" MAX-WIDTH=\"-1\"/>",
      u"<BUTTON ID=\"r\" TYPE=\"radiobutton\" GROUP=\"r;r;x\"/><BUTTON ID=\"r\" TYPE=\"radiobutton\" GROUP=\"r\"/>",
      u"<PROGRESS PROGRESS=\"99999999999999999999\"/><PATH>\\\\\\\\</PATH><PATH/><SHIELD/><IT/><PIPE/><APP FILE=\"x\"/>",
      u"<P MARGIN=\"32767,32767,32767,32767\" PADDING=\"-32768,-32768,-32768,-32768\" WIDTH=\"2147483647\">x</P>",
      u"<P CLASS=\"loop\">x</P><OBJECT=\"\"><OBJECT=\"p\"><OBJECT=\"table\">y</OBJECT><OBJECT=>",
      u"<COLOR=\"#\">a<COLOR=\"#zz\">b<COLOR=\"red\">c<FONT=\"\">d<A LINK-STYLE=\",,,,\" LINK-COLOR=\"#1\">e",
      u"&amp;&lt;&gt;&quot;&apos;&&;&amp;amp;\t\n\r\n \xA0\x3000\xD800\xDFFF",
      Repeat(u"<P>", 5000) + u"deep" + Repeat(u"</P>", 5000),
      Repeat(u"<TABLE><TR><TD>", 2000),
      Repeat(u"<A>link</A>", 600),
      Repeat(u"<B>", 3000) + u"bold",
      Repeat(u"<BUTTON/>", 300) + Repeat(u"x ", 2000),
      Repeat(u"w", 20000),
  };
  MarkupFixture f;
  f.document.classResolver = [](std::u16string_view name) -> std::u16string {
    return name == u"loop" ? u"<x CLASS=\"loop\" WIDTH=\"5\">" : u"";
  };
  f.document.menuChooser = [](const std::vector<std::u16string>& items, const Rect&) { return 99; };
  for (const auto& text : texts) {
    SCOPED_TRACE(parental::common::ToUtf8(text.substr(0, 60)));
    Exercise(f, text);
  }
}

}  // namespace
