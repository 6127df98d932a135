#pragma once
// CTextLO: the text object (type "p"), a CLineObject whose content is run by CChCore.
#include "markup/line_object.h"
#include "markup/text_core.h"

class CTextLO : public CLineObject {
 public:
  CTextLO();

  bool Parse(const CChParser& parser, int& tagIndex, CChDocument& document) override;
  std::u16string ToolTipText(int link) const override;
  CLineObject* ObjectAt(int x, int y, HitInfo& hit) override;
  void SetSpecificAttribute(std::u16string_view name, std::u16string_view value) override;
  Size Measure(IDrawContext& dc, int x, int y, int right, int bottom) override;
  void Draw(IDrawContext& dc) override;
  void MoveTo(int x, int y) override;
  bool MoveFocus(bool enter, bool backward) override;
  void InvalidateLink(int link) override;
  std::unique_ptr<CLineObject> Clone() const override { return CloneAs<CTextLO>(); }
  CLineObject* LinkAt(int& link) override;
  bool NthFocusable(int& count, CLineObject*& object, int& link) override;
  const char16_t* GetTypeName() const override { return u"Text"; }

  const CChCore& Core() const { return core_; }
  const CChCore::LinkLook& Look() const { return look_; }

 protected:
  friend class CLineObject;
  CTextLO(const CTextLO& other) : CLineObject(other), look_(other.look_) {}

 private:
  CChCore core_;
  CChCore::LinkLook look_;
};
