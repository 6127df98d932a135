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

// At 96 dots per inch, like the lengths written in mark-up.
constexpr int kIconGap = 4;
constexpr int kBoxSize = 13;  // check box and radio button of a skin
constexpr int kFocusInset = 3;

// A push button's focus frame lies inside its face, as the platform's does: 3 pixels in where
// the caption leaves room, closer to the border (never on it) where it does not.
Rect FocusFrameInside(const Rect& face, const Rect& caption) {
  auto inset = [](int gap) { return std::clamp(gap - 1, 1, kFocusInset); };
  const int x = inset(std::min(caption.left - face.left, face.right - caption.right));
  const int y = inset(std::min(caption.top - face.top, face.bottom - caption.bottom));
  return {face.left + x, face.top + y, face.right - x, face.bottom - y};
}

}  // namespace

CLineObject* CButtonLO::ObjectAt(int x, int y, HitInfo& hit) {
  CLineObject::ObjectAt(x, y, hit);
  hit.hand = false;
  return this;
}

void CButtonLO::SetSpecificAttribute(std::u16string_view name, std::u16string_view value) {
  auto is = [&](const char16_t* word) { return EqualsNoCase(name, word); };
  if (is(u"TYPE")) {
    look_ = EqualsNoCase(value, u"COMBOBOX")      ? ButtonLook::ComboBox
             : EqualsNoCase(value, u"CHECKBOX")    ? ButtonLook::CheckBox
             : EqualsNoCase(value, u"RADIOBUTTON") ? ButtonLook::RadioButton
                                                   : ButtonLook::Push;
    // Room for the box (left) or the drop arrow (right); a later H-OFFSET wins.
    const int scrollBar = document_ ? document_->scrollBarWidth : 0;
    if (look_ == ButtonLook::CheckBox || look_ == ButtonLook::RadioButton) offset_[0] = scrollBar;
    if (look_ == ButtonLook::ComboBox) offset_[1] = scrollBar;
  } else if (is(u"CAPTION")) {
    caption_.assign(value);
  } else if (is(u"ITEMS")) {
    items_.assign(value);
  } else if (is(u"SELECT")) {
    Select(ReadNumber(value));
  } else if (is(u"STATE")) {
    state_ = ReadNumber(value);
  } else if (is(u"GROUP")) {
    group_.assign(value);
  } else if (is(u"TOOLTIP")) {
    tooltip_.assign(value);
  } else if (is(u"SKIN")) {
    if (const Skin* skin = document_ ? document_->SkinNamed(value) : nullptr) skin_ = skin;
  } else if (is(u"ICON")) {
    if (const Bitmap* icon = document_ ? document_->BitmapNamed(value) : nullptr) icon_ = icon;
  } else if (is(u"IMAGE-BUTTON")) {
    imageButton_ = ReadFlag(value);
  } else if (is(u"H-OFFSET")) {
    auto list = ReadList(value);
    offset_[0] = std::max(0, ReadLengthNumber(ListEntry(list, 0)));
    offset_[1] = std::max(0, ReadLengthNumber(ListEntry(list, 1)));
  } else if (is(u"MULTILINE")) {
    multiline_ = ReadFlag(value);
  } else if (is(u"MAX-WIDTH")) {
    maxWidth_ = std::max(0, ReadLengthNumber(value));
  } else if (is(u"TIME")) {
    animation_.period = ReadNumber(value);
    if (icon_) animation_.frames = std::max(1, icon_->width / std::max(1, icon_->height));
    const bool running = animation_.Running();
    flags_ = running ? flags_ | kAnimated : flags_ & ~kAnimated;
    if (document_) document_->SetAnimated(this, running);
  }
}

void CButtonLO::Select(int item) {
  auto items = Split(items_, u';');
  if (item >= 0 && item < static_cast<int>(items.size())) caption_ = items[item];
}

// Icon frames are square: as wide as the bitmap is high.
int CButtonLO::IconWidth() const { return icon_ ? std::min(icon_->width, icon_->height) : 0; }

unsigned CButtonLO::CaptionFormat() const { return multiline_ ? kTextWordBreak : kTextSingleLine; }

Size CButtonLO::Measure(IDrawContext& dc, int x, int y, int right, int bottom) {
  const int offsets = Px(offset_[0]) + Px(offset_[1]);
  const int icon = icon_ ? IconWidth() + Px(kIconGap) : 0;
  dc.SelectFont(Font(), 0);
  Size size = dc.MeasureText(caption_.empty() ? u" " : caption_, std::max(1, right - x - offsets - icon), CaptionFormat());
  size.cx += offsets + icon;
  if (icon_) size.cy = std::max(size.cy, icon_->height);
  if (maxWidth_ > 0) size.cx = std::min(size.cx, Px(maxWidth_));
  if (WidthFixed()) size.cx = std::max(size.cx, right - x);
  if (HeightFixed()) size.cy = std::max(size.cy, bottom - y);
  rect_ = {x, y, x + size.cx, y + size.cy};
  return size;
}

void CButtonLO::Draw(IDrawContext& dc) {
  DrawBackground(dc);
  ButtonState state;
  state.checked = state_ != 0;
  state.hot = IsHovered();
  state.pressed = pressed_;
  state.disabled = !Has(kEnabled);
  const bool box = look_ == ButtonLook::CheckBox || look_ == ButtonLook::RadioButton;
  // Check boxes and radio buttons draw their box in the left offset; the others fill the rectangle.
  Rect face = rect_;
  const int left = Px(offset_[0]), right = Px(offset_[1]);
  if (box) {
    const int size = skin_ ? Px(kBoxSize) : std::min(Px(kBoxSize), rect_.Height());
    face.left = rect_.left + std::max(0, (left - size) / 2);
    face.top = rect_.top + (rect_.Height() - size) / 2;
    face.right = face.left + size;
    face.bottom = face.top + size;
  }
  if (!imageButton_ && skin_) {
    const int shade = state.pressed ? -200 : state.hot ? 100 : 0;
    dc.FillSolid(face, dc.Shade(skin_->face, shade));
    dc.FrameSolid(face, dc.Shade(skin_->border, state.hot ? -100 : 0));
    if (look_ == ButtonLook::CheckBox && state.checked) dc.PaintGlyph(Glyph::CheckMark, face, skin_->mark);
    if (look_ == ButtonLook::RadioButton && state.checked) dc.PaintGlyph(Glyph::RadioDot, face, skin_->mark);
    if (look_ == ButtonLook::ComboBox || (look_ == ButtonLook::Push && skin_->menuArrow && right > 0)) {
      dc.PaintGlyph(Glyph::DropArrow, {rect_.right - right, rect_.top, rect_.right, rect_.bottom}, skin_->mark);
    }
  } else if (!imageButton_) {
    dc.PaintButton(look_, state, face);
  }
  Rect text{rect_.left + left, rect_.top, rect_.right - right, rect_.bottom};
  if (icon_) {
    const int w = IconWidth(), frame = std::clamp(animation_.active, 0, std::max(0, icon_->width / std::max(1, w) - 1));
    const int top = rect_.top + (rect_.Height() - icon_->height) / 2;
    dc.PaintBitmap(*icon_, {frame * w, 0, frame * w + w, icon_->height}, {text.left, top, text.left + w, top + icon_->height});
    text.left += w + Px(kIconGap);
  }
  dc.SelectFont(Font(), 0);
  dc.SetTextColour(state.disabled ? Rgb(128, 128, 128) : skin_ ? skin_->text : TextColour());
  // The caption is centred on push buttons and combo boxes and starts at the offset otherwise.
  const Size caption = dc.MeasureText(caption_, std::max(1, text.Width()), CaptionFormat());
  if (!box) text.left += std::max(0, (text.Width() - caption.cx) / 2);
  text.top += std::max(0, (text.Height() - caption.cy) / 2);
  dc.PaintTextInRect(caption_, text, CaptionFormat());
  // A face keeps its border whether focused or not: the focus shows as a frame inside it.
  if (box || imageButton_) return DrawFocusFrame(dc);
  const Rect captionBox{text.left, text.top, std::min(text.right, text.left + caption.cx), text.top + caption.cy};
  DrawFocusFrame(dc, FocusFrameInside(rect_, captionBox));
}

void CButtonLO::OnPress(int x, int y, bool down) {
  pressed_ = down;
  if (down || !Has(kEnabled)) return Redraw();
  switch (look_) {
    case ButtonLook::Push:
      break;
    case ButtonLook::ComboBox:
      if (document_ && document_->menuChooser) {
        const int chosen = document_->menuChooser(Split(items_, u';'), rect_);
        if (chosen > 0) Select(chosen - 1);
      }
      break;
    case ButtonLook::CheckBox:
      state_ = state_ ? 0 : 1;
      break;
    case ButtonLook::RadioButton:
      for (const auto& id : Split(group_, u';')) {
        CLineObject* other = document_ ? document_->FindObject(id) : nullptr;
        if (other && other != this) {
          other->SetAttribute(u"STATE", u"0");
          other->InvalidateLink(0);
        }
      }
      state_ = 1;
      break;
  }
  Redraw();
}

void CButtonLO::OnTick(unsigned tick) {
  if (animation_.Tick(tick)) Redraw();
}

std::u16string CButtonLO::GetAttributeValue(std::u16string_view name) const {
  static const char16_t* const kTypes[] = {u"button", u"combobox", u"checkbox", u"radiobutton"};
  if (EqualsNoCase(name, u"TYPE")) return kTypes[static_cast<int>(look_)];
  if (EqualsNoCase(name, u"STATE")) {
    const auto magnitude = FormatDecimal(state_ < 0 ? 0u - static_cast<std::uint32_t>(state_) : static_cast<std::uint32_t>(state_));
    return state_ < 0 ? u"-" + magnitude : magnitude;
  }
  if (EqualsNoCase(name, u"CAPTION")) return caption_;
  return {};
}
