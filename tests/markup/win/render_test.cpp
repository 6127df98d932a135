// What GDI measures under the engine: extents, bold, fitting, word breaks and a layout.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "markup/document.h"
#include "markup/text_object.h"
#include "markup/win/gdi_context.h"
#include "host_resources.h"

namespace {

struct Render : ::testing::Test {
  CChDocument document;
  HostResources resources;
  void SetUp() override { resources.Install(document); }
};

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
