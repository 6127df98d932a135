#pragma once
// The leaf objects: image, line, path, icon, progress bar and the test object.
#include "markup/animation.h"
#include "markup/line_object.h"

class CImageLO : public CLineObject {
 public:
  CImageLO() { kind_ = kImage; }
  void SetSpecificAttribute(std::u16string_view name, std::u16string_view value) override;
  Size Measure(IDrawContext& dc, int x, int y, int right, int bottom) override;
  void Draw(IDrawContext& dc) override;
  void OnTick(unsigned tick) override;
  std::unique_ptr<CLineObject> Clone() const override { return CloneAs<CImageLO>(); }
  const char16_t* GetTypeName() const override { return u"Image"; }
  const Animation& Frames() const { return animation_; }

 private:
  int FrameCount() const;

  const Bitmap* bitmap_ = nullptr;
  Animation animation_;
  bool framesGiven_ = false;
  enum { kBottom, kTop, kCentre } verticalAlign_ = kBottom;
};

class CLineLO : public CLineObject {
 public:
  CLineLO() {
    kind_ = kLine;
    height_ = 1;
    flags_ &= ~kHeightPercent;
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
  std::u16string ToolTipText(int link) const override { return tooltip_; }
  CLineObject* ObjectAt(int x, int y, HitInfo& hit) override;
  Size Measure(IDrawContext& dc, int x, int y, int right, int bottom) override;
  void Draw(IDrawContext& dc) override;
  std::unique_ptr<CLineObject> Clone() const override { return CloneAs<CIconLO>(); }
  const char16_t* GetTypeName() const override { return u"Icon"; }

 private:
  enum class Type { None, Shield, InfoTip, Pipe } type_ = Type::None;
  std::u16string file_;
  std::u16string tooltip_;
  const void* icon_ = nullptr;       // shell icon, owned by the drawing context
  const Bitmap* bitmap_ = nullptr;   // fallback bitmap
};

class CProgressLO : public CLineObject {
 public:
  CProgressLO() { kind_ = kProgress; }
  void SetSpecificAttribute(std::u16string_view name, std::u16string_view value) override;
  Size Measure(IDrawContext& dc, int x, int y, int right, int bottom) override;
  void Draw(IDrawContext& dc) override;
  std::unique_ptr<CLineObject> Clone() const override { return CloneAs<CProgressLO>(); }
  const char16_t* GetTypeName() const override { return u"Progress"; }
  int Percent() const { return percent_; }

 private:
  std::u16string caption_;
  int percent_ = 0;
  const Skin* skin_ = nullptr;
  Colour highlight_ = kTransparent;
};

// A push-button frame for trying layouts out.
class CTestLineObject : public CLineObject {
 public:
  CTestLineObject() { flags_ |= kFocusable; }
  std::u16string ToolTipText(int link) const override;
  Size Measure(IDrawContext& dc, int x, int y, int right, int bottom) override;
  void Draw(IDrawContext& dc) override;
  std::unique_ptr<CLineObject> Clone() const override { return CloneAs<CTestLineObject>(); }
  const char16_t* GetTypeName() const override { return u"Test"; }
};
