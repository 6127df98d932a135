#include "markup/win/gdi_context.h"

#include <shellapi.h>
#include <shlwapi.h>
#include <usp10.h>
#include <uxtheme.h>
#include <vssym32.h>

#include <algorithm>

#include "common/text.h"

using parental::common::AsWide;

namespace {

// A system function that older systems lack, resolved on first use: module, then function.
template <class Function>
Function Resolve(const wchar_t* module, const char* name) {
  HMODULE library = GetModuleHandleW(module);
  if (!library) library = LoadLibraryW(module);
  return library ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name))) : nullptr;
}

RECT ToRect(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

const wchar_t* Wide(std::u16string_view text) { return AsWide(text.data()); }

}  // namespace

FontDesc DescribeFont(HFONT font, int dpi) {
  LOGFONTW logFont{};
  FontDesc description;
  if (!font || !GetObjectW(font, sizeof(logFont), &logFont)) return description;
  description.face = parental::common::AsText(logFont.lfFaceName);
  description.height = logFont.lfHeight;
  description.weight = logFont.lfWeight ? static_cast<int>(logFont.lfWeight) : FW_NORMAL;
  description.italic = logFont.lfItalic != 0;
  description.underline = logFont.lfUnderline != 0;
  description.dpi = dpi;
  return description;
}

CGdiContext::CGdiContext(HDC dc, int dpi)
    : dc_(dc), dpi_(dpi > 0 ? dpi : GetDeviceCaps(dc, LOGPIXELSY)), originalFont_(GetCurrentObject(dc, OBJ_FONT)) {
  if (dpi_ <= 0) dpi_ = kMarkupDpi;
  static const WORD pattern[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
  if (HBITMAP bits = CreateBitmap(8, 8, 1, 1, pattern)) {
    pattern_ = CreatePatternBrush(bits);
    DeleteObject(bits);
  }
  SetBkMode(dc_, TRANSPARENT);
  SetTextAlign(dc_, TA_LEFT | TA_TOP);
}

CGdiContext::~CGdiContext() {
  SelectObject(dc_, originalFont_);
  for (auto& [key, font] : fonts_) DeleteObject(font);
  for (auto& [key, icon] : icons_) DestroyIcon(icon);
  if (pattern_) DeleteObject(pattern_);
  using CloseFn = HRESULT(WINAPI*)(HTHEME);
  static const auto close = Resolve<CloseFn>(L"uxtheme.dll", "CloseThemeData");
  for (auto& [themeClass, theme] : themes_)
    if (theme && close) close(static_cast<HTHEME>(theme));
}

void CGdiContext::SelectFont(const FontDesc& font, unsigned style) {
  const int weight = (style & kBold) ? std::max(font.weight, 700) : font.weight;
  const int height = ScaleLength(font.height, dpi_, font.dpi);
  FontKey key{font.face, height, weight, font.italic || (style & kItalic), font.underline || (style & kUnderline)};
  HFONT& handle = fonts_[key];
  if (!handle) {
    std::u16string face = font.face;
    handle = CreateFontW(height, 0, 0, 0, weight, std::get<3>(key), std::get<4>(key), FALSE, DEFAULT_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, AsWide(face.c_str()));
  }
  if (handle) SelectObject(dc_, handle);
}

bool CGdiContext::InArea(const Rect& area) {
  const RECT rect = ToRect(area);
  return RectVisible(dc_, &rect) != FALSE;
}

Size CGdiContext::TextExtent(std::u16string_view text) {
  SIZE size{0, 0};
  if (text.empty()) {
    TEXTMETRICW metrics;
    GetTextMetricsW(dc_, &metrics);
    return {0, metrics.tmHeight};
  }
  GetTextExtentPoint32W(dc_, Wide(text), static_cast<int>(text.size()), &size);
  return {size.cx, size.cy};
}

int CGdiContext::FitCount(std::u16string_view text, int maxWidth) {
  int fit = 0;
  SIZE size;
  if (!GetTextExtentExPointW(dc_, Wide(text), static_cast<int>(text.size()), std::max(0, maxWidth), &fit, nullptr, &size)) {
    return 0;
  }
  return fit;
}

Size CGdiContext::MeasureText(std::u16string_view text, int width, unsigned format) {
  RECT rect{0, 0, std::max(1, width), 0};
  DrawTextW(dc_, Wide(text), static_cast<int>(text.size()), &rect, format | DT_CALCRECT);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

// Uniscribe's analysis; without usp10 every blank, tab and line feed counts as white space.
std::vector<bool> CGdiContext::WhiteSpace(std::u16string_view text) {
  using ItemizeFn = HRESULT(WINAPI*)(const WCHAR*, int, int, const SCRIPT_CONTROL*, const SCRIPT_STATE*, SCRIPT_ITEM*, int*);
  using BreakFn = HRESULT(WINAPI*)(const WCHAR*, int, const SCRIPT_ANALYSIS*, SCRIPT_LOGATTR*);
  static const auto itemize = Resolve<ItemizeFn>(L"usp10.dll", "ScriptItemize");
  static const auto breaks = Resolve<BreakFn>(L"usp10.dll", "ScriptBreak");
  std::vector<bool> white(text.size());
  const int length = static_cast<int>(text.size());
  std::vector<SCRIPT_ITEM> items(16);
  int count = 0;
  HRESULT result = E_FAIL;
  if (itemize && breaks && length > 0) {
    while ((result = itemize(Wide(text), length, static_cast<int>(items.size()) - 1, nullptr, nullptr, items.data(),
                             &count)) == E_OUTOFMEMORY && items.size() < (1u << 20)) {
      items.resize(items.size() * 2);
    }
  }
  if (FAILED(result)) {
    for (int i = 0; i < length; ++i) white[i] = text[i] == u' ' || text[i] == u'\t' || text[i] == u'\n' || text[i] == u'\r';
    return white;
  }
  std::vector<SCRIPT_LOGATTR> attributes;
  for (int item = 0; item < count; ++item) {
    const int start = items[item].iCharPos, end = items[item + 1].iCharPos;
    attributes.resize(end - start);
    if (end > start && SUCCEEDED(breaks(Wide(text.substr(start)), end - start, &items[item].a, attributes.data()))) {
      for (int i = start; i < end; ++i) white[i] = attributes[i - start].fWhiteSpace;
    }
  }
  return white;
}

void CGdiContext::PaintText(int x, int y, std::u16string_view text, const Rect* clip) {
  RECT rect = clip ? ToRect(*clip) : RECT{};
  ExtTextOutW(dc_, x, y, clip ? ETO_CLIPPED : 0, clip ? &rect : nullptr, Wide(text), static_cast<UINT>(text.size()),
              nullptr);
}

void CGdiContext::PaintTextInRect(std::u16string_view text, const Rect& rect, unsigned format) {
  RECT area = ToRect(rect);
  std::u16string copy(text);  // DrawTextW may write the shortened path into its buffer
  DrawTextW(dc_, AsWide(copy.data()), static_cast<int>(copy.size()), &area, format);
}

void CGdiContext::FillSolid(const Rect& rect, Colour colour) {
  RECT area = ToRect(rect);
  const COLORREF previous = SetBkColor(dc_, colour);
  ExtTextOutW(dc_, 0, 0, ETO_OPAQUE, &area, L"", 0, nullptr);
  SetBkColor(dc_, previous);
}

void CGdiContext::FrameSolid(const Rect& rect, Colour colour) {
  RECT area = ToRect(rect);
  HBRUSH brush = CreateSolidBrush(colour);
  FrameRect(dc_, &area, brush);
  DeleteObject(brush);
}

void CGdiContext::FocusFrame(const Rect& rect) {
  if (!pattern_) return;
  RECT area = ToRect(rect);
  const COLORREF text = SetTextColor(dc_, RGB(0, 0, 0)), back = SetBkColor(dc_, RGB(255, 255, 255));
  FrameRect(dc_, &area, pattern_);
  SetTextColor(dc_, text);
  SetBkColor(dc_, back);
}

void CGdiContext::PaintBitmap(const Bitmap& bitmap, const Rect& source, const Rect& target) {
  using AlphaBlendFn = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);
  static const auto alphaBlend = Resolve<AlphaBlendFn>(L"msimg32.dll", "AlphaBlend");
  if (!bitmap.native || source.Empty() || target.Empty()) return;
  HDC memory = CreateCompatibleDC(dc_);
  HGDIOBJ old = SelectObject(memory, static_cast<HBITMAP>(bitmap.native));
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  if (alphaBlend) {
    alphaBlend(dc_, target.left, target.top, target.Width(), target.Height(), memory, source.left, source.top,
               source.Width(), source.Height(), blend);
  }
  SelectObject(memory, old);
  DeleteDC(memory);
}

// Theme data is opened once per class and context, and parts go through the part cache: a
// grid paints many boxes of one class.
bool CGdiContext::PaintThemePart(const wchar_t* themeClass, int part, int state, const Rect& rect) {
  using OpenFn = HTHEME(WINAPI*)(HWND, LPCWSTR);
  using DrawFn = HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, const RECT*);
  static const auto open = Resolve<OpenFn>(L"uxtheme.dll", "OpenThemeData");
  static const auto draw = Resolve<DrawFn>(L"uxtheme.dll", "DrawThemeBackground");
  if (!open || !draw) return false;
  auto found = themes_.find(themeClass);
  if (found == themes_.end()) found = themes_.emplace(themeClass, open(nullptr, themeClass)).first;
  HTHEME theme = static_cast<HTHEME>(found->second);
  if (!theme) return false;
  return parts_.Paint(dc_, ToRect(rect), {themeClass, part, state, rect.Width(), rect.Height()},
                      [&](HDC dc, const RECT& area) { return SUCCEEDED(draw(theme, dc, part, state, &area, nullptr)); });
}

// The themed part when a theme is active, the classic frame control otherwise.
void CGdiContext::PaintButton(ButtonLook look, ButtonState state, const Rect& rect) {
  const int base = state.disabled ? 4 : state.pressed ? 3 : state.hot ? 2 : 1;
  const bool box = look == ButtonLook::CheckBox || look == ButtonLook::RadioButton;
  const int part = look == ButtonLook::CheckBox ? BP_CHECKBOX : look == ButtonLook::RadioButton ? BP_RADIOBUTTON : BP_PUSHBUTTON;
  const int arrow = ScaleLength(17, dpi_);
  if (PaintThemePart(L"BUTTON", part, box && state.checked ? base + 4 : base, rect)) {
    if (look == ButtonLook::ComboBox) PaintGlyph(Glyph::DropArrow, {rect.right - arrow, rect.top, rect.right, rect.bottom}, 0);
    return;
  }
  UINT kind = look == ButtonLook::CheckBox ? DFCS_BUTTONCHECK : look == ButtonLook::RadioButton ? DFCS_BUTTONRADIO : DFCS_BUTTONPUSH;
  if (box && state.checked) kind |= DFCS_CHECKED;
  if (state.pressed) kind |= DFCS_PUSHED;
  if (state.disabled) kind |= DFCS_INACTIVE;
  RECT area = ToRect(rect);
  DrawFrameControl(dc_, &area, DFC_BUTTON, kind);
  if (look == ButtonLook::ComboBox) PaintGlyph(Glyph::DropArrow, {rect.right - arrow, rect.top, rect.right, rect.bottom}, 0);
}

void CGdiContext::PaintProgress(const Rect& rect, int percent) {
  Rect fill = rect;
  fill.right = rect.left + rect.Width() * percent / 100;
  if (PaintThemePart(L"PROGRESS", PP_BAR, 0, rect)) {
    if (!fill.Empty()) PaintThemePart(L"PROGRESS", PP_CHUNK, 0, fill);
    return;
  }
  RECT area = ToRect(rect);
  DrawEdge(dc_, &area, EDGE_SUNKEN, BF_RECT);
  if (!fill.Empty()) FillSolid({fill.left + 2, fill.top + 2, std::max(fill.left + 2, fill.right - 2), fill.bottom - 2}, GetSysColor(COLOR_HIGHLIGHT));
}

void CGdiContext::PaintGlyph(Glyph glyph, const Rect& rect, Colour colour) {
  HPEN pen = CreatePen(PS_SOLID, ScaleLength(2, dpi_), colour);
  HBRUSH brush = CreateSolidBrush(colour);
  HGDIOBJ oldPen = SelectObject(dc_, pen), oldBrush = SelectObject(dc_, brush);
  const int w = rect.Width(), h = rect.Height();
  if (glyph == Glyph::CheckMark) {
    const POINT mark[] = {{rect.left + w * 2 / 10, rect.top + h / 2},
                          {rect.left + w * 4 / 10, rect.top + h * 7 / 10},
                          {rect.left + w * 8 / 10, rect.top + h * 3 / 10}};
    Polyline(dc_, mark, 3);
  } else if (glyph == Glyph::RadioDot) {
    Ellipse(dc_, rect.left + w / 4, rect.top + h / 4, rect.right - w / 4, rect.bottom - h / 4);
  } else {
    const int cx = rect.left + w / 2, cy = rect.top + h / 2;
    const int half = ScaleLength(4, dpi_), rise = ScaleLength(2, dpi_);
    const POINT arrow[] = {{cx - half, cy - rise}, {cx + half, cy - rise}, {cx, cy + rise}};
    SelectObject(dc_, GetStockObject(NULL_PEN));
    Polygon(dc_, arrow, 3);
  }
  SelectObject(dc_, oldPen);
  SelectObject(dc_, oldBrush);
  DeleteObject(pen);
  DeleteObject(brush);
}

Colour CGdiContext::Shade(Colour colour, int luminanceChange) {
  WORD hue = 0, luminance = 0, saturation = 0;
  ColorRGBToHLS(colour, &hue, &luminance, &saturation);
  const int shaded = std::clamp(static_cast<int>(luminance) + luminanceChange / 10, 0, 240);
  return ColorHLSToRGB(hue, static_cast<WORD>(shaded), saturation);
}

const void* CGdiContext::ShellIcon(int stockId, std::u16string_view file) {
  HICON& icon = icons_[{stockId, std::u16string(file)}];
  if (icon) return icon;
  if (!file.empty()) {
    SHFILEINFOW info{};
    std::u16string path(file);
    if (SHGetFileInfoW(AsWide(path.c_str()), 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON)) icon = info.hIcon;
  } else {
    using StockFn = HRESULT(WINAPI*)(int, UINT, SHSTOCKICONINFO*);
    static const auto stock = Resolve<StockFn>(L"shell32.dll", "SHGetStockIconInfo");
    SHSTOCKICONINFO info{};
    info.cbSize = sizeof info;
    if (stock && SUCCEEDED(stock(stockId, SHGSI_ICON | SHGSI_SMALLICON, &info))) icon = info.hIcon;
  }
  return icon;
}

// The system's small-icon size at the context's DPI; where the system has no metrics by DPI,
// its own scaled from the screen's.
Size CGdiContext::SmallIconSize() {
  using MetricsFn = int(WINAPI*)(int, UINT);
  static const auto forDpi = Resolve<MetricsFn>(L"user32.dll", "GetSystemMetricsForDpi");
  if (forDpi) return {forDpi(SM_CXSMICON, dpi_), forDpi(SM_CYSMICON, dpi_)};
  HDC screen = GetDC(nullptr);
  const int screenDpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : kMarkupDpi;
  if (screen) ReleaseDC(nullptr, screen);
  return {ScaleLength(GetSystemMetrics(SM_CXSMICON), dpi_, screenDpi), ScaleLength(GetSystemMetrics(SM_CYSMICON), dpi_, screenDpi)};
}

void CGdiContext::PaintIcon(const void* icon, int x, int y) {
  const Size size = SmallIconSize();
  DrawIconEx(dc_, x, y, static_cast<HICON>(const_cast<void*>(icon)), size.cx, size.cy, 0, nullptr, DI_NORMAL);
}
