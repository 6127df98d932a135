#pragma once
// CButtonLO: push button, combo box, check box or radio button drawn in the text.
#include <string>

#include "markup/animation.h"
#include "markup/line_object.h"

class CButtonLO : public CLineObject {
 public:
  CButtonLO() {
    kind_ = kButton;
    flags_ |= kFocusable;
  }

  std::u16string ToolTipText(int link) const override { return tooltip_; }
  CLineObject* ObjectAt(int x, int y, HitInfo& hit) override;
  void SetSpecificAttribute(std::u16string_view name, std::u16string_view value) override;
  void OnPress(int x, int y, bool down) override;
  Size Measure(IDrawContext& dc, int x, int y, int right, int bottom) override;
  void Draw(IDrawContext& dc) override;
  void OnTick(unsigned tick) override;
  std::u16string GetAttributeValue(std::u16string_view name) const override;
  std::unique_ptr<CLineObject> Clone() const override { return CloneAs<CButtonLO>(); }
  const char16_t* GetTypeName() const override { return u"Button"; }

  ButtonLook Look() const { return look_; }
  int State() const { return state_; }
  const std::u16string& Caption() const { return caption_; }

 private:
  void Select(int item);
  void Redraw() { InvalidateLink(0); }
  unsigned CaptionFormat() const;
  int IconWidth() const;

  ButtonLook look_ = ButtonLook::Push;
  std::u16string caption_;
  std::u16string items_;
  std::u16string group_;
  std::u16string tooltip_;
  int state_ = 0;
  const Skin* skin_ = nullptr;
  const Bitmap* icon_ = nullptr;
  bool imageButton_ = false;
  bool multiline_ = false;
  bool pressed_ = false;
  int offset_[2] = {0, 0};  // free space left and right of the caption (at 96 dots per inch)
  int maxWidth_ = 0;        // 0: no limit; at 96 dots per inch
  Animation animation_;
};
