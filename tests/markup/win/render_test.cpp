// Renders the status panel's texts and the category grid to PNG files in the build
// folder (for a person to look at) and checks what GDI measured under the engine.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "common/text.h"
#include "host_texts.h"
#include "markup/document.h"
#include "markup/text_object.h"
#include "markup/win/gdi_context.h"
#include "markup/win/renderer.h"
#include "host_resources.h"

using parental::common::FromUtf8;

namespace {

std::u16string Output(const char* name) { return FromUtf8(std::string(MARKUP_OUTPUT_DIR "/") + name); }

struct Render : ::testing::Test {
  CChDocument document;
  HostResources resources;
  void SetUp() override { resources.Install(document); }
};

TEST_F(Render, StatusPanelTexts) {
  const int header = RenderToPng(document, StatusHeader(true), 540, Output("status_header.png"));
  EXPECT_GT(header, 60);  // title row, spacer, two warnings that wrap
  const int plain = RenderToPng(document, StatusHeader(false), 540, Output("status_header_plain.png"));
  EXPECT_GT(plain, 15);
  EXPECT_LT(plain, header);
  // The status panel's account lines, then the frequently used panel's text.
  const auto lines = AccountLines(Accounts(3)) + FromUtf8(
      "\n\n<linepos=\"5\"><img src=\"text_icon\" active=\"4\" ></img> <A ID=\"0\" TOOLTIP=\"Allow or block specified web "
      "page\">Set exception for web page...</A>\n<img src=\"text_icon\" active=\"2\" ></img> <A TOOLTIP=\"Show Parental "
      "control log\" TYPE=\"COMMAND\" COMMAND=\"gui.logpage.show(TARGET=parentallog.dat)\" >Show log</A></linepos>");
  EXPECT_GT(RenderToPng(document, lines, 512, Output("account_lines.png")), 60);
}

TEST_F(Render, CategoryGridOfFortyCategories) {
  const int height = RenderToPng(document, CategoryGrid(CategoryColumns(4, 10)), 700, Output("category_grid.png"));
  // 44 items in 3 columns of 15 lines of 25 pixels, within the table's margins.
  EXPECT_GE(height, 15 * 25);
  EXPECT_LT(height, 16 * 25 + 40);
}

TEST_F(Render, GdiMeasuresWithTheEngine) {
  HDC dc = CreateCompatibleDC(nullptr);
  {
    CGdiContext gdi(dc);
    gdi.SelectFont(document.defaultFont, 0);
    const Size one = gdi.TextExtent(u"Parental"), bold = (gdi.SelectFont(document.defaultFont, kBold), gdi.TextExtent(u"Parental"));
    EXPECT_GT(one.cx, 20);
    EXPECT_GE(bold.cx, one.cx);
    gdi.SelectFont(document.defaultFont, 0);
    EXPECT_EQ(gdi.FitCount(u"Parental control", one.cx), 8);
    EXPECT_EQ(gdi.WhiteSpace(u"a b c"), (std::vector<bool>{false, true, false, true, false}));
    document.SetText(u"Parental control applies to every account of this computer");
    const Size laidOut = document.Layout(gdi, 120, 500);
    EXPECT_LE(laidOut.cx, 120);
    EXPECT_GT(static_cast<CTextLO&>(*document.Main()).Core().LineCount(), 2);
  }
  DeleteDC(dc);
}

}  // namespace
