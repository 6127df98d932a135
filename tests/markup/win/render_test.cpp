// Renders the status panel's texts and the category grid to PNG files in the build
// folder (for a person to look at) and checks what GDI measured under the engine.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "common/text.h"
#include "markup/document.h"
#include "markup/text_object.h"
#include "markup/win/gdi_context.h"
#include "markup/win/renderer.h"

using parental::common::FromUtf8;

namespace {

// A strip of round frames with premultiplied alpha, one colour per frame.
class Strip {
 public:
  Strip(const std::vector<COLORREF>& colours, int size) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = size * static_cast<int>(colours.size());
    info.bmiHeader.biHeight = -size;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP handle = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    auto* pixels = static_cast<std::uint32_t*>(bits);
    const double r = size / 2.0 - 1;
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < info.bmiHeader.biWidth; ++x) {
        const COLORREF c = colours[x / size];
        const double d = std::hypot(x % size + 0.5 - size / 2.0, y + 0.5 - size / 2.0);
        pixels[y * info.bmiHeader.biWidth + x] =
            d <= r ? 0xFF000000u | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c) : 0;
      }
    }
    bitmap = {info.bmiHeader.biWidth, size, handle};
  }
  ~Strip() { DeleteObject(static_cast<HBITMAP>(bitmap.native)); }
  Bitmap bitmap;
};

// The host's styles, bitmaps and skins as the renderer's providers answer them.
struct HostResources {
  Strip states{{RGB(46, 160, 67), RGB(230, 160, 30), RGB(200, 40, 40), RGB(150, 150, 150), RGB(200, 40, 40)}, 16};
  Strip icons{{RGB(30, 110, 200), RGB(120, 120, 120), RGB(46, 160, 67), RGB(200, 120, 30), RGB(30, 110, 200)}, 16};
  Skin selection{RGB(240, 240, 240), RGB(160, 160, 160), RGB(0, 0, 0), RGB(80, 80, 80)};
  Skin checkbox{RGB(255, 255, 255), RGB(110, 110, 110), RGB(0, 0, 0), RGB(46, 140, 60)};

  void Install(CChDocument& document) {
    document.defaultFont.face = u"Tahoma";
    document.defaultFont.height = -11;
    document.fontProvider = [](std::u16string_view name) -> std::optional<FontDesc> {
      FontDesc font;
      if (name == u"H8") font.height = -17, font.weight = 700;
      else if (name == u"H4") font.weight = 700;
      else if (name != u"F7" && name != u"F8") return std::nullopt;
      return font;
    };
    document.bitmapProvider = [this](std::u16string_view name) -> const Bitmap* {
      return name == u"state_icon_list" ? &states.bitmap : name == u"text_icon" ? &icons.bitmap : nullptr;
    };
    document.skinProvider = [this](std::u16string_view name) -> const Skin* {
      return name == u"default_selection" ? &selection : name == u"parental_checkbox" ? &checkbox : nullptr;
    };
  }
};

std::u16string Header(const char* rows) {
  return FromUtf8(std::string("<table width=\"512\"><tr><td><p><h8>Parental control</h8></p></td><td width=\"16\">"
                              "<img src=\"state_icon_list\" frames=\"5\" active=\"0\" /></td><td width=\"120\">"
                              "<button skin=\"default_selection\" width=\"50\" height=\"18\" id=\"0\" h-offset=\"0,18\" "
                              "padding=\"2,2,2,2\" multiline=\"0\" caption=\"Enabled\"/></td></tr>") +
                  rows + "</table>");
}

const char* kWarningRows =
    "<tr><td height=\"15\"></td><td></td><td></td></tr>"
    "<tr><td><p><COLOR=\"#333333\">The settings are not protected by a password, so any user can change or switch "
    "off parental control.</COLOR></p></td><td></td><td><p><A TYPE=\"COMMAND\" COMMAND=\"gui.passworddlg.show\">Set "
    "password</A></p></td></tr>"
    "<tr><td><p><COLOR=\"#333333\">Web pages sent over encrypted connections are not filtered.</COLOR></p></td><td></td>"
    "<td><p><A ID=\"1\">Enable</A></p></td></tr>";

// The category grid of the account configuration dialog: columns of check boxes under group headings.
std::u16string CategoryGrid(int groups, int perGroup) {
  const char* names[] = {"Child", "Teen", "Adult", "Custom", "Other"};
  const char* topics[] = {"Games", "Chat", "Social networks", "Web mail", "Shopping & auctions", "News", "Sports",
                          "Music", "Video streaming", "Dating", "Gambling", "Weapons", "Drugs", "Alcohol & tobacco",
                          "Violence"};
  const int items = groups * perGroup + groups, lines = (items + 3) / 3;
  std::string text = "<TABLE WIDTH=\"100%%\" MARGIN=\"5,10,5,10\"><TR>";
  int line = lines;
  for (int g = 0; g < groups; ++g) {
    for (int c = 0; c < perGroup; ++c) {
      const bool heading = c == 0;
      if (line == lines || (heading && line + 1 >= lines)) {
        text += line == lines && g == 0 && c == 0 ? "<TD><P>" : "</P></TD><TD><P>";
        line = 0;
      }
      if (heading) {
        text += std::string("<P WIDTH=\"200\" HEIGHT=\"15\" MARGIN=\"10,0,0,0\"><b>") + names[g] + "</b></P>";
        ++line;
      }
      std::string caption = topics[(g * 7 + c) % 15];
      for (std::size_t at = caption.find('&'); at != std::string::npos; at = caption.find('&', at + 2)) caption.insert(at, "&");
      const int id = g * perGroup + c + 1;
      text += "<BUTTON TYPE=\"checkbox\" SKIN=\"parental_checkbox\" H-OFFSET=\"25,0\" ID=\"" + std::to_string(id) +
              "\" TOOLTIP=\"Pages about " + topics[(g * 7 + c) % 15] + "\" HEIGHT=\"25\" WIDTH=\"200\" CAPTION=\"" +
              caption + "\" STATE=\"" + std::to_string(id % 3 == 0 ? 0 : 1) + "\"/>";
      ++line;
    }
  }
  return FromUtf8(text + "</P></TD></TR></TABLE>");
}

std::u16string Output(const char* name) { return FromUtf8(std::string(MARKUP_OUTPUT_DIR "/") + name); }

struct Render : ::testing::Test {
  CChDocument document;
  HostResources resources;
  void SetUp() override { resources.Install(document); }
};

TEST_F(Render, StatusPanelTexts) {
  const int header = RenderToPng(document, Header(kWarningRows), 540, Output("status_header.png"));
  EXPECT_GT(header, 60);  // title row, spacer, two warnings that wrap
  const int plain = RenderToPng(document, Header(""), 540, Output("status_header_plain.png"));
  EXPECT_GT(plain, 15);
  EXPECT_LT(plain, header);
  const auto lines = FromUtf8(
      "<TABPOS=\"316\"><H4>alice (<A ID=\"4\">12 years</A>)</H4>\t<A ID=\"3\"><F7>Enabled</A>\n<A ID=\"0\">Setup...</A>\n"
      "<TABPOS=\"316\"><H4>OFFICE\\bob (<A ID=\"4\">1 year</A>)</H4>\t<A ID=\"2\"><F8>Disabled</A>\n<A ID=\"0\">Setup...</A>\n"
      "<TABPOS=\"333\"><H4>guest</H4>\t<A ID=\"1\">Not defined</A>\n\n"
      "<linepos=\"5\"><img src=\"text_icon\" active=\"4\" ></img> <A ID=\"0\" TOOLTIP=\"Allow or block specified web "
      "page\">Set exception for web page...</A>\n<img src=\"text_icon\" active=\"2\" ></img> <A TOOLTIP=\"Show Parental "
      "control log\" TYPE=\"COMMAND\" COMMAND=\"gui.logpage.show(TARGET=parentallog.dat)\" >Show log</A></linepos>");
  EXPECT_GT(RenderToPng(document, lines, 512, Output("account_lines.png")), 60);
}

TEST_F(Render, CategoryGridOfFortyCategories) {
  const int height = RenderToPng(document, CategoryGrid(4, 10), 700, Output("category_grid.png"));
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
