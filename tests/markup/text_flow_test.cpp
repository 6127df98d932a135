#include <gtest/gtest.h>

#include <algorithm>

#include "markup/button.h"
#include "markup/leaf_objects.h"
#include "markup/table.h"
#include "markup/values.h"
#include "markup_test_support.h"

namespace {

using Flow = MarkupFixture;

TEST(TextFlowTest, BoldItalicUnderlineAreDepthCounters) {
  Flow f;
  auto& core = f.Load(u"<B><B>x</B>y</B>z").Core();
  ASSERT_EQ(core.Runs().size(), 2u);
  EXPECT_EQ(f.RunText(0), u"xy");
  EXPECT_EQ(core.Runs()[0].style.style, kBold);
  EXPECT_EQ(f.RunText(1), u"z");
  EXPECT_EQ(core.Runs()[1].style.style, 0);

  // A surplus </B> makes the counter -1, which is bold (here it also closes the U for
  // the end indices, and the </U> closes the text object itself).
  auto& stray = f.Load(u"<U>a</B>b</U>c").Core();
  ASSERT_EQ(stray.Runs().size(), 2u);
  EXPECT_EQ(f.RunText(1), u"b");
  EXPECT_EQ(stray.Runs()[1].style.style, kBold | kUnderline);

  // Styles follow the tags' own names, not the nesting.
  auto& crossed = f.Load(u"<B>a<I>b</B>c</I>").Core();
  EXPECT_EQ(f.RunText(2), u"c");
  EXPECT_EQ(crossed.Runs()[2].style.style, kItalic);

  f.Load(u"<U>u</U>");
  EXPECT_EQ(f.Main().Core().Runs()[0].style.style, kUnderline);
}

TEST(TextFlowTest, EntitiesAreDecodedInOrder) {
  Flow f;
  EXPECT_EQ(f.Load(u"1 &lt; 2 &amp;&amp; 3").Core().Text(), u"1 < 2 && 3");
  EXPECT_EQ(f.Load(u"&amp;lt; &quot;&apos;&gt; &nbsp;").Core().Text(), u"&lt; \"'> &nbsp;");
}

TEST(TextFlowTest, StacksKeepTheirBottomEntry) {
  Flow f;
  f.document.defaultTextColour = Rgb(1, 2, 3);
  auto& core = f.Load(u"<COLOR=\"#ff0000\">r<COLOR=\"#00ff00\">g</COLOR>r</COLOR>d").Core();
  std::vector<Colour> colours;
  for (const auto& run : core.Runs()) colours.push_back(run.style.colour);
  EXPECT_EQ(colours, (std::vector<Colour>{Rgb(255, 0, 0), Rgb(0, 255, 0), Rgb(255, 0, 0), Rgb(1, 2, 3)}));
  EXPECT_EQ(core.Text(), u"rgrd");
  // A surplus closing tag (inside the I, which keeps the text object open) changes nothing.
  auto& surplus = f.Load(u"<I><COLOR=\"#ff0000\">r</COLOR></COLOR>d</I>").Core();
  EXPECT_EQ(surplus.Runs().back().style.colour, Rgb(1, 2, 3));
  EXPECT_EQ(f.RunText(surplus.Runs().size() - 1), u"d");

  auto& aligned = f.Load(u"<RIGHT>r<CENTER>c</CENTER></RIGHT><LEFT>l</LEFT>").Core();
  EXPECT_EQ(aligned.Runs()[0].style.alignment, 2);
  EXPECT_EQ(aligned.Runs()[1].style.alignment, 3);
  EXPECT_EQ(aligned.Runs()[2].style.alignment, 1);

  auto& tabs = f.Load(u"<TABPOS=\"316\">a<TABPOS=\"50%\">b</TABPOS>c<LINEPOS=\"5\">d").Core();
  EXPECT_EQ(tabs.Runs()[0].style.tabPosition, 316u);
  EXPECT_EQ(tabs.Runs()[1].style.tabPosition, 0x10000u | 50u);
  EXPECT_EQ(tabs.Runs()[2].style.tabPosition, 316u);
  EXPECT_EQ(tabs.Runs()[3].style.linePosition, 5);
}

TEST(TextFlowTest, NamedFonts) {
  Flow f;
  auto& core = f.Load(u"<h4>head</h4>x<FONT=\"big\">b</FONT><FONT=\"none\">n</FONT>m<UNKNOWN>u</UNKNOWN>").Core();
  const FontDesc* h4 = f.document.Font(u"H4");
  ASSERT_NE(h4, nullptr);
  EXPECT_EQ(core.Runs()[0].style.font, h4);
  EXPECT_EQ(core.Runs()[1].style.font, nullptr);  // the object's default
  EXPECT_EQ(core.Runs()[2].style.font, f.document.Font(u"big"));
  // An unknown font pushes nothing, so its closing tag pops nothing of ours either.
  EXPECT_EQ(core.Runs()[3].style.font, nullptr);
  EXPECT_EQ(core.Text(), u"headxbnmu");
}

// The style of the character at `at` (runs of one style may be joined).
const CChCore::Style& StyleAt(const CChCore& core, int at) {
  const auto& runs = core.Runs();
  std::size_t i = 0;
  while (i + 1 < runs.size() && runs[i + 1].start <= at) ++i;
  return runs[i].style;
}

TEST(TextFlowTest, NamedStylesOfTheOwnerSetFontAndColourUntilTheirClosingTag) {
  Flow f;
  std::vector<std::u16string> asked;
  f.document.styleProvider = [&](std::u16string_view name, std::u16string_view value) -> std::optional<NamedStyle> {
    asked.push_back(std::u16string(name) + u"|" + std::u16string(value));
    if (name == u"F7") return NamedStyle{std::nullopt, Rgb(0, 128, 0)};
    if (name == u"TITLE") return NamedStyle{FontDesc{u"Tahoma", -17, 700}, std::nullopt};
    if (name == u"TEXTCOLOR") return NamedStyle{std::nullopt, ReadColour(value)};
    return std::nullopt;
  };
  auto& core = f.Load(u"<COLOR=\"#0000ff\">a<F7>b<TITLE>c</TITLE>d</F7>e<TEXTCOLOR=\"#ff0000\">r</TEXTCOLOR>"
                      u"s<NONE>n</NONE>m<h4>h</h4>").Core();
  ASSERT_EQ(core.Text(), u"abcdersnmh");
  auto at = [&core](int character) -> const CChCore::Style& { return StyleAt(core, character); };
  EXPECT_EQ(at(0).colour, Rgb(0, 0, 255));
  EXPECT_EQ(at(1).colour, Rgb(0, 128, 0));
  EXPECT_EQ(at(1).font, nullptr) << "a colour alone keeps the font";
  ASSERT_NE(at(2).font, nullptr);
  EXPECT_EQ(at(2).font->weight, 700);
  EXPECT_EQ(at(2).colour, Rgb(0, 128, 0)) << "a font alone keeps the colour";
  EXPECT_EQ(at(3).font, nullptr);
  EXPECT_EQ(at(3).colour, Rgb(0, 128, 0));
  EXPECT_EQ(at(4).colour, Rgb(0, 0, 255)) << "the closing tag pops what the style pushed";
  EXPECT_EQ(at(5).colour, Rgb(255, 0, 0)) << "the tag's value reaches the provider";
  EXPECT_EQ(at(6).colour, Rgb(0, 0, 255));
  EXPECT_EQ(at(7).colour, Rgb(0, 0, 255)) << "an unknown name changes nothing";
  EXPECT_EQ(at(8).colour, Rgb(0, 0, 255)) << "its closing tag pops nothing";
  EXPECT_NE(at(9).font, nullptr) << "named fonts come first";
  EXPECT_EQ(std::count(asked.begin(), asked.end(), u"F7|"), 1) << "kept after the first answer";
  EXPECT_EQ(std::count(asked.begin(), asked.end(), u"H4|"), 0);

  // A colour set inside a link colours it; one set before the link leaves it the link colour.
  auto& links = f.Load(u"<A ID=\"1\">a<F7>b</A><A ID=\"2\">c</A></F7>d<A>e<COLOR=\"#ff0000\">g</COLOR>h</A>").Core();
  ASSERT_EQ(links.Text(), u"abcdegh");
  auto own = [&links](int character) { return StyleAt(links, character).linkColour; };
  EXPECT_FALSE(own(0));
  EXPECT_TRUE(own(1));
  EXPECT_FALSE(own(2)) << "F7 began before this link";
  EXPECT_FALSE(own(3)) << "not a link";
  EXPECT_FALSE(own(4));
  EXPECT_TRUE(own(5));
  EXPECT_FALSE(own(6));
}

TEST(TextFlowTest, LinksAndFocusableObjectsShareOneNumbering) {
  Flow f;
  auto& text = f.Load(u"<A TOOLTIP=\"first tip\" LINK-STYLE=\"u,BI\">one</A> "
                      u"<BUTTON ID=\"b\" CAPTION=\"Go\"/> <A ID=\"7\">two</A><IMG SRC=\"strip\"/>");
  const auto& core = text.Core();
  EXPECT_EQ(core.LinkCount(), 3);
  EXPECT_EQ(core.LinkEntry(1)->tooltip, u"first tip");
  EXPECT_EQ(core.LinkEntry(1)->tagIndex, 1);
  EXPECT_EQ(core.LinkEntry(2)->object, f.document.FindObject(u"b"));
  EXPECT_EQ(core.LinkEntry(3)->tagIndex, 4);
  EXPECT_NE(core.LinkEntry(3 + 4), nullptr);  // the table holds the number plus 5 entries
  // The attributes of a link's A tag, for whoever handles its click.
  std::u16string value;
  EXPECT_TRUE(f.document.LinkAttribute(&text, 3, u"id", value));
  EXPECT_EQ(value, u"7");
  EXPECT_FALSE(f.document.LinkAttribute(&text, 1, u"ID", value)) << "no such attribute";
  EXPECT_FALSE(f.document.LinkAttribute(&text, 2, u"ID", value)) << "an embedded object's number has no A tag";
  EXPECT_FALSE(f.document.LinkAttribute(f.document.FindObject(u"b"), 0, u"ID", value));
  EXPECT_EQ(text.Look().style[0], kUnderline);
  EXPECT_EQ(text.Look().style[1], kBold | kItalic);
  EXPECT_EQ(core.Objects().size(), 2u);  // the image takes no number
}

TEST(TextFlowTest, EmbeddedContainersConsumeTheirTags) {
  Flow f;
  auto& core = f.Load(u"a<P>b<B>c</B></P>d<TABLE><TR><TD>x</TD></TR></TABLE>e<IMG SRC=\"strip\"></IMG>f").Core();
  EXPECT_EQ(core.Text(), u"adef");
  ASSERT_EQ(core.Objects().size(), 3u);
  auto& inner = dynamic_cast<CTextLO&>(*core.Objects()[0]);
  EXPECT_EQ(inner.Core().Text(), u"bc");
  EXPECT_EQ(core.Objects()[1]->GetKind(), CLineObject::kTableKind);
  EXPECT_EQ(core.Objects()[2]->GetKind(), CLineObject::kImage);
}

TEST(TextFlowTest, PrototypesTagTableAndClasses) {
  Flow f;
  auto custom = std::make_unique<CButtonLO>();
  custom->SetAttribute(u"CAPTION", u"from prototype");
  f.document.RegisterPrototype(u"mybutton", std::move(custom));
  f.document.classResolver = [](std::u16string_view name) -> std::u16string {
    return name == u"wide" ? u"<x WIDTH=\"300\" MARGIN=\"1,2,3,4\">" : u"";
  };
  f.Load(u"<OBJECT=\"mybutton\"><OBJECT=\"missing\"><SHIELD ID=\"s\"/><PIPE ID=\"p\"/>"
         u"<line id=\"l\" class=\"wide\"/><P ID=\"q\" CLASS=\"none\" WIDTH=\"100%%\"/>");
  const auto& objects = f.Main().Core().Objects();
  ASSERT_EQ(objects.size(), 5u);
  EXPECT_EQ(static_cast<CButtonLO&>(*objects[0]).Caption(), u"from prototype");
  EXPECT_EQ(f.Object<CIconLO>(u"p").Margins().left, 5);  // the tag table's defaults
  auto& line = f.Object<CLineLO>(u"l");  // lower-case mark-up, attributes from the class
  EXPECT_EQ(line.Width(), 300);
  EXPECT_EQ(line.Margins().left, 4);
  EXPECT_EQ(line.Margins().top, 1);
  auto& q = f.Object<CTextLO>(u"q");
  EXPECT_TRUE(q.Has(CLineObject::kWidthPercent));
  EXPECT_EQ(q.Width(), 100);
}

TEST(TextFlowTest, IdentifiersAreForgottenWithTheirObjects) {
  Flow f;
  f.Load(u"<BUTTON ID=\"b\"/><IMG ID=\"i\" SRC=\"strip\" FRAMES=\"5\" TIME=\"150\"/>");
  EXPECT_NE(f.document.FindObject(u"b"), nullptr);
  EXPECT_NE(f.document.FindObject(u"_main_"), nullptr);
  EXPECT_TRUE(f.document.Animated());
  f.Load(u"plain");
  EXPECT_EQ(f.document.FindObject(u"b"), nullptr);
  EXPECT_FALSE(f.document.Animated());
}

}  // namespace
