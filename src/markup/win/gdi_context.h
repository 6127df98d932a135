#pragma once
// IDrawContext over a GDI device context: fonts, text extents, DrawTextW and
// ExtTextOutW, AlphaBlend, theme parts through UxTheme and Uniscribe word breaks
// (both resolved at run time, with the documented fallbacks), small shell icons. Fonts and
// icons are made at the context's DPI: a window's, or the device context's own.
#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "markup/draw_context.h"
#include "markup/win/theme_image_cache.h"

// A font as the engine describes it; its height is at `dpi`, the DPI it was made for.
FontDesc DescribeFont(HFONT font, int dpi);

class CGdiContext : public IDrawContext {
 public:
  // `dpi` 0: the device context's logical pixels.
  explicit CGdiContext(HDC dc, int dpi = 0);
  ~CGdiContext() override;
  CGdiContext(const CGdiContext&) = delete;
  CGdiContext& operator=(const CGdiContext&) = delete;

  int Dpi() const override { return dpi_; }
  void SetDpi(int dpi) { dpi_ = dpi; }
  void SelectFont(const FontDesc& font, unsigned style) override;
  Size TextExtent(std::u16string_view text) override;
  int FitCount(std::u16string_view text, int maxWidth) override;
  Size MeasureText(std::u16string_view text, int width, unsigned format) override;
  std::vector<bool> WhiteSpace(std::u16string_view text) override;

  bool InArea(const Rect& area) override;  // in the clip region
  void SetTextColour(Colour colour) override { ::SetTextColor(dc_, colour); }
  void PaintText(int x, int y, std::u16string_view text, const Rect* clip) override;
  void PaintTextInRect(std::u16string_view text, const Rect& rect, unsigned format) override;
  void FillSolid(const Rect& rect, Colour colour) override;
  void FrameSolid(const Rect& rect, Colour colour) override;
  void FocusFrame(const Rect& rect) override;
  void PaintBitmap(const Bitmap& bitmap, const Rect& source, const Rect& target) override;
  void PaintButton(ButtonLook look, ButtonState state, const Rect& rect) override;
  void PaintProgress(const Rect& rect, int percent) override;
  void PaintGlyph(Glyph glyph, const Rect& rect, Colour colour) override;
  Colour Shade(Colour colour, int luminanceChange) override;

  const void* ShellIcon(int stockId, std::u16string_view file) override;
  Size SmallIconSize() override;
  void PaintIcon(const void* icon, int x, int y) override;

 private:
  using FontKey = std::tuple<std::u16string, int, int, bool, bool>;
  bool PaintThemePart(const wchar_t* themeClass, int part, int state, const Rect& rect);

  HDC dc_;
  int dpi_;
  HGDIOBJ originalFont_;
  HBRUSH pattern_ = nullptr;
  std::map<FontKey, HFONT> fonts_;
  std::map<std::pair<int, std::u16string>, HICON> icons_;
  std::map<std::wstring, void*> themes_;  // HTHEME by class; null where the class has no theme data
  CThemeImageCache parts_;
};
