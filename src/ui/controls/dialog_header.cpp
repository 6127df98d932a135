#include "ui/controls/dialog_header.h"

#include <algorithm>

#include "ui/controls/bitmap_draw.h"

namespace {

// A variant of `font` (the system's dialog font when null).
HFONT Variant(HFONT font, LONG weight, BYTE underline) {
  LOGFONTW description{};
  GetObjectW(font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)), sizeof(description), &description);
  if (weight) description.lfWeight = weight;
  description.lfUnderline = underline;
  return CreateFontIndirectW(&description);
}

constexpr int kHelpGap = 4;  // between the help sign and the caption
constexpr int kCaptionMargin = 5;

}  // namespace

CDialogHeader::~CDialogHeader() { Release(); }

bool CDialogHeader::Create(HWND dialog, int height) {
  RECT client{};
  ::GetClientRect(dialog, &client);
  const char16_t* background = content_.graphics ? u"header_background" : u"";
  std::u16string words = content_.logoText;
  if (!words.empty() && !content_.helpCaption.empty()) words += u", ";
  words += content_.helpCaption;
  if (!CreateWithText(background, words, WS_VISIBLE | SS_NOPREFIX, RECT{0, 0, client.right, height}, dialog, 0))
    return false;
  auto font = reinterpret_cast<HFONT>(::SendMessageW(dialog, WM_GETFONT, 0, 0));
  SetFont(font, false);
  bold_ = Variant(font, FW_BOLD, FALSE);
  boldUnderline_ = Variant(font, FW_BOLD, TRUE);
  underline_ = Variant(font, 0, TRUE);
  if (content_.graphics) {
    logo_ = BorrowBitmap(u"header_logo");
    help_ = BorrowBitmap(u"header_help");
  }
  return true;
}

void CDialogHeader::Release() {
  logo_.reset();
  help_.reset();
  for (HFONT* font : {&bold_, &boldUnderline_, &underline_}) {
    if (*font) DeleteObject(*font);
    *font = nullptr;
  }
}

void CDialogHeader::OnDestroy() {
  Release();
  CBitmapStatic::OnDestroy();
}

int CDialogHeader::Margin() const { return std::max<int>(2, GetClientRect().bottom / 6); }

int CDialogHeader::HelpSignWidth() const {
  SIZE sign = BitmapSize(BitmapOf(help_));
  return sign.cx ? sign.cx + kHelpGap : 0;
}

int CDialogHeader::MinimumHelpWidth(int captionWidth) const {
  return captionWidth + kCaptionMargin + HelpSignWidth();
}

SIZE CDialogHeader::TextSize(HFONT font, const std::u16string& text) const {
  SIZE size{0, 0};
  HDC dc = GetDC(GetSafeHwnd());
  HGDIOBJ old = SelectObject(dc, font ? font : GetFont());
  GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(text.c_str()), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(GetSafeHwnd(), dc);
  return size;
}

RECT CDialogHeader::LogoArea() const {
  RECT client = GetClientRect();
  if (content_.logoText.empty() && !logo_) return RECT{0, 0, 0, 0};
  int margin = Margin();
  int right = margin + BitmapSize(BitmapOf(logo_)).cx;
  if (logo_) right += margin;
  right += TextSize(bold_, content_.logoText).cx + margin;
  return RECT{0, 0, right, client.bottom};
}

RECT CDialogHeader::HelpArea() const {
  RECT client = GetClientRect();
  if (content_.helpCaption.empty()) return RECT{client.right, 0, client.right, client.bottom};
  return RECT{client.right - content_.helpWidth, 0, client.right, client.bottom};
}

COLORREF CDialogHeader::Background() const {
  return content_.graphics ? GetSysColor(COLOR_ACTIVECAPTION) : GetSysColor(COLOR_WINDOW);
}

void CDialogHeader::DrawText(HDC dc, HFONT font, const std::u16string& text, int x, COLORREF colour,
                             const RECT& client) {
  HGDIOBJ old = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  RECT box{x, 0, client.right, client.bottom};
  ::DrawTextW(dc, reinterpret_cast<const wchar_t*>(text.c_str()), static_cast<int>(text.size()), &box,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
  SelectObject(dc, old);
}

void CDialogHeader::DrawOver(HDC dc, const RECT& client) {
  const bool graphics = content_.graphics;
  const COLORREF text = graphics ? RGB(255, 255, 255) : GetSysColor(COLOR_WINDOWTEXT);
  // Links in text mode take the selection colour: the hot-track colour is too pale on the
  // window colour in some colour schemes (Wine's among them).
  const COLORREF link = graphics ? RGB(255, 255, 255) : GetSysColor(COLOR_HIGHLIGHT);
  int margin = Margin();

  int x = margin;
  if (HBITMAP logo = BitmapOf(logo_)) {
    SIZE size = BitmapSize(logo);
    int top = (client.bottom - size.cy) / 2;
    DrawBitmap(dc, logo, RECT{x, top, x + size.cx, top + size.cy}, RECT{0, 0, size.cx, size.cy}, true);
    x += size.cx + margin;
  }
  DrawText(dc, content_.logoHot ? boldUnderline_ : bold_, content_.logoText, x, content_.logoHot ? link : text, client);

  if (!content_.helpCaption.empty()) {
    SIZE caption = TextSize(GetFont(), content_.helpCaption);
    int captionLeft = client.right - kCaptionMargin - caption.cx;
    if (HBITMAP help = BitmapOf(help_)) {
      SIZE size = BitmapSize(help);
      int left = captionLeft - kHelpGap - size.cx, top = (client.bottom - size.cy) / 2;
      DrawBitmap(dc, help, RECT{left, top, left + size.cx, top + size.cy}, RECT{0, 0, size.cx, size.cy}, true);
    }
    DrawText(dc, content_.helpHot ? underline_ : GetFont(), content_.helpCaption, captionLeft, link, client);
  }
  if (!graphics) {  // text mode: a line under the strip
    RECT edge = client;
    DrawEdge(dc, &edge, EDGE_ETCHED, BF_BOTTOM);
  }
}
