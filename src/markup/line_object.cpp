#include "markup/line_object.h"

#include <algorithm>

#include "common/text.h"
#include "markup/document.h"
#include "markup/values.h"

using parental::common::EqualsNoCase;

CLineObject::CLineObject(const CLineObject& other)
    : name_(other.name_),
      background_(other.background_),
      hoverBackground_(other.hoverBackground_),
      backgroundColour_(other.backgroundColour_),
      hoverBackgroundColour_(other.hoverBackgroundColour_),
      backgroundPosition_(other.backgroundPosition_),
      backgroundStretch_(other.backgroundStretch_),
      backgroundAlignment_(other.backgroundAlignment_),
      backgroundRepeat_(other.backgroundRepeat_),
      margins_(other.margins_),
      padding_(other.padding_),
      width_(other.width_),
      height_(other.height_),
      alignment_(other.alignment_),
      flags_(other.flags_ & ~kAnimated),
      kind_(other.kind_),
      font_(other.font_),
      textColour_(other.textColour_) {}

CLineObject::~CLineObject() {
  if (document_) document_->Forget(this);
}

void CLineObject::Attach(CChDocument* document, const CLineObject* parent) {
  document_ = document;
  if (parent) {
    if (!font_) font_ = parent->font_;
    if (textColour_ == kTransparent) textColour_ = parent->textColour_;
  }
}

void CLineObject::SetSource(const CChParser* parser, int tagIndex) {
  parser_ = parser;
  tagIndex_ = tagIndex;
  if (parser) name_.assign(parser->FollowingText(tagIndex));
}

void CLineObject::ApplyTagAttributes() {
  if (!parser_) return;
  std::u16string name, value;
  for (int i = 0; parser_->GetTagAttribute(tagIndex_, i, name, value); ++i) SetAttribute(name, value);
}

namespace {

void SetFlag(std::uint32_t& flags, std::uint32_t flag, bool on) { flags = on ? flags | flag : flags & ~flag; }

// WIDTH and HEIGHT: pixels, a percentage, or AUTO.
void SetLength(std::u16string_view value, int& size, std::uint32_t& flags, std::uint32_t percent,
               std::uint32_t automatic) {
  Length length = ReadLength(value);
  size = length.value;
  SetFlag(flags, percent, length.percent);
  SetFlag(flags, automatic, length.automatic);
}

}  // namespace

void CLineObject::SetAttribute(std::u16string_view name, std::u16string_view value) {
  auto is = [&](const char16_t* word) { return EqualsNoCase(name, word); };
  if (is(u"ID")) {
    id_.assign(value);
    if (document_) document_->RegisterId(id_, this);
  } else if (is(u"CLASS")) {
    if (!document_) return;
    CChParser parser;
    parser.Parse(document_->ClassText(value));
    std::u16string attribute, text;
    for (int tag = 0; tag < parser.TagCount(); ++tag) {
      for (int i = 0; parser.GetTagAttribute(tag, i, attribute, text); ++i) {
        if (!EqualsNoCase(attribute, u"CLASS")) SetAttribute(attribute, text);  // no class loops
      }
    }
  } else if (is(u"ALIGN")) {
    alignment_ = static_cast<std::uint8_t>(ReadFlagBits(value, {1, 2, 8, 4}));
  } else if (is(u"MARGIN")) {
    margins_ = ReadSides(value);
  } else if (is(u"PADDING")) {
    padding_ = ReadSides(value);
  } else if (is(u"BG") || is(u"HOVER-BG")) {
    const Bitmap* bitmap = document_ ? document_->BitmapNamed(value) : nullptr;
    if (bitmap) (is(u"BG") ? background_ : hoverBackground_) = bitmap;
  } else if (is(u"FONT")) {
    const FontDesc* font = document_ ? document_->Font(value) : nullptr;
    if (font) font_ = font;
  } else if (is(u"BG-ALIGN")) {
    backgroundAlignment_ = static_cast<std::uint8_t>(ReadFlagBits(value, {1, 2, 8, 4}));
  } else if (is(u"BG-COLOR") || is(u"HOVER-BG-COLOR")) {
    if (auto colour = ReadColour(value, true)) (is(u"BG-COLOR") ? backgroundColour_ : hoverBackgroundColour_) = *colour;
  } else if (is(u"BG-POSITION")) {
    backgroundPosition_ = ReadSides(value);
  } else if (is(u"BG-REPEAT")) {
    backgroundRepeat_ = ReadFlag(value);
  } else if (is(u"LINK")) {
    SetFlag(flags_, kClickable, ReadFlag(value));
  } else if (is(u"BG-STRETCH")) {
    backgroundStretch_ = static_cast<std::uint8_t>(ReadFlagBits(value, {1, 2, 4, 8, 16}));
  } else if (is(u"ENABLE")) {
    SetFlag(flags_, kEnabled, ReadFlag(value));
  } else if (is(u"VISIBLE")) {
    SetFlag(flags_, kHidden, !ReadFlag(value));
  } else if (is(u"WIDTH")) {
    SetLength(value, width_, flags_, kWidthPercent, kWidthAuto);
  } else if (is(u"HEIGHT")) {
    SetLength(value, height_, flags_, kHeightPercent, kHeightAuto);
  } else if (is(u"TEXT-COLOR")) {
    if (auto colour = ReadColour(value)) textColour_ = *colour;
  } else {
    SetSpecificAttribute(name, value);
  }
}

int CLineObject::WidthBudget(int available) const {
  if (WidthFixed()) return Px(width_);
  return ClampCoordinate(static_cast<long long>(available) * std::max(width_, 0) / 100);
}

int CLineObject::HeightBudget(int available) const {
  if (HeightFixed()) return Px(height_);
  return ClampCoordinate(static_cast<long long>(available) * std::max(height_, 0) / 100);
}

Size CLineObject::MeasureBox(IDrawContext& dc, int x, int y, int availableWidth, int availableHeight) {
  const ScaledSides m = Margins(), p = Padding();
  const int hs = m.Horizontal() + p.Horizontal(), vs = m.Vertical() + p.Vertical();
  const int width = std::max(0, WidthBudget(availableWidth) - hs);
  const int height = std::max(0, HeightBudget(availableHeight) - vs);
  const int left = x + m.left + p.left, top = y + m.top + p.top;
  const Size size = Measure(dc, left, top, left + width, top + height);
  return {size.cx + hs, size.cy + vs};
}

CLineObject* CLineObject::ObjectAt(int x, int y, HitInfo& hit) {
  hit.object = this;
  if (Has(kClickable) || CanFocus()) {
    hit.link = 0;
    hit.hand = Has(kClickable);
    hit.tipRect = rect_;
    hit.tooltip = ToolTipText(0);
  }
  return this;
}

// Leaves take the space they are given; the kinds refine this.
Size CLineObject::Measure(IDrawContext& dc, int x, int y, int right, int bottom) {
  Size size{std::max(0, right - x), std::max(0, bottom - y)};
  rect_ = {x, y, x + size.cx, y + size.cy};
  return size;
}

void CLineObject::MoveTo(int x, int y) { rect_ = rect_.Offset(x - rect_.left, y - rect_.top); }

bool CLineObject::MoveFocus(bool enter, bool backward) {
  if (enter && CanFocus()) {
    focusedLink_ = 0;
    if (document_) document_->focus = {this, 0, document_->focus.shown};
    return true;
  }
  focusedLink_ = -1;
  return false;
}

void CLineObject::InvalidateLink(int link) {
  if (!document_) return;
  const ScaledSides m = Margins();
  document_->Invalidate({rect_.left - m.left, rect_.top - m.top, rect_.right + m.right, rect_.bottom + m.bottom});
}

CLineObject* CLineObject::LinkAt(int& link) {
  link = focusedLink_;
  return focusedLink_ >= 0 ? this : nullptr;
}

bool CLineObject::NthFocusable(int& count, CLineObject*& object, int& link) {
  if (!CanFocus()) return false;
  if (--count > 0) return false;
  object = this;
  link = -1;
  return true;
}

const FontDesc& CLineObject::Font() const {
  static const FontDesc fallback;
  if (font_) return *font_;
  return document_ ? document_->defaultFont : fallback;
}

int CLineObject::Dpi() const { return document_ ? document_->Dpi() : kMarkupDpi; }

Colour CLineObject::TextColour() const {
  if (textColour_ != kTransparent) return textColour_;
  return document_ ? document_->defaultTextColour : 0;
}

bool CLineObject::IsFocused() const { return document_ && document_->focus.object == this; }
void CLineObject::DrawFocusFrame(IDrawContext& dc, const Rect& frame) const {
  if (IsFocused() && document_->focus.shown) dc.FocusFrame(frame);
}

bool CLineObject::IsHovered() const { return document_ && document_->hover.object == this; }

// Background colour, then the image: once at its position and alignment, tiled, or stretched.
void CLineObject::DrawBackground(IDrawContext& dc) const {
  Colour colour = IsHovered() && hoverBackgroundColour_ != kTransparent ? hoverBackgroundColour_ : backgroundColour_;
  if (colour != kTransparent) dc.FillSolid(rect_, colour);
  const Bitmap* image = IsHovered() && hoverBackground_ ? hoverBackground_ : background_;
  if (!image || image->width <= 0 || image->height <= 0) return;
  const ScaledSides position(backgroundPosition_, Dpi());
  const Rect area{rect_.left + position.left, rect_.top + position.top, rect_.right - position.right,
                  rect_.bottom - position.bottom};
  if (area.Empty()) return;
  const Rect whole{0, 0, image->width, image->height};
  if (backgroundStretch_) {
    dc.PaintBitmap(*image, whole, area);
    return;
  }
  if (!backgroundRepeat_) {
    int x = area.left, y = area.top;
    if ((backgroundAlignment_ & 3) == 3) x = (area.left + area.right - image->width) / 2;
    else if (backgroundAlignment_ & 2) x = area.right - image->width;
    if ((backgroundAlignment_ & 12) == 12) y = (area.top + area.bottom - image->height) / 2;
    else if (backgroundAlignment_ & 4) y = area.bottom - image->height;
    dc.PaintBitmap(*image, whole, {x, y, x + image->width, y + image->height});
    return;
  }
  for (int y = area.top; y < area.bottom; y += image->height) {
    for (int x = area.left; x < area.right; x += image->width) {
      int w = std::min(image->width, area.right - x), h = std::min(image->height, area.bottom - y);
      dc.PaintBitmap(*image, {0, 0, w, h}, {x, y, x + w, y + h});
    }
  }
}
