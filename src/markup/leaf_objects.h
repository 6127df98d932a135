#pragma once
// The leaf objects: image, line, path, icon, progress bar and the test object.
#include "markup/animation.h"
#include "markup/line_object.h"

class CImageLO : public CLineObject {
 public:
  CImageLO() { m_kind = kImage; }
  void SetSpecificAttribute(std::u16string_view name, std::u16string_view value) override;
  Size Measure(IDrawContext& dc, int x, int y, int right, int bottom) override;
  void Draw(IDrawContext& dc) override;
  void OnTick(unsigned tick) override;
  std::unique_ptr<CLineObject> Clone() const override { return CloneAs<CImageLO>(); }
  const char16_t* GetTypeName() const override { return u"Image"; }
  const Animation& Frames() const { return m_animation; }

 private:
  const Bitmap* m_bitmap = nullptr;
  Animation m_animation;
  enum { kBottom, kTop, kCentre } m_verticalAlign = kBottom;
};

class CLineLO : public CLineObject {
 public:
  CLineLO() {
    m_kind = kLine;
    m_height = 1;
    m_flags &= ~kHeightPercent;
  }
  Size Measure(IDrawContext& dc, int x, int y, int right, int bottom) override;
  void Draw(IDrawContext& dc) override;
  std::unique_ptr<CLineObject> Clone() const override { return CloneAs<CLineLO>(); }
  const char16_t* GetTypeName() const override { return u"Line"; }
};

// A file path on one line, shortened in the middle when it does not fit.
class CPathLO : public CLineObject {
 public:
  // The tag's following text is the path, shown by the object instead of the flow.
  bool Parse(const CChParser& parser, int& tagIndex, CChDocument& document) override { return false; }
  Size Measure(IDrawContext& dc, int x, int y, int right, int bottom) override;
  void Draw(IDrawContext& dc) override;
  std::unique_ptr<CLineObject> Clone() const override { return CloneAs<CPathLO>(); }
  const char16_t* GetTypeName() const override { return u"Path"; }
};

class CIconLO : public CLineObject {
 public:
  void SetSpecificAttribute(std::u16string_view name, std::u16string_view value) override;
  std::u16string ToolTipText(int link) const override { return m_tooltip; }
  CLineObject* ObjectAt(int x, int y, HitInfo& hit) override;
  Size Measure(IDrawContext& dc, int x, int y, int right, int bottom) override;
  void Draw(IDrawContext& dc) override;
  std::unique_ptr<CLineObject> Clone() const override { return CloneAs<CIconLO>(); }
  const char16_t* GetTypeName() const override { return u"Icon"; }

 private:
  enum class Type { None, Shield, InfoTip, Pipe } m_type = Type::None;
  std::u16string m_file;
  std::u16string m_tooltip;
  const void* m_icon = nullptr;       // shell icon, owned by the drawing context
  const Bitmap* m_bitmap = nullptr;   // fallback bitmap
};

class CProgressLO : public CLineObject {
 public:
  CProgressLO() { m_kind = kProgress; }
  void SetSpecificAttribute(std::u16string_view name, std::u16string_view value) override;
  Size Measure(IDrawContext& dc, int x, int y, int right, int bottom) override;
  void Draw(IDrawContext& dc) override;
  std::unique_ptr<CLineObject> Clone() const override { return CloneAs<CProgressLO>(); }
  const char16_t* GetTypeName() const override { return u"Progress"; }
  int Percent() const { return m_percent; }

 private:
  std::u16string m_caption;
  int m_percent = 0;
  const Skin* m_skin = nullptr;
  Colour m_highlight = kTransparent;
};

// A push-button frame for trying layouts out.
class CTestLineObject : public CLineObject {
 public:
  CTestLineObject() { m_flags |= kFocusable; }
  std::u16string ToolTipText(int link) const override;
  Size Measure(IDrawContext& dc, int x, int y, int right, int bottom) override;
  void Draw(IDrawContext& dc) override;
  std::unique_ptr<CLineObject> Clone() const override { return CloneAs<CTestLineObject>(); }
  const char16_t* GetTypeName() const override { return u"Test"; }
};
