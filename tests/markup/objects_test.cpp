#include <gtest/gtest.h>

#include <algorithm>

#include "markup/button.h"
#include "markup/leaf_objects.h"
#include "markup_test_support.h"

namespace {

struct Objects : MarkupFixture, ::testing::Test {
  std::vector<CFixedContext::Operation> Draw(CLineObject& object) {
    dc.operations.clear();
    object.Draw(dc);
    return dc.operations;
  }
};

TEST_F(Objects, ImageFramesAndAlignment) {
  Load(u"<IMG ID=\"i\" SRC=\"strip\" FRAMES=\"5\" ACTIVE=\"4\"/><IMG ID=\"t\" SRC=\"strip\" HEIGHT=\"30\" V-ALIGN=\"top\"/>"
       u"<IMG ID=\"none\" SRC=\"missing\"/><IMG ID=\"zero\" SRC=\"strip\" FRAMES=\"0\" ACTIVE=\"3\"/>");
  auto& image = Object<CImageLO>(u"i");
  EXPECT_EQ(image.GetRect().Width(), 20);
  auto ops = Draw(image);
  ASSERT_EQ(ops.size(), 1u);
  EXPECT_EQ(ops[0].style, 80u);  // source x of the fifth fifth
  EXPECT_EQ(ops[0].rect.bottom, image.GetRect().bottom);

  auto& top = Object<CImageLO>(u"t");
  EXPECT_EQ(top.GetRect().Height(), 30);
  EXPECT_EQ(Draw(top)[0].rect.top, top.GetRect().top);
  EXPECT_TRUE(Draw(Object<CImageLO>(u"none")).empty());
  // A zero frame count shows the bitmap as one frame; frame 3 does not exist.
  EXPECT_EQ(Object<CImageLO>(u"zero").GetRect().Width(), 100);
  EXPECT_TRUE(Draw(Object<CImageLO>(u"zero")).empty());
}

TEST_F(Objects, ImageWithoutFramesTakesSquareFramesOnlyForALaterFrame) {
  // The strip is 100 x 16: square frames of 16 pixels when frame 2 is asked for without FRAMES.
  Load(u"<IMG ID=\"a\" SRC=\"strip\" ACTIVE=\"2\"/><IMG ID=\"w\" SRC=\"strip\"/><IMG ID=\"f\" SRC=\"strip\" FRAMES=\"1\" ACTIVE=\"2\"/>");
  auto& square = Object<CImageLO>(u"a");
  EXPECT_EQ(square.GetRect().Width(), 16);
  auto ops = Draw(square);
  ASSERT_EQ(ops.size(), 1u);
  EXPECT_EQ(ops[0].style, 32u);  // source x of the third square
  EXPECT_EQ(Object<CImageLO>(u"w").GetRect().Width(), 100) << "frame 0 alone: the whole bitmap";
  EXPECT_TRUE(Draw(Object<CImageLO>(u"f")).empty()) << "one frame written: frame 2 does not exist";
}

TEST_F(Objects, AnimationAdvancesEveryPeriodOverFifteenTicks) {
  std::vector<Rect> invalidated;
  document.invalidator = [&](const Rect& r) { invalidated.push_back(r); };
  Load(u"<IMG ID=\"i\" SRC=\"strip\" FRAMES=\"5\" TIME=\"150\"/><IMG ID=\"off\" SRC=\"strip\" FRAMES=\"0\" TIME=\"10\"/>");
  auto& image = Object<CImageLO>(u"i");
  EXPECT_TRUE(image.Has(CLineObject::kAnimated));
  EXPECT_FALSE(Object<CImageLO>(u"off").Has(CLineObject::kAnimated));
  std::vector<int> frames;
  for (int tick = 0; tick < 60; ++tick) {
    document.Tick();
    frames.push_back(image.Frames().active);
  }
  EXPECT_EQ(frames[0], 1);  // tick 0
  EXPECT_EQ(frames[9], 1);
  EXPECT_EQ(frames[10], 2);
  EXPECT_EQ(frames[40], 0);  // wrapped after five frames
  EXPECT_EQ(invalidated.size(), 6u);
  image.SetAttribute(u"TIME", u"0");  // off again, and out of the list
  EXPECT_FALSE(document.Animated());
}

TEST_F(Objects, PathIsShortenedInTheMiddle) {
  Load(u"<PATH ID=\"p\" WIDTH=\"100\">C:\\Users\\someone\\Documents\\reports\\yearly.txt</PATH>");
  auto& path = Object<CPathLO>(u"p");
  EXPECT_EQ(path.GetRect().Height(), 10);  // the letter Q
  auto ops = Draw(path);
  ASSERT_EQ(ops.size(), 1u);
  EXPECT_EQ(ops[0].text, u"C:\\Use...\\yearly.txt");
  EXPECT_EQ(Main().Core().Text(), u"");  // the path shows its text itself
}

TEST_F(Objects, ProgressIsClamped) {
  Load(u"<PROGRESS ID=\"full\" PROGRESS=\"150\" CAPTION=\"c\"/><PROGRESS ID=\"empty\" PROGRESS=\"-5\"/>"
       u"<PROGRESS ID=\"skin\" SKIN=\"box\" PROGRESS=\"50\" WIDTH=\"100\" TEXT-HIGHLIGHT=\"#ffffff\" CAPTION=\"half\"/>");
  EXPECT_EQ(Object<CProgressLO>(u"full").Percent(), 100);
  EXPECT_EQ(Object<CProgressLO>(u"empty").Percent(), 0);
  auto ops = Draw(Object<CProgressLO>(u"skin"));
  // Face, the filled half, the frame, the caption and the caption over the fill.
  ASSERT_EQ(ops.size(), 5u);
  EXPECT_EQ(ops[1].rect.Width(), 50);
  EXPECT_EQ(ops[4].colour, Rgb(255, 255, 255));
  EXPECT_EQ(ops[4].rect.Width(), 50);
}

TEST_F(Objects, ButtonsMeasureAndAnswerTheirAttributes) {
  Load(u"<BUTTON ID=\"push\" CAPTION=\"Press me\"/><BUTTON ID=\"box\" TYPE=\"CheckBox\" H-OFFSET=\"25,0\" WIDTH=\"200\" "
       u"HEIGHT=\"25\" CAPTION=\"Games\" STATE=\"1\"/><BUTTON ID=\"combo\" H-OFFSET=\"3,4\" TYPE=\"combobox\" "
       u"ITEMS=\"one;-;three\" SELECT=\"2\"/><BUTTON ID=\"max\" CAPTION=\"a long caption\" MAX-WIDTH=\"30\"/>");
  auto& push = Object<CButtonLO>(u"push");
  EXPECT_EQ(push.GetRect().Width(), 40);
  EXPECT_EQ(push.GetAttributeValue(u"type"), u"button");
  auto& box = Object<CButtonLO>(u"box");
  EXPECT_EQ(box.GetRect().Width(), 200);
  EXPECT_EQ(box.GetRect().Height(), 25);
  EXPECT_EQ(box.GetAttributeValue(u"TYPE"), u"checkbox");
  auto& combo = Object<CButtonLO>(u"combo");
  EXPECT_EQ(combo.Caption(), u"three");
  EXPECT_EQ(combo.GetRect().Width(), 25 + 3 + 17);  // TYPE set the right offset, H-OFFSET came first
  EXPECT_EQ(Object<CButtonLO>(u"max").GetRect().Width(), 30);
}

TEST_F(Objects, ButtonsActOnRelease) {
  int menus = 0;
  document.menuChooser = [&](const std::vector<std::u16string>& items, const Rect&) {
    ++menus;
    EXPECT_EQ(items, (std::vector<std::u16string>{u"one", u"-", u"three"}));
    return 1;
  };
  std::vector<std::pair<CLineObject*, int>> clicks;
  document.clickHandler = [&](CLineObject* object, int link) {
    clicks.emplace_back(object, link);
    return true;
  };
  Load(u"<BUTTON ID=\"c\" TYPE=\"checkbox\" CAPTION=\"c\"/>\n<BUTTON ID=\"r1\" TYPE=\"radiobutton\" GROUP=\"r2;r3\"/>"
       u"<BUTTON ID=\"r2\" TYPE=\"radiobutton\" STATE=\"1\" GROUP=\"r1\"/>\n"
       u"<BUTTON ID=\"m\" TYPE=\"combobox\" ITEMS=\"one;-;three\"/><BUTTON ID=\"off\" TYPE=\"checkbox\" ENABLE=\"0\"/>");
  auto press = [&](const std::u16string& id) {
    const Rect& r = document.FindObject(id)->GetRect();
    document.PointerDown(r.left + 1, r.top + 1);
    document.PointerUp(r.left + 1, r.top + 1);
  };
  press(u"c");
  EXPECT_EQ(Object<CButtonLO>(u"c").State(), 1);
  press(u"c");
  EXPECT_EQ(Object<CButtonLO>(u"c").State(), 0);
  press(u"r1");
  EXPECT_EQ(Object<CButtonLO>(u"r1").State(), 1);
  EXPECT_EQ(Object<CButtonLO>(u"r2").State(), 0);
  press(u"m");
  EXPECT_EQ(menus, 1);
  EXPECT_EQ(Object<CButtonLO>(u"m").Caption(), u"one");
  press(u"off");
  EXPECT_EQ(Object<CButtonLO>(u"off").State(), 0);
  ASSERT_EQ(clicks.size(), 4u);  // the disabled box takes no click
  EXPECT_EQ(clicks[0], std::make_pair(document.FindObject(u"c"), 0));
}

TEST_F(Objects, SkinnedAndPlatformButtonsDraw) {
  Load(u"<BUTTON ID=\"s\" TYPE=\"checkbox\" SKIN=\"box\" STATE=\"1\" H-OFFSET=\"25,0\" CAPTION=\"x\"/>"
       u"<BUTTON ID=\"p\" TYPE=\"radiobutton\" STATE=\"1\"/>");
  auto skinned = Draw(Object<CButtonLO>(u"s"));
  ASSERT_GE(skinned.size(), 4u);
  EXPECT_EQ(skinned[2].kind, CFixedContext::Operation::Glyph);
  EXPECT_EQ(skinned[2].rect.Width(), 13);
  EXPECT_EQ(skinned[2].rect.left, Object<CButtonLO>(u"s").GetRect().left + 6);
  auto platform = Draw(Object<CButtonLO>(u"p"));
  EXPECT_EQ(platform[0].kind, CFixedContext::Operation::Button);
  EXPECT_EQ(platform[0].style, static_cast<unsigned>(ButtonLook::RadioButton));
  EXPECT_EQ(platform[0].colour, 1u);  // checked
}

TEST_F(Objects, MenuSkinDrawsItsArrowRightOfTheCentredCaption) {
  skin.menuArrow = true;
  Load(u"<BUTTON ID=\"m\" SKIN=\"box\" WIDTH=\"100\" H-OFFSET=\"0,18\" CAPTION=\"On\"/><BUTTON ID=\"n\" SKIN=\"box\" CAPTION=\"x\"/>");
  const Rect rect = Object<CButtonLO>(u"m").GetRect();
  auto ops = Draw(Object<CButtonLO>(u"m"));
  auto glyph = std::find_if(ops.begin(), ops.end(), [](const auto& op) { return op.kind == CFixedContext::Operation::Glyph; });
  ASSERT_NE(glyph, ops.end());
  EXPECT_EQ(glyph->rect.left, rect.right - 18);
  auto text = std::find_if(ops.begin(), ops.end(), [](const auto& op) { return op.kind == CFixedContext::Operation::Text; });
  ASSERT_NE(text, ops.end());
  EXPECT_EQ(text->rect.left, rect.left + (82 - 10) / 2) << "centred in the space left of the arrow";
  auto plain = Draw(Object<CButtonLO>(u"n"));
  EXPECT_EQ(std::count_if(plain.begin(), plain.end(), [](const auto& op) { return op.kind == CFixedContext::Operation::Glyph; }), 0)
      << "no space kept for it: no arrow";
}

TEST_F(Objects, AFocusedPushButtonShowsAFocusFrameInsideItsFaceAndAnUnfocusedOneNone) {
  skin.menuArrow = true;
  Load(u"<BUTTON ID=\"s\" SKIN=\"box\" WIDTH=\"50\" HEIGHT=\"18\" H-OFFSET=\"0,18\" CAPTION=\"On\"/>"
       u"<BUTTON ID=\"p\" WIDTH=\"50\" HEIGHT=\"18\" CAPTION=\"x\"/><BUTTON ID=\"c\" TYPE=\"checkbox\" CAPTION=\"y\"/>"
       u"<BUTTON ID=\"t\" SKIN=\"box\" CAPTION=\"Enabled\"/>");
  auto text = [](const Rect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
  };
  auto focusFrames = [&](const std::u16string& id) {
    std::vector<std::string> frames;
    for (const auto& op : Draw(Object<CButtonLO>(id)))
      if (op.kind == CFixedContext::Operation::Focus) frames.push_back(text(op.rect));
    return frames;
  };
  for (const char16_t* id : {u"s", u"p"}) {
    SCOPED_TRACE(std::string(id[0] == u's' ? "skinned" : "platform"));
    auto& button = Object<CButtonLO>(id);
    document.focus = {&button, -1, false};
    EXPECT_TRUE(focusFrames(id).empty()) << "focused by the mouse: no mark until a key is used";
    document.focus = {document.FindObject(u"c"), -1, true};
    EXPECT_TRUE(focusFrames(id).empty()) << "another object has the focus";
    document.focus = {&button, -1, true};
    const Rect face = button.GetRect(), inside{face.left + 3, face.top + 3, face.right - 3, face.bottom - 3};
    const auto frames = focusFrames(id);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], text(inside)) << "inside the border, which stays as it is";
    const auto ops = Draw(button);
    EXPECT_EQ(ops.back().kind, CFixedContext::Operation::Focus) << "drawn over the face and the caption";
  }
  // A caption that fills its button leaves the frame one pixel inside the border.
  auto& tight = Object<CButtonLO>(u"t");
  document.focus = {&tight, -1, true};
  const Rect face = tight.GetRect();
  ASSERT_EQ(focusFrames(u"t").size(), 1u);
  EXPECT_EQ(focusFrames(u"t")[0], text({face.left + 1, face.top + 1, face.right - 1, face.bottom - 1}));
  // A check box's frame goes round the box and its caption.
  auto& box = Object<CButtonLO>(u"c");
  document.focus = {&box, -1, true};
  ASSERT_EQ(focusFrames(u"c").size(), 1u);
  EXPECT_EQ(focusFrames(u"c")[0], text(box.GetRect()));
}

}  // namespace
