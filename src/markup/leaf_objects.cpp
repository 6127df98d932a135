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
    if (const Bitmap* bitmap = document_ ? document_->BitmapNamed(value) : nullptr) bitmap_ = bitmap;
  } else if (is(u"FRAMES")) {
    animation_.frames = ReadNumber(value);
    framesGiven_ = true;
  } else if (is(u"ACTIVE")) {
    animation_.active = ReadNumber(value);
  } else if (is(u"V-ALIGN")) {
    verticalAlign_ = EqualsNoCase(value, u"TOP") ? kTop : EqualsNoCase(value, u"CENTER") ? kCentre : kBottom;
  } else if (is(u"TIME")) {
    animation_.period = ReadNumber(value);
  } else {
    return;
  }
  const bool running = animation_.Running();
  flags_ = running ? flags_ | kAnimated : flags_ & ~kAnimated;
  if (document_) document_->SetAnimated(this, running);
}

// The frames as written; without FRAMES, a frame asked for beyond the first means square
// frames side by side (as wide as the bitmap is high), as in the host's image strips.
int CImageLO::FrameCount() const {
  if (framesGiven_ || animation_.active < 1 || !bitmap_ || bitmap_->height <= 0) return animation_.Count();
  return std::max(1, bitmap_->width / bitmap_->height);
}

// The frame's size; a fixed HEIGHT makes room in which V-ALIGN places the frame.
Size CImageLO::Measure(IDrawContext& dc, int x, int y, int right, int bottom) {
  Size size;
  if (bitmap_) size = {bitmap_->width / FrameCount(), bitmap_->height};
  if (HeightFixed()) size.cy = std::max(size.cy, bottom - y);
  rect_ = {x, y, x + size.cx, y + size.cy};
  return size;
}

void CImageLO::Draw(IDrawContext& dc) {
  DrawBackground(dc);
  if (!bitmap_) return;
  const int count = FrameCount(), w = bitmap_->width / count, h = bitmap_->height;
  const int frame = animation_.active;
  if (frame < 0 || frame >= count) return;
  int top = rect_.bottom - h;
  if (verticalAlign_ == kTop) top = rect_.top;
  else if (verticalAlign_ == kCentre) top = (rect_.top + rect_.bottom - h) / 2;
  dc.PaintBitmap(*bitmap_, {frame * w, 0, frame * w + w, h}, {rect_.left, top, rect_.left + w, top + h});
}

void CImageLO::OnTick(unsigned tick) {
  if (animation_.Tick(tick)) InvalidateLink(0);
}

// Line: a solid rule as wide as the space left.

Size CLineLO::Measure(IDrawContext& dc, int x, int y, int right, int bottom) {
  const int width = std::max(0, right - x), height = std::max(0, Px(height_));
  rect_ = {x, y, x + width, y + height};
  return {width, height};
}

void CLineLO::Draw(IDrawContext& dc) { dc.FillSolid(rect_, TextColour()); }

// Path: the tag's following text, as high as the letter Q.

Size CPathLO::Measure(IDrawContext& dc, int x, int y, int right, int bottom) {
  dc.SelectFont(Font(), 0);
  const Size size{std::max(0, right - x), dc.TextExtent(u"Q").cy};
  rect_ = {x, y, x + size.cx, y + size.cy};
  return size;
}

void CPathLO::Draw(IDrawContext& dc) {
  DrawBackground(dc);
  dc.SelectFont(Font(), 0);
  dc.SetTextColour(TextColour());
  dc.PaintTextInRect(name_, rect_, kTextPathEllipsis | kTextSingleLine | kTextBottom);
}

// Icon: a shell icon or a named bitmap; a pipe is a separator.

void CIconLO::SetSpecificAttribute(std::u16string_view name, std::u16string_view value) {
  if (EqualsNoCase(name, u"TYPE")) {
    type_ = EqualsNoCase(value, u"SHIELD")    ? Type::Shield
             : EqualsNoCase(value, u"INFOTIP") ? Type::InfoTip
             : EqualsNoCase(value, u"PIPE")    ? Type::Pipe
                                               : Type::None;
  } else if (EqualsNoCase(name, u"FILE")) {
    file_.assign(value);
  } else if (EqualsNoCase(name, u"TOOLTIP")) {
    tooltip_.assign(value);
  }
}

CLineObject* CIconLO::ObjectAt(int x, int y, HitInfo& hit) {
  CLineObject::ObjectAt(x, y, hit);
  if (!tooltip_.empty()) {
    hit.tooltip = tooltip_;
    hit.tipRect = rect_;
  }
  return this;
}

Size CIconLO::Measure(IDrawContext& dc, int x, int y, int right, int bottom) {
  icon_ = nullptr;
  bitmap_ = nullptr;
  if (!file_.empty()) {
    icon_ = dc.ShellIcon(0, file_);
    if (!icon_) icon_ = dc.ShellIcon(2, {});  // a document
  } else if (type_ == Type::Shield) {
    icon_ = dc.ShellIcon(77, {});
    if (!icon_ && document_) bitmap_ = document_->BitmapNamed(u"shield");
  } else if (type_ == Type::InfoTip && document_) {
    bitmap_ = document_->BitmapNamed(u"infotip");
  }
  Size size;
  if (icon_) {
    size = dc.SmallIconSize();
  } else if (bitmap_) {
    size = {bitmap_->width, bitmap_->height};
  } else if (type_ == Type::Pipe) {
    dc.SelectFont(Font(), 0);
    size = {1, dc.TextExtent(u"|").cy};
  }
  rect_ = {x, y, x + size.cx, y + size.cy};
  return size;
}

void CIconLO::Draw(IDrawContext& dc) {
  DrawBackground(dc);
  if (icon_) {
    dc.PaintIcon(icon_, rect_.left, rect_.top);
  } else if (bitmap_) {
    dc.PaintBitmap(*bitmap_, {0, 0, bitmap_->width, bitmap_->height}, rect_);
  } else if (type_ == Type::Pipe) {
    dc.FillSolid(rect_, TextColour());
  }
}

// Progress bar: filled to PROGRESS percent, with the caption in the middle.

void CProgressLO::SetSpecificAttribute(std::u16string_view name, std::u16string_view value) {
  auto is = [&](const char16_t* word) { return EqualsNoCase(name, word); };
  if (is(u"CAPTION")) {
    caption_.assign(value);
  } else if (is(u"PROGRESS")) {
    percent_ = std::clamp(ReadNumber(value), 0, 100);
  } else if (is(u"SKIN")) {
    if (const Skin* skin = document_ ? document_->SkinNamed(value) : nullptr) skin_ = skin;
  } else if (is(u"TEXT-HIGHLIGHT")) {
    if (auto colour = ReadColour(value)) highlight_ = *colour;
  }
}

Size CProgressLO::Measure(IDrawContext& dc, int x, int y, int right, int bottom) {
  dc.SelectFont(Font(), 0);
  Size size{std::max(0, right - x), dc.TextExtent(caption_.empty() ? u"Q" : caption_).cy + 4};
  if (HeightFixed()) size.cy = std::max(0, bottom - y);
  rect_ = {x, y, x + size.cx, y + size.cy};
  return size;
}

void CProgressLO::Draw(IDrawContext& dc) {
  DrawBackground(dc);
  Rect fill = rect_;
  fill.right = rect_.left + static_cast<int>(static_cast<long long>(rect_.Width()) * percent_ / 100);
  if (skin_) {
    dc.FillSolid(rect_, skin_->face);
    if (!fill.Empty()) dc.FillSolid(fill, skin_->mark);
    dc.FrameSolid(rect_, skin_->border);
  } else {
    dc.PaintProgress(rect_, percent_);
  }
  if (caption_.empty()) return;
  dc.SelectFont(Font(), 0);
  const Size text = dc.TextExtent(caption_);
  const int x = rect_.left + (rect_.Width() - text.cx) / 2, y = rect_.top + (rect_.Height() - text.cy) / 2;
  dc.SetTextColour(TextColour());
  dc.PaintText(x, y, caption_, &rect_);
  // The part of the caption over the filled bar in the highlight colour.
  if (highlight_ != kTransparent && !fill.Empty()) {
    dc.SetTextColour(highlight_);
    dc.PaintText(x, y, caption_, &fill);
  }
}

// Test object.

std::u16string CTestLineObject::ToolTipText(int link) const { return u"Test object " + FormatDecimal(tagIndex_ < 0 ? 0 : tagIndex_); }

Size CTestLineObject::Measure(IDrawContext& dc, int x, int y, int right, int bottom) {
  const Size size{std::clamp(right - x, 100, 200), 32};
  rect_ = {x, y, x + size.cx, y + size.cy};
  return size;
}

void CTestLineObject::Draw(IDrawContext& dc) {
  dc.PaintButton(ButtonLook::Push, {}, rect_);
  DrawFocusFrame(dc);
}
