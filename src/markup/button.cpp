#include "markup/button.h"

#include <algorithm>
#include <vector>

#include "common/text.h"
#include "markup/document.h"
#include "markup/values.h"

using parental::common::EqualsNoCase;
using parental::common::FormatDecimal;

namespace {

std::vector<std::u16string> Split(std::u16string_view text, char16_t separator) {
  std::vector<std::u16string> parts;
  if (text.empty()) return parts;
  for (std::size_t start = 0;;) {
    auto end = text.find(separator, start);
    parts.emplace_back(text.substr(start, end == std::u16string_view::npos ? end : end - start));
    if (end == std::u16string_view::npos) return parts;
    start = end + 1;
  }
}

constexpr int kIconGap = 4;
constexpr int kBoxSize = 13;  // check box and radio button of a skin

}  // namespace

CLineObject* CButtonLO::ObjectAt(int x, int y, HitInfo& hit) {
  CLineObject::ObjectAt(x, y, hit);
  hit.hand = false;
  return this;
}

void CButtonLO::SetSpecificAttribute(std::u16string_view name, std::u16string_view value) {
  auto is = [&](const char16_t* word) { return EqualsNoCase(name, word); };
  if (is(u"TYPE")) {
    m_look = EqualsNoCase(value, u"COMBOBOX")      ? ButtonLook::ComboBox
             : EqualsNoCase(value, u"CHECKBOX")    ? ButtonLook::CheckBox
             : EqualsNoCase(value, u"RADIOBUTTON") ? ButtonLook::RadioButton
                                                   : ButtonLook::Push;
    // Room for the box (left) or the drop arrow (right); a later H-OFFSET wins.
    const int scrollBar = m_document ? m_document->scrollBarWidth : 0;
    if (m_look == ButtonLook::CheckBox || m_look == ButtonLook::RadioButton) m_offset[0] = scrollBar;
    if (m_look == ButtonLook::ComboBox) m_offset[1] = scrollBar;
  } else if (is(u"CAPTION")) {
    m_caption.assign(value);
  } else if (is(u"ITEMS")) {
    m_items.assign(value);
  } else if (is(u"SELECT")) {
    Select(ReadNumber(value));
  } else if (is(u"STATE")) {
    m_state = ReadNumber(value);
  } else if (is(u"GROUP")) {
    m_group.assign(value);
  } else if (is(u"TOOLTIP")) {
    m_tooltip.assign(value);
  } else if (is(u"SKIN")) {
    if (const Skin* skin = m_document ? m_document->SkinNamed(value) : nullptr) m_skin = skin;
  } else if (is(u"ICON")) {
    if (const Bitmap* icon = m_document ? m_document->BitmapNamed(value) : nullptr) m_icon = icon;
  } else if (is(u"IMAGE-BUTTON")) {
    m_imageButton = ReadFlag(value);
  } else if (is(u"H-OFFSET")) {
    auto list = ReadList(value);
    m_offset[0] = std::max(0, ReadLengthNumber(ListEntry(list, 0)));
    m_offset[1] = std::max(0, ReadLengthNumber(ListEntry(list, 1)));
  } else if (is(u"MULTILINE")) {
    m_multiline = ReadFlag(value);
  } else if (is(u"MAX-WIDTH")) {
    m_maxWidth = std::max(0, ReadLengthNumber(value));
  } else if (is(u"TIME")) {
    m_animation.period = ReadNumber(value);
    if (m_icon) m_animation.frames = std::max(1, m_icon->width / std::max(1, m_icon->height));
    const bool running = m_animation.Running();
    m_flags = running ? m_flags | kAnimated : m_flags & ~kAnimated;
    if (m_document) m_document->SetAnimated(this, running);
  }
}

void CButtonLO::Select(int item) {
  auto items = Split(m_items, u';');
  if (item >= 0 && item < static_cast<int>(items.size())) m_caption = items[item];
}

// Icon frames are square: as wide as the bitmap is high.
int CButtonLO::IconWidth() const { return m_icon ? std::min(m_icon->width, m_icon->height) : 0; }

unsigned CButtonLO::CaptionFormat() const { return m_multiline ? kTextWordBreak : kTextSingleLine; }

Size CButtonLO::Measure(IDrawContext& dc, int x, int y, int right, int bottom) {
  const int offsets = m_offset[0] + m_offset[1];
  const int icon = m_icon ? IconWidth() + kIconGap : 0;
  dc.SelectFont(Font(), 0);
  Size size = dc.MeasureText(m_caption.empty() ? u" " : m_caption, std::max(1, right - x - offsets - icon), CaptionFormat());
  size.cx += offsets + icon;
  if (m_icon) size.cy = std::max(size.cy, m_icon->height);
  if (m_maxWidth > 0) size.cx = std::min(size.cx, m_maxWidth);
  if (WidthFixed()) size.cx = std::max(size.cx, right - x);
  if (HeightFixed()) size.cy = std::max(size.cy, bottom - y);
  m_rect = {x, y, x + size.cx, y + size.cy};
  return size;
}

void CButtonLO::Draw(IDrawContext& dc) {
  DrawBackground(dc);
  ButtonState state;
  state.checked = m_state != 0;
  state.hot = IsHovered();
  state.pressed = m_pressed;
  state.disabled = !Has(kEnabled);
  const bool box = m_look == ButtonLook::CheckBox || m_look == ButtonLook::RadioButton;
  // Check boxes and radio buttons draw their box in the left offset; the others fill the rectangle.
  Rect face = m_rect;
  if (box) {
    const int size = m_skin ? kBoxSize : std::min(kBoxSize, m_rect.Height());
    face.left = m_rect.left + std::max(0, (m_offset[0] - size) / 2);
    face.top = m_rect.top + (m_rect.Height() - size) / 2;
    face.right = face.left + size;
    face.bottom = face.top + size;
  }
  if (!m_imageButton && m_skin) {
    const int shade = state.pressed ? -200 : state.hot ? 100 : 0;
    dc.FillSolid(face, dc.Shade(m_skin->face, shade));
    dc.FrameSolid(face, dc.Shade(m_skin->border, state.hot ? -100 : 0));
    if (m_look == ButtonLook::CheckBox && state.checked) dc.PaintGlyph(Glyph::CheckMark, face, m_skin->mark);
    if (m_look == ButtonLook::RadioButton && state.checked) dc.PaintGlyph(Glyph::RadioDot, face, m_skin->mark);
    if (m_look == ButtonLook::ComboBox) {
      dc.PaintGlyph(Glyph::DropArrow, {m_rect.right - m_offset[1], m_rect.top, m_rect.right, m_rect.bottom}, m_skin->mark);
    }
  } else if (!m_imageButton) {
    dc.PaintButton(m_look, state, face);
  }
  Rect text{m_rect.left + m_offset[0], m_rect.top, m_rect.right - m_offset[1], m_rect.bottom};
  if (m_icon) {
    const int w = IconWidth(), frame = std::clamp(m_animation.active, 0, std::max(0, m_icon->width / std::max(1, w) - 1));
    const int top = m_rect.top + (m_rect.Height() - m_icon->height) / 2;
    dc.PaintBitmap(*m_icon, {frame * w, 0, frame * w + w, m_icon->height}, {text.left, top, text.left + w, top + m_icon->height});
    text.left += w + kIconGap;
  }
  dc.SelectFont(Font(), 0);
  dc.SetTextColour(state.disabled ? Rgb(128, 128, 128) : m_skin ? m_skin->text : TextColour());
  // The caption is centred on push buttons and combo boxes and starts at the offset otherwise.
  const Size caption = dc.MeasureText(m_caption, std::max(1, text.Width()), CaptionFormat());
  if (!box) text.left += std::max(0, (text.Width() - caption.cx) / 2);
  text.top += std::max(0, (text.Height() - caption.cy) / 2);
  dc.PaintTextInRect(m_caption, text, CaptionFormat());
  DrawFocusFrame(dc);
}

void CButtonLO::OnPress(int x, int y, bool down) {
  m_pressed = down;
  if (down || !Has(kEnabled)) return Redraw();
  switch (m_look) {
    case ButtonLook::Push:
      break;
    case ButtonLook::ComboBox:
      if (m_document && m_document->menuChooser) {
        const int chosen = m_document->menuChooser(Split(m_items, u';'), m_rect);
        if (chosen > 0) Select(chosen - 1);
      }
      break;
    case ButtonLook::CheckBox:
      m_state = m_state ? 0 : 1;
      break;
    case ButtonLook::RadioButton:
      for (const auto& id : Split(m_group, u';')) {
        CLineObject* other = m_document ? m_document->FindObject(id) : nullptr;
        if (other && other != this) {
          other->SetAttribute(u"STATE", u"0");
          other->InvalidateLink(0);
        }
      }
      m_state = 1;
      break;
  }
  Redraw();
}

void CButtonLO::OnTick(unsigned tick) {
  if (m_animation.Tick(tick)) Redraw();
}

std::u16string CButtonLO::GetAttributeValue(std::u16string_view name) const {
  static const char16_t* const kTypes[] = {u"button", u"combobox", u"checkbox", u"radiobutton"};
  if (EqualsNoCase(name, u"TYPE")) return kTypes[static_cast<int>(m_look)];
  if (EqualsNoCase(name, u"STATE")) {
    const auto magnitude = FormatDecimal(m_state < 0 ? 0u - static_cast<std::uint32_t>(m_state) : static_cast<std::uint32_t>(m_state));
    return m_state < 0 ? u"-" + magnitude : magnitude;
  }
  if (EqualsNoCase(name, u"CAPTION")) return m_caption;
  return {};
}
