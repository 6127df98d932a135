#pragma once
// CLineObject: the base of every layout object. It holds the common attributes, the
// rectangle assigned by the parent's layout, and the virtual operations in slot order.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "markup/draw_context.h"

class CChDocument;
class CChParser;
class CLineObject;

// What a hit test found at a point.
struct HitInfo {
  CLineObject* object = nullptr;
  int link = -1;
  std::u16string tooltip;
  Rect tipRect;
  bool hand = false;
};

class CLineObject {
 public:
  enum Flags : std::uint32_t {
    kEnabled = 1,
    kHidden = 2,
    kFocusable = 4,
    kAnimated = 8,
    kWidthPercent = 16,
    kHeightPercent = 32,
    kTable = 256,
    kWidthAuto = 512,
    kHeightAuto = 1024,
    kClickable = 2048,
  };
  enum Kind : std::int32_t { kNone = 0, kText = 1, kImage = 3, kButton = 4, kProgress = 5, kTableKind = 6, kLine = 9 };

  CLineObject() = default;
  CLineObject& operator=(const CLineObject&) = delete;

  // Slots 0 to 19.
  virtual ~CLineObject();
  virtual bool Parse(const CChParser& parser, int& tagIndex, CChDocument& document) { return true; }
  virtual std::u16string ToolTipText(int link) const { return {}; }
  virtual CLineObject* ObjectAt(int x, int y, HitInfo& hit);
  virtual void SetSpecificAttribute(std::u16string_view name, std::u16string_view value) {}
  virtual void OnPress(int x, int y, bool down) {}
  virtual void OnActivate(int link) {}
  virtual Size Measure(IDrawContext& dc, int x, int y, int right, int bottom);
  virtual void Draw(IDrawContext& dc) { DrawBackground(dc); }
  virtual void MoveTo(int x, int y);
  virtual bool MoveFocus(bool enter, bool backward);
  virtual void OnTick(unsigned tick) {}
  virtual void InvalidateLink(int link);
  virtual void OnMouseLeave() {}
  virtual void ApplyTagAttributes();
  virtual std::u16string GetAttributeValue(std::u16string_view name) const { return {}; }
  virtual std::unique_ptr<CLineObject> Clone() const = 0;
  virtual CLineObject* LinkAt(int& link);
  virtual bool NthFocusable(int& count, CLineObject*& object, int& link);
  virtual const char16_t* GetTypeName() const = 0;

  // Common attributes (names compared without case); others go to the kind.
  void SetAttribute(std::u16string_view name, std::u16string_view value);
  // Joins the document; the parent (if any) hands down its font and text colour.
  void Attach(CChDocument* document, const CLineObject* parent);
  void SetSource(const CChParser* parser, int tagIndex);

  bool Has(std::uint32_t flag) const { return (flags_ & flag) != 0; }
  bool Visible() const { return !Has(kHidden); }
  bool CanFocus() const { return Has(kFocusable) && Visible() && Has(kEnabled); }
  Kind GetKind() const { return kind_; }
  const Rect& GetRect() const { return rect_; }
  // Margins and padding in the device's pixels (the mark-up's scaled to the document's DPI).
  ScaledSides Margins() const { return ScaledSides(margins_, Dpi()); }
  ScaledSides Padding() const { return ScaledSides(padding_, Dpi()); }
  const std::u16string& Identifier() const { return id_; }
  int Width() const { return width_; }    // as written: pixels at 96 dots per inch, or a percentage
  int Height() const { return height_; }
  int FocusedLink() const { return focusedLink_; }
  // The width or height an object asks for out of `available`: fixed pixels (scaled to the
  // document's DPI), or its percentage (automatic sizes count as 100 percent).
  int WidthBudget(int available) const;
  // Measures the object in its own size out of the space available at (x, y), inside
  // its margins and padding; answers its box, margins and padding included.
  Size MeasureBox(IDrawContext& dc, int x, int y, int availableWidth, int availableHeight);
  int HeightBudget(int available) const;
  bool WidthFixed() const { return !Has(kWidthPercent | kWidthAuto); }
  bool HeightFixed() const { return !Has(kHeightPercent | kHeightAuto); }
  std::uint8_t Alignment() const { return alignment_; }

 protected:
  CLineObject(const CLineObject& other);

  // Clones: a new object of the same kind with the prototype's settings.
  template <class T>
  std::unique_ptr<CLineObject> CloneAs() const {
    return std::unique_ptr<CLineObject>(new T(static_cast<const T&>(*this)));
  }
  void DrawBackground(IDrawContext& dc) const;
  // When focused and the focus mark is shown: a dotted frame round the object, or `frame`.
  void DrawFocusFrame(IDrawContext& dc) const { DrawFocusFrame(dc, rect_); }
  void DrawFocusFrame(IDrawContext& dc, const Rect& frame) const;
  const FontDesc& Font() const;
  Colour TextColour() const;
  // The DPI the document is laid out at, and a length written in mark-up at that DPI.
  int Dpi() const;
  int Px(int length) const { return ScaleLength(length, Dpi()); }
  bool IsFocused() const;
  bool IsHovered() const;

  std::u16string name_;  // the following text of the tag
  std::u16string id_;
  const Bitmap* background_ = nullptr;
  const Bitmap* hoverBackground_ = nullptr;
  Colour backgroundColour_ = kTransparent;
  Colour hoverBackgroundColour_ = kTransparent;
  Sides backgroundPosition_;
  std::uint8_t backgroundStretch_ = 0;
  std::uint8_t backgroundAlignment_ = 0;
  std::uint8_t backgroundRepeat_ = 0;
  Rect rect_;
  Sides margins_;
  Sides padding_;
  int width_ = 100, height_ = 100;
  std::uint8_t alignment_ = 0;
  int focusedLink_ = -1;
  std::uint32_t flags_ = kEnabled | kWidthPercent | kHeightPercent;
  const CChParser* parser_ = nullptr;
  int tagIndex_ = -1;
  Kind kind_ = kNone;
  const FontDesc* font_ = nullptr;  // null: the document's default font
  Colour textColour_ = kTransparent;  // transparent: the document's default colour
  CChDocument* document_ = nullptr;
};
