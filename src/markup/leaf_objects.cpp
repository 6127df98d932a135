#include "markup/leaf_objects.h"

#include <algorithm>

#include "common/text.h"
#include "markup/document.h"
#include "markup/values.h"

using parental::common::EqualsNoCase;
using parental::common::FormatDecimal;

// Image: one frame of a bitmap whose frames lie side by side.

void CImageLO::SetSpecificAttribute(std::u16string_view name, std::u16string_view value) {
  auto is = [&](const char16_t* word) { return EqualsNoCase(name, word); };
  if (is(u"SRC")) {
    if (const Bitmap* bitmap = m_document ? m_document->BitmapNamed(value) : nullptr) m_bitmap = bitmap;
  } else if (is(u"FRAMES")) {
    m_animation.frames = ReadNumber(value);
  } else if (is(u"ACTIVE")) {
    m_animation.active = ReadNumber(value);
  } else if (is(u"V-ALIGN")) {
    m_verticalAlign = EqualsNoCase(value, u"TOP") ? kTop : EqualsNoCase(value, u"CENTER") ? kCentre : kBottom;
  } else if (is(u"TIME")) {
    m_animation.period = ReadNumber(value);
  } else {
    return;
  }
  const bool running = m_animation.Running();
  m_flags = running ? m_flags | kAnimated : m_flags & ~kAnimated;
  if (m_document) m_document->SetAnimated(this, running);
}

// The frame's size; a fixed HEIGHT makes room in which V-ALIGN places the frame.
Size CImageLO::Measure(IDrawContext& dc, int x, int y, int right, int bottom) {
  Size size;
  if (m_bitmap) size = {m_bitmap->width / m_animation.Count(), m_bitmap->height};
  if (HeightFixed()) size.cy = std::max(size.cy, bottom - y);
  m_rect = {x, y, x + size.cx, y + size.cy};
  return size;
}

void CImageLO::Draw(IDrawContext& dc) {
  DrawBackground(dc);
  if (!m_bitmap) return;
  const int w = m_bitmap->width / m_animation.Count(), h = m_bitmap->height;
  const int frame = m_animation.active;
  if (frame < 0 || frame >= m_animation.Count()) return;
  int top = m_rect.bottom - h;
  if (m_verticalAlign == kTop) top = m_rect.top;
  else if (m_verticalAlign == kCentre) top = (m_rect.top + m_rect.bottom - h) / 2;
  dc.PaintBitmap(*m_bitmap, {frame * w, 0, frame * w + w, h}, {m_rect.left, top, m_rect.left + w, top + h});
}

void CImageLO::OnTick(unsigned tick) {
  if (m_animation.Tick(tick)) InvalidateLink(0);
}

// Line: a solid rule as wide as the space left.

Size CLineLO::Measure(IDrawContext& dc, int x, int y, int right, int bottom) {
  const int width = std::max(0, right - x), height = std::max(0, m_height);
  m_rect = {x, y, x + width, y + height};
  return {width, height};
}

void CLineLO::Draw(IDrawContext& dc) { dc.FillSolid(m_rect, TextColour()); }

// Path: the tag's following text, as high as the letter Q.

Size CPathLO::Measure(IDrawContext& dc, int x, int y, int right, int bottom) {
  dc.SelectFont(Font(), 0);
  const Size size{std::max(0, right - x), dc.TextExtent(u"Q").cy};
  m_rect = {x, y, x + size.cx, y + size.cy};
  return size;
}

void CPathLO::Draw(IDrawContext& dc) {
  DrawBackground(dc);
  dc.SelectFont(Font(), 0);
  dc.SetTextColour(TextColour());
  dc.PaintTextInRect(m_name, m_rect, kTextPathEllipsis | kTextSingleLine | kTextBottom);
}

// Icon: a shell icon or a named bitmap; a pipe is a separator.

void CIconLO::SetSpecificAttribute(std::u16string_view name, std::u16string_view value) {
  if (EqualsNoCase(name, u"TYPE")) {
    m_type = EqualsNoCase(value, u"SHIELD")    ? Type::Shield
             : EqualsNoCase(value, u"INFOTIP") ? Type::InfoTip
             : EqualsNoCase(value, u"PIPE")    ? Type::Pipe
                                               : Type::None;
  } else if (EqualsNoCase(name, u"FILE")) {
    m_file.assign(value);
  } else if (EqualsNoCase(name, u"TOOLTIP")) {
    m_tooltip.assign(value);
  }
}

CLineObject* CIconLO::ObjectAt(int x, int y, HitInfo& hit) {
  CLineObject::ObjectAt(x, y, hit);
  if (!m_tooltip.empty()) {
    hit.tooltip = m_tooltip;
    hit.tipRect = m_rect;
  }
  return this;
}

Size CIconLO::Measure(IDrawContext& dc, int x, int y, int right, int bottom) {
  m_icon = nullptr;
  m_bitmap = nullptr;
  if (!m_file.empty()) {
    m_icon = dc.ShellIcon(0, m_file);
    if (!m_icon) m_icon = dc.ShellIcon(2, {});  // a document
  } else if (m_type == Type::Shield) {
    m_icon = dc.ShellIcon(77, {});
    if (!m_icon && m_document) m_bitmap = m_document->BitmapNamed(u"shield");
  } else if (m_type == Type::InfoTip && m_document) {
    m_bitmap = m_document->BitmapNamed(u"infotip");
  }
  Size size;
  if (m_icon) {
    size = dc.SmallIconSize();
  } else if (m_bitmap) {
    size = {m_bitmap->width, m_bitmap->height};
  } else if (m_type == Type::Pipe) {
    dc.SelectFont(Font(), 0);
    size = {1, dc.TextExtent(u"|").cy};
  }
  m_rect = {x, y, x + size.cx, y + size.cy};
  return size;
}

void CIconLO::Draw(IDrawContext& dc) {
  DrawBackground(dc);
  if (m_icon) {
    dc.PaintIcon(m_icon, m_rect.left, m_rect.top);
  } else if (m_bitmap) {
    dc.PaintBitmap(*m_bitmap, {0, 0, m_bitmap->width, m_bitmap->height}, m_rect);
  } else if (m_type == Type::Pipe) {
    dc.FillSolid(m_rect, TextColour());
  }
}

// Progress bar: filled to PROGRESS percent, with the caption in the middle.

void CProgressLO::SetSpecificAttribute(std::u16string_view name, std::u16string_view value) {
  auto is = [&](const char16_t* word) { return EqualsNoCase(name, word); };
  if (is(u"CAPTION")) {
    m_caption.assign(value);
  } else if (is(u"PROGRESS")) {
    m_percent = std::clamp(ReadNumber(value), 0, 100);
  } else if (is(u"SKIN")) {
    if (const Skin* skin = m_document ? m_document->SkinNamed(value) : nullptr) m_skin = skin;
  } else if (is(u"TEXT-HIGHLIGHT")) {
    if (auto colour = ReadColour(value)) m_highlight = *colour;
  }
}

Size CProgressLO::Measure(IDrawContext& dc, int x, int y, int right, int bottom) {
  dc.SelectFont(Font(), 0);
  Size size{std::max(0, right - x), dc.TextExtent(m_caption.empty() ? u"Q" : m_caption).cy + 4};
  if (HeightFixed()) size.cy = std::max(0, bottom - y);
  m_rect = {x, y, x + size.cx, y + size.cy};
  return size;
}

void CProgressLO::Draw(IDrawContext& dc) {
  DrawBackground(dc);
  Rect fill = m_rect;
  fill.right = m_rect.left + static_cast<int>(static_cast<long long>(m_rect.Width()) * m_percent / 100);
  if (m_skin) {
    dc.FillSolid(m_rect, m_skin->face);
    if (!fill.Empty()) dc.FillSolid(fill, m_skin->mark);
    dc.FrameSolid(m_rect, m_skin->border);
  } else {
    dc.PaintProgress(m_rect, m_percent);
  }
  if (m_caption.empty()) return;
  dc.SelectFont(Font(), 0);
  const Size text = dc.TextExtent(m_caption);
  const int x = m_rect.left + (m_rect.Width() - text.cx) / 2, y = m_rect.top + (m_rect.Height() - text.cy) / 2;
  dc.SetTextColour(TextColour());
  dc.PaintText(x, y, m_caption, &m_rect);
  // The part of the caption over the filled bar in the highlight colour.
  if (m_highlight != kTransparent && !fill.Empty()) {
    dc.SetTextColour(m_highlight);
    dc.PaintText(x, y, m_caption, &fill);
  }
}

// Test object.

std::u16string CTestLineObject::ToolTipText(int link) const { return u"Test object " + FormatDecimal(m_tagIndex < 0 ? 0 : m_tagIndex); }

Size CTestLineObject::Measure(IDrawContext& dc, int x, int y, int right, int bottom) {
  const Size size{std::clamp(right - x, 100, 200), 32};
  m_rect = {x, y, x + size.cx, y + size.cy};
  return size;
}

void CTestLineObject::Draw(IDrawContext& dc) {
  dc.PaintButton(ButtonLook::Push, {}, m_rect);
  DrawFocusFrame(dc);
}
