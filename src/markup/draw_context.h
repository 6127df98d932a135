#pragma once
// Everything the layout objects measure and draw goes through IDrawContext: a GDI
// device context on Windows, fixed metrics in the portable tests. Fonts, bitmaps and
// skins are plain descriptions here; each context makes its own handles from them.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "markup/geometry.h"

// Style bits of a text run.
constexpr unsigned kBold = 1, kItalic = 2, kUnderline = 4;

struct FontDesc {
  std::u16string face = u"Tahoma";
  int height = -11;  // pixels; negative: character height, as in a LOGFONT
  int weight = 400;
  bool italic = false;
  bool underline = false;
  int dpi = kMarkupDpi;  // the dots per inch `height` is given at; a context scales it to its own
};

// A style that a document's owner names: a font, a text colour, or both.
struct NamedStyle {
  std::optional<FontDesc> font;
  std::optional<Colour> colour;
};

// A 32-bit top-down bitmap with premultiplied alpha; `native` is the platform handle.
struct Bitmap {
  int width = 0, height = 0;
  void* native = nullptr;
};

// Colours of a skinned button or progress bar; hover and pressed shades are derived.
struct Skin {
  Colour face = Rgb(255, 255, 255);
  Colour border = Rgb(112, 112, 112);
  Colour text = Rgb(0, 0, 0);
  Colour mark = Rgb(0, 0, 0);  // check mark, radio dot, drop arrow, progress fill
  // Push buttons of this skin open a menu: a drop arrow in the space kept right of the caption.
  bool menuArrow = false;
};

enum class ButtonLook { Push, ComboBox, CheckBox, RadioButton };

struct ButtonState {
  bool checked = false, hot = false, pressed = false, disabled = false;
};

// Small marks drawn by skinned buttons.
enum class Glyph { CheckMark, RadioDot, DropArrow };

// DrawTextW formats used by the objects (same values as the platform's).
constexpr unsigned kTextBottom = 0x08, kTextWordBreak = 0x10, kTextSingleLine = 0x20, kTextCalcRect = 0x400,
                   kTextPathEllipsis = 0x4000;

class IDrawContext {
 public:
  virtual ~IDrawContext() = default;

  // The dots per inch of what the context draws on: a document laid out through it scales
  // the lengths of its mark-up to them, and fonts are made at them.
  virtual int Dpi() const = 0;

  // Measuring, in the selected font.
  virtual void SelectFont(const FontDesc& font, unsigned style) = 0;
  virtual Size TextExtent(std::u16string_view text) = 0;
  // How many leading characters fit in maxWidth (GetTextExtentExPointW).
  virtual int FitCount(std::u16string_view text, int maxWidth) = 0;
  // Bounding size of text laid out by DrawTextW with kTextCalcRect in `width`.
  virtual Size MeasureText(std::u16string_view text, int width, unsigned format) = 0;
  // One flag per character: the script analysis marks it as white space.
  virtual std::vector<bool> WhiteSpace(std::u16string_view text) = 0;

  // Drawing. Whether anything drawn in `area` can show: objects outside the area to
  // repaint are passed over. Contexts without such an area answer true.
  virtual bool InArea(const Rect& area) { return true; }
  virtual void SetTextColour(Colour colour) = 0;
  virtual void PaintText(int x, int y, std::u16string_view text, const Rect* clip) = 0;  // ExtTextOutW
  virtual void PaintTextInRect(std::u16string_view text, const Rect& rect, unsigned format) = 0;  // DrawTextW
  virtual void FillSolid(const Rect& rect, Colour colour) = 0;
  virtual void FrameSolid(const Rect& rect, Colour colour) = 0;
  virtual void FocusFrame(const Rect& rect) = 0;  // dotted, with the 8 x 8 pattern brush
  virtual void PaintBitmap(const Bitmap& bitmap, const Rect& source, const Rect& target) = 0;  // AlphaBlend
  virtual void PaintButton(ButtonLook look, ButtonState state, const Rect& rect) = 0;  // platform look
  virtual void PaintProgress(const Rect& rect, int percent) = 0;                        // platform look
  virtual void PaintGlyph(Glyph glyph, const Rect& rect, Colour colour) = 0;
  virtual Colour Shade(Colour colour, int luminanceChange) = 0;  // through hue, luminance, saturation

  // Small shell icons: stock icon `stockId`, or the icon of `file` when it is not empty.
  // The context owns the handles; null when the shell has none.
  virtual const void* ShellIcon(int stockId, std::u16string_view file) = 0;
  virtual Size SmallIconSize() = 0;  // the system's, at the context's DPI
  virtual void PaintIcon(const void* icon, int x, int y) = 0;
};
