#pragma once
// CChCore: the text engine of a text object. It holds the decoded text cut into
// styled runs, the embedded objects and the link table, and lays them out in lines:
// word boundaries, line breaking, tabs, alignment, drawing, hit tests and link focus.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "markup/line_object.h"

class CChCore {
 public:
  struct Style {
    Colour colour = 0;
    const FontDesc* font = nullptr;
    std::uint32_t tabPosition = 0;  // low 16 bits: the number; bit 16: a percentage
    int linePosition = 0;           // extra pixels above the line (at 96 dots per inch)
    std::uint8_t alignment = 0;     // 1 left, 2 right, 3 centre
    std::uint8_t style = 0;         // kBold, kItalic, kUnderline
    int link = -1;
    bool linkColour = false;  // a colour set inside the link: it colours the link instead of the link colour
    bool operator==(const Style& o) const {
      return colour == o.colour && font == o.font && tabPosition == o.tabPosition &&
             linePosition == o.linePosition && alignment == o.alignment && style == o.style && link == o.link &&
             linkColour == o.linkColour;
    }
  };
  struct Run {
    std::int32_t start = 0;  // first character in the text
    Style style;
    CLineObject* object = nullptr;  // embedded object that follows the run's text
  };
  struct Link {
    int tagIndex = -1;  // the A tag; -1 for an embedded object's number
    std::u16string tooltip;
    CLineObject* object = nullptr;
    Rect rects[3];  // part on its first line, the lines between, part on its last line
  };
  // Link colours and styles: for links, and for links under the pointer.
  struct LinkLook {
    Colour colour[2] = {Rgb(0x22, 0x88, 0xDD), Rgb(0x44, 0xAA, 0xFF)};
    std::uint8_t style[2] = {0, 0};
  };

  void Clear();

  // Building (the text flow).
  void SetStyle(const Style& style);
  void AppendText(std::u16string_view text);
  int NewLink(int tagIndex);  // the next link number (an 8-bit counter)
  void SetLinkTooltip(int link, std::u16string_view tooltip);
  void Embed(std::unique_ptr<CLineObject> object, bool takesLinkNumber);

  // Layout at (x, y) in `width` (never less than 42); heightBudget serves percentages. Tab
  // and line positions are written at 96 dots per inch and laid out at `dpi`.
  Size Layout(IDrawContext& dc, int x, int y, int width, int heightBudget, const FontDesc& defaultFont, int dpi);
  void MoveBy(int dx, int dy);
  void Draw(IDrawContext& dc, const LinkLook& look, int hoveredLink, int focusedLink, bool showFocus,
            const FontDesc& defaultFont) const;
  // The embedded object under the point, or the link (number, tool tip, rectangle).
  CLineObject* HitTest(int x, int y, HitInfo& hit) const;

  const std::u16string& Text() const { return text_; }
  const std::vector<Run>& Runs() const { return runs_; }
  int LinkCount() const { return linkCount_; }
  const Link* LinkEntry(int link) const;
  const std::vector<std::unique_ptr<CLineObject>>& Objects() const { return objects_; }
  int LineCount() const { return static_cast<int>(lines_.size()); }

 private:
  struct Fragment {
    int run = 0;
    std::int32_t start = 0, length = 0;  // text; length 0 with an object
    CLineObject* object = nullptr;
    Rect rect;  // the text, or the object's box with its margins and padding
    int line = 0;
  };
  struct Line {
    int top = 0, height = 0, width = 0;
    std::uint8_t alignment = 0;
  };
  class Breaker;

  Run& RunForText();
  void ComputeLinkRects();

  std::u16string text_;
  std::vector<Run> runs_;
  std::vector<std::unique_ptr<CLineObject>> objects_;
  std::vector<Link> links_;
  std::uint8_t linkCount_ = 0;
  std::vector<bool> white_;  // script analysis of text_, made on the first layout
  bool analysed_ = false;
  std::vector<Fragment> fragments_;
  std::vector<Line> lines_;
};
