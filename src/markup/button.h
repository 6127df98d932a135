#pragma once
// CButtonLO: push button, combo box, check box or radio button drawn in the text.
#include <string>

#include "markup/animation.h"
#include "markup/line_object.h"

class CButtonLO : public CLineObject {
 public:
  CButtonLO() {
    m_kind = kButton;
    m_flags |= kFocusable;
  }

  std::u16string ToolTipText(int link) const override { return m_tooltip; }
  CLineObject* ObjectAt(int x, int y, HitInfo& hit) override;
  void SetSpecificAttribute(std::u16string_view name, std::u16string_view value) override;
  void OnPress(int x, int y, bool down) override;
  Size Measure(IDrawContext& dc, int x, int y, int right, int bottom) override;
  void Draw(IDrawContext& dc) override;
  void OnTick(unsigned tick) override;
  std::u16string GetAttributeValue(std::u16string_view name) const override;
  std::unique_ptr<CLineObject> Clone() const override { return CloneAs<CButtonLO>(); }
  const char16_t* GetTypeName() const override { return u"Button"; }

  ButtonLook Look() const { return m_look; }
  int State() const { return m_state; }
  const std::u16string& Caption() const { return m_caption; }

 private:
  void Select(int item);
  void Redraw() { InvalidateLink(0); }
  unsigned CaptionFormat() const;
  int IconWidth() const;

  ButtonLook m_look = ButtonLook::Push;
  std::u16string m_caption;
  std::u16string m_items;
  std::u16string m_group;
  std::u16string m_tooltip;
  int m_state = 0;
  const Skin* m_skin = nullptr;
  const Bitmap* m_icon = nullptr;
  bool m_imageButton = false;
  bool m_multiline = false;
  bool m_pressed = false;
  int m_offset[2] = {0, 0};  // free space left and right of the caption
  int m_maxWidth = 0;        // 0: no limit
  Animation m_animation;
};
