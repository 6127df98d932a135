#pragma once
// The header strip of a CDialogAdv: the host's header background across the top, its logo
// with the logo text at the left, and the help sign with the help caption in the help area
// at the right. In text mode it shows the texts alone on the window colour. The strip is a
// plain static (transparent to the mouse), so its dialog handles pointer and clicks. Its
// window text is what it shows in words, the logo text and the help caption, so that a
// screen reader reads those, not the name of its background bitmap.
#include <memory>
#include <string>

#include "ui/controls/bitmap_static.h"

// What the strip shows; the dialog owns it and changes it.
struct HeaderContent {
  bool graphics = true;
  std::u16string logoText;
  std::u16string helpCaption;
  int helpWidth = 0;  // of the help area at the right
  bool logoHot = false;
  bool helpHot = false;
};

class CDialogHeader : public CBitmapStatic {
 public:
  explicit CDialogHeader(const HeaderContent& content) : content_(content) {}
  ~CDialogHeader() override;

  // The strip across the top of `dialog`, `height` pixels high, in the dialog's font, with
  // the texts the content holds now.
  bool Create(HWND dialog, int height);
  // The areas that react to the pointer, in the strip's (and the dialog's) client coordinates.
  RECT LogoArea() const;
  RECT HelpArea() const;
  // The narrowest help area for a caption `captionWidth` pixels wide: the caption, a small
  // margin and the help sign.
  int MinimumHelpWidth(int captionWidth) const;

 protected:
  void DrawOver(HDC dc, const RECT& client) override;
  COLORREF Background() const override;
  void OnDestroy() override;

 private:
  void Release();
  int HelpSignWidth() const;  // the sign and the gap after it (0 in text mode)
  int Margin() const;
  SIZE TextSize(HFONT font, const std::u16string& text) const;
  void DrawText(HDC dc, HFONT font, const std::u16string& text, int x, COLORREF colour, const RECT& client);

  const HeaderContent& content_;
  std::unique_ptr<CSharedBitmap> logo_;
  std::unique_ptr<CSharedBitmap> help_;
  HFONT bold_ = nullptr;           // the logo text
  HFONT boldUnderline_ = nullptr;  // the logo text while the pointer is over it
  HFONT underline_ = nullptr;      // the help caption while the pointer is over it
};
