#pragma once
// A context with fixed font metrics for portable layout tests, the fuzzer and the
// benchmark: a character is ceil(|height| / 2) pixels wide (one more in bold), a line
// |height| pixels high (font heights scaled to the context's DPI first). Drawing is recorded
// as a list of operations.
#include <string>
#include <vector>

#include "markup/draw_context.h"

class CFixedContext : public IDrawContext {
 public:
  struct Operation {
    enum Kind { Text, Fill, Frame, Focus, Bitmap, Button, Progress, Glyph, Icon } kind;
    Rect rect;
    std::u16string text;
    Colour colour = 0;
    unsigned style = 0;  // text style bits, button look, glyph or progress percent
  };

  explicit CFixedContext(int dpi = kMarkupDpi) : dpi_(dpi) {}
  static int CharWidth(const FontDesc& font, unsigned style);

  int Dpi() const override { return dpi_; }
  void SelectFont(const FontDesc& font, unsigned style) override;
  Size TextExtent(std::u16string_view text) override;
  int FitCount(std::u16string_view text, int maxWidth) override;
  Size MeasureText(std::u16string_view text, int width, unsigned format) override;
  std::vector<bool> WhiteSpace(std::u16string_view text) override;

  void SetTextColour(Colour colour) override { colour_ = colour; }
  void PaintText(int x, int y, std::u16string_view text, const Rect* clip) override;
  void PaintTextInRect(std::u16string_view text, const Rect& rect, unsigned format) override;
  void FillSolid(const Rect& rect, Colour colour) override;
  void FrameSolid(const Rect& rect, Colour colour) override;
  void FocusFrame(const Rect& rect) override;
  void PaintBitmap(const ::Bitmap& bitmap, const Rect& source, const Rect& target) override;
  void PaintButton(ButtonLook look, ButtonState state, const Rect& rect) override;
  void PaintProgress(const Rect& rect, int percent) override;
  void PaintGlyph(::Glyph glyph, const Rect& rect, Colour colour) override;
  Colour Shade(Colour colour, int luminanceChange) override { return colour; }

  const void* ShellIcon(int stockId, std::u16string_view file) override { return nullptr; }
  Size SmallIconSize() override { return {ScaleLength(16, dpi_), ScaleLength(16, dpi_)}; }
  void PaintIcon(const void* icon, int x, int y) override;

  std::vector<Operation> operations;

 private:
  void Record(Operation::Kind kind, const Rect& rect, std::u16string_view text, Colour colour, unsigned style);

  int dpi_;
  int charWidth_ = 6, lineHeight_ = 11;
  unsigned style_ = 0;
  Colour colour_ = 0;
};
