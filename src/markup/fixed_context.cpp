#include "markup/fixed_context.h"

#include <algorithm>
#include <cstdlib>

int CFixedContext::CharWidth(const FontDesc& font, unsigned style) {
  return (std::abs(font.height) + 1) / 2 + ((style & kBold) || font.weight >= 600 ? 1 : 0);
}

void CFixedContext::SelectFont(const FontDesc& font, unsigned style) {
  FontDesc scaled = font;
  scaled.height = ScaleLength(font.height, dpi_, font.dpi);
  charWidth_ = std::max(1, CharWidth(scaled, style));
  lineHeight_ = std::max(1, std::abs(scaled.height));
  style_ = style;
}

Size CFixedContext::TextExtent(std::u16string_view text) {
  return {static_cast<int>(text.size()) * charWidth_, lineHeight_};
}

int CFixedContext::FitCount(std::u16string_view text, int maxWidth) {
  return std::clamp(maxWidth / charWidth_, 0, static_cast<int>(text.size()));
}

Size CFixedContext::MeasureText(std::u16string_view text, int width, unsigned format) {
  if (!(format & kTextWordBreak) || width <= 0) return TextExtent(text);
  // Greedy wrapping at blanks in whole characters.
  const int perLine = std::max(1, width / charWidth_);
  int lines = 0, widest = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t take = std::min<std::size_t>(perLine, text.size() - i);
    if (i + take < text.size()) {
      auto blank = text.substr(i, take + 1).rfind(u' ');
      if (blank != std::u16string_view::npos && blank > 0) take = blank;
    }
    widest = std::max(widest, static_cast<int>(take) * charWidth_);
    ++lines;
    i += take;
    while (i < text.size() && text[i] == u' ') ++i;
  }
  return {widest, std::max(1, lines) * lineHeight_};
}

std::vector<bool> CFixedContext::WhiteSpace(std::u16string_view text) {
  std::vector<bool> white(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    white[i] = c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == 0xA0 || c == 0x3000;
  }
  return white;
}

void CFixedContext::Record(Operation::Kind kind, const Rect& rect, std::u16string_view text, Colour colour,
                           unsigned style) {
  operations.push_back(Operation{kind, rect, std::u16string(text), colour, style});
}

void CFixedContext::PaintText(int x, int y, std::u16string_view text, const Rect* clip) {
  Size size = TextExtent(text);
  Rect rect{x, y, x + size.cx, y + size.cy};
  Record(Operation::Text, clip ? *clip : rect, text, colour_, style_);
}

// A path ellipsis keeps the last component and as much of the start as fits.
void CFixedContext::PaintTextInRect(std::u16string_view text, const Rect& rect, unsigned format) {
  std::u16string shown(text);
  const int fit = std::max(0, rect.Width() / charWidth_);
  if ((format & kTextPathEllipsis) && static_cast<int>(text.size()) > fit) {
    auto slash = text.find_last_of(u"\\/");
    std::u16string_view tail = slash == std::u16string_view::npos ? text : text.substr(slash);
    int head = std::max(0, fit - 3 - static_cast<int>(tail.size()));
    shown = std::u16string(text.substr(0, head)) + u"..." + std::u16string(tail);
  }
  Record(Operation::Text, rect, shown, colour_, style_);
}

void CFixedContext::FillSolid(const Rect& rect, Colour colour) { Record(Operation::Fill, rect, {}, colour, 0); }
void CFixedContext::FrameSolid(const Rect& rect, Colour colour) { Record(Operation::Frame, rect, {}, colour, 0); }
void CFixedContext::FocusFrame(const Rect& rect) { Record(Operation::Focus, rect, {}, 0, 0); }

void CFixedContext::PaintBitmap(const ::Bitmap& bitmap, const Rect& source, const Rect& target) {
  Record(Operation::Bitmap, target, {}, 0, static_cast<unsigned>(source.left));
}

void CFixedContext::PaintButton(ButtonLook look, ButtonState state, const Rect& rect) {
  Record(Operation::Button, rect, {}, state.checked, static_cast<unsigned>(look));
}

void CFixedContext::PaintProgress(const Rect& rect, int percent) {
  Record(Operation::Progress, rect, {}, 0, static_cast<unsigned>(percent));
}

void CFixedContext::PaintGlyph(::Glyph glyph, const Rect& rect, Colour colour) {
  Record(Operation::Glyph, rect, {}, colour, static_cast<unsigned>(glyph));
}

void CFixedContext::PaintIcon(const void* icon, int x, int y) {
  const Size size = SmallIconSize();
  Record(Operation::Icon, Rect{x, y, x + size.cx, y + size.cy}, {}, 0, 0);
}
