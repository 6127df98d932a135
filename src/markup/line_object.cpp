#include "markup/line_object.h"

#include <algorithm>

#include "common/text.h"
#include "markup/document.h"
#include "markup/values.h"

using parental::common::EqualsNoCase;

CLineObject::CLineObject(const CLineObject& other)
    : m_name(other.m_name),
      m_background(other.m_background),
      m_hoverBackground(other.m_hoverBackground),
      m_backgroundColour(other.m_backgroundColour),
      m_hoverBackgroundColour(other.m_hoverBackgroundColour),
      m_backgroundPosition(other.m_backgroundPosition),
      m_backgroundStretch(other.m_backgroundStretch),
      m_backgroundAlignment(other.m_backgroundAlignment),
      m_backgroundRepeat(other.m_backgroundRepeat),
      m_margins(other.m_margins),
      m_padding(other.m_padding),
      m_width(other.m_width),
      m_height(other.m_height),
      m_alignment(other.m_alignment),
      m_flags(other.m_flags & ~kAnimated),
      m_kind(other.m_kind),
      m_font(other.m_font),
      m_textColour(other.m_textColour) {}

CLineObject::~CLineObject() {
  if (m_document) m_document->Forget(this);
}

void CLineObject::Attach(CChDocument* document, const CLineObject* parent) {
  m_document = document;
  if (parent) {
    if (!m_font) m_font = parent->m_font;
    if (m_textColour == kTransparent) m_textColour = parent->m_textColour;
  }
}

void CLineObject::SetSource(const CChParser* parser, int tagIndex) {
  m_parser = parser;
  m_tagIndex = tagIndex;
  if (parser) m_name.assign(parser->FollowingText(tagIndex));
}

void CLineObject::ApplyTagAttributes() {
  if (!m_parser) return;
  std::u16string name, value;
  for (int i = 0; m_parser->GetTagAttribute(m_tagIndex, i, name, value); ++i) SetAttribute(name, value);
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
    m_id.assign(value);
    if (m_document) m_document->RegisterId(m_id, this);
  } else if (is(u"CLASS")) {
    if (!m_document) return;
    CChParser parser;
    parser.Parse(m_document->ClassText(value));
    std::u16string attribute, text;
    for (int tag = 0; tag < parser.TagCount(); ++tag) {
      for (int i = 0; parser.GetTagAttribute(tag, i, attribute, text); ++i) {
        if (!EqualsNoCase(attribute, u"CLASS")) SetAttribute(attribute, text);  // no class loops
      }
    }
  } else if (is(u"ALIGN")) {
    m_alignment = static_cast<std::uint8_t>(ReadFlagBits(value, {1, 2, 8, 4}));
  } else if (is(u"MARGIN")) {
    m_margins = ReadSides(value);
  } else if (is(u"PADDING")) {
    m_padding = ReadSides(value);
  } else if (is(u"BG") || is(u"HOVER-BG")) {
    const Bitmap* bitmap = m_document ? m_document->BitmapNamed(value) : nullptr;
    if (bitmap) (is(u"BG") ? m_background : m_hoverBackground) = bitmap;
  } else if (is(u"FONT")) {
    const FontDesc* font = m_document ? m_document->Font(value) : nullptr;
    if (font) m_font = font;
  } else if (is(u"BG-ALIGN")) {
    m_backgroundAlignment = static_cast<std::uint8_t>(ReadFlagBits(value, {1, 2, 8, 4}));
  } else if (is(u"BG-COLOR") || is(u"HOVER-BG-COLOR")) {
    if (auto colour = ReadColour(value, true)) (is(u"BG-COLOR") ? m_backgroundColour : m_hoverBackgroundColour) = *colour;
  } else if (is(u"BG-POSITION")) {
    m_backgroundPosition = ReadSides(value);
  } else if (is(u"BG-REPEAT")) {
    m_backgroundRepeat = ReadFlag(value);
  } else if (is(u"LINK")) {
    SetFlag(m_flags, kClickable, ReadFlag(value));
  } else if (is(u"BG-STRETCH")) {
    m_backgroundStretch = static_cast<std::uint8_t>(ReadFlagBits(value, {1, 2, 4, 8, 16}));
  } else if (is(u"ENABLE")) {
    SetFlag(m_flags, kEnabled, ReadFlag(value));
  } else if (is(u"VISIBLE")) {
    SetFlag(m_flags, kHidden, !ReadFlag(value));
  } else if (is(u"WIDTH")) {
    SetLength(value, m_width, m_flags, kWidthPercent, kWidthAuto);
  } else if (is(u"HEIGHT")) {
    SetLength(value, m_height, m_flags, kHeightPercent, kHeightAuto);
  } else if (is(u"TEXT-COLOR")) {
    if (auto colour = ReadColour(value)) m_textColour = *colour;
  } else {
    SetSpecificAttribute(name, value);
  }
}

int CLineObject::WidthBudget(int available) const {
  if (WidthFixed()) return m_width;
  return ClampCoordinate(static_cast<long long>(available) * std::max(m_width, 0) / 100);
}

int CLineObject::HeightBudget(int available) const {
  if (HeightFixed()) return m_height;
  return ClampCoordinate(static_cast<long long>(available) * std::max(m_height, 0) / 100);
}

Size CLineObject::MeasureBox(IDrawContext& dc, int x, int y, int availableWidth, int availableHeight) {
  const int hs = m_margins.Horizontal() + m_padding.Horizontal(), vs = m_margins.Vertical() + m_padding.Vertical();
  const int width = std::max(0, WidthBudget(availableWidth) - hs);
  const int height = std::max(0, HeightBudget(availableHeight) - vs);
  const int left = x + m_margins.left + m_padding.left, top = y + m_margins.top + m_padding.top;
  const Size size = Measure(dc, left, top, left + width, top + height);
  return {size.cx + hs, size.cy + vs};
}

CLineObject* CLineObject::ObjectAt(int x, int y, HitInfo& hit) {
  hit.object = this;
  if (Has(kClickable) || CanFocus()) {
    hit.link = 0;
    hit.hand = Has(kClickable);
    hit.tipRect = m_rect;
    hit.tooltip = ToolTipText(0);
  }
  return this;
}

// Leaves take the space they are given; the kinds refine this.
Size CLineObject::Measure(IDrawContext& dc, int x, int y, int right, int bottom) {
  Size size{std::max(0, right - x), std::max(0, bottom - y)};
  m_rect = {x, y, x + size.cx, y + size.cy};
  return size;
}

void CLineObject::MoveTo(int x, int y) { m_rect = m_rect.Offset(x - m_rect.left, y - m_rect.top); }

bool CLineObject::MoveFocus(bool enter, bool backward) {
  if (enter && CanFocus()) {
    m_focusedLink = 0;
    if (m_document) m_document->focus = {this, 0, m_document->focus.shown};
    return true;
  }
  m_focusedLink = -1;
  return false;
}

void CLineObject::InvalidateLink(int link) {
  if (!m_document) return;
  m_document->Invalidate(
      {m_rect.left - m_margins.left, m_rect.top - m_margins.top, m_rect.right + m_margins.right,
       m_rect.bottom + m_margins.bottom});
}

CLineObject* CLineObject::LinkAt(int& link) {
  link = m_focusedLink;
  return m_focusedLink >= 0 ? this : nullptr;
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
  if (m_font) return *m_font;
  return m_document ? m_document->defaultFont : fallback;
}

Colour CLineObject::TextColour() const {
  if (m_textColour != kTransparent) return m_textColour;
  return m_document ? m_document->defaultTextColour : 0;
}

bool CLineObject::IsFocused() const { return m_document && m_document->focus.object == this; }
void CLineObject::DrawFocusFrame(IDrawContext& dc) const {
  if (IsFocused() && m_document->focus.shown) dc.FocusFrame(m_rect);
}

bool CLineObject::IsHovered() const { return m_document && m_document->hover.object == this; }

// Background colour, then the image: once at its position and alignment, tiled, or stretched.
void CLineObject::DrawBackground(IDrawContext& dc) const {
  Colour colour = IsHovered() && m_hoverBackgroundColour != kTransparent ? m_hoverBackgroundColour : m_backgroundColour;
  if (colour != kTransparent) dc.FillSolid(m_rect, colour);
  const Bitmap* image = IsHovered() && m_hoverBackground ? m_hoverBackground : m_background;
  if (!image || image->width <= 0 || image->height <= 0) return;
  const Rect area{m_rect.left + m_backgroundPosition.left, m_rect.top + m_backgroundPosition.top,
                  m_rect.right - m_backgroundPosition.right, m_rect.bottom - m_backgroundPosition.bottom};
  if (area.Empty()) return;
  const Rect whole{0, 0, image->width, image->height};
  if (m_backgroundStretch) {
    dc.PaintBitmap(*image, whole, area);
    return;
  }
  if (!m_backgroundRepeat) {
    int x = area.left, y = area.top;
    if ((m_backgroundAlignment & 3) == 3) x = (area.left + area.right - image->width) / 2;
    else if (m_backgroundAlignment & 2) x = area.right - image->width;
    if ((m_backgroundAlignment & 12) == 12) y = (area.top + area.bottom - image->height) / 2;
    else if (m_backgroundAlignment & 4) y = area.bottom - image->height;
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
