// CListBoxAdv's drawing: the normal, selected and focus passes of an entry, and the height
// of an entry.
#include <algorithm>

#include "ui/controls/bitmap_draw.h"
#include "ui/controls/list_box_adv.h"

namespace {

void Fill(HDC dc, const RECT& rect, COLORREF colour) {
  COLORREF old = SetBkColor(dc, colour);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
  SetBkColor(dc, old);
}

void DrawImage(HDC dc, HBITMAP image, int x, int y, const RECT& source) {
  RECT target{x, y, x + source.right - source.left, y + source.bottom - source.top};
  DrawBitmap(dc, image, target, source, HasAlphaChannel(image));
}

}  // namespace

void CListBoxAdv::DrawAction(HDC dc, const RECT& item, int index) const {
  if (!action_) return;
  int frame = index == hot_ && overAction_ ? 1 : 0;
  RECT source{frame * actionFrame_.cx, 0, (frame + 1) * actionFrame_.cx, actionFrame_.cy};
  DrawImage(dc, action_, item.right - actionFrame_.cx - 2, item.top + 2, source);
}

void CListBoxAdv::DrawLabel(HDC dc, const RECT& item, const CExtItem& entry, COLORREF colour) const {
  RECT box{item.left + imageBox_.cx + 6, item.top + 4, item.right - 2, item.bottom - 2};
  if (action_) box.right -= actionFrame_.cx + 2;
  SetTextColor(dc, colour);
  SetBkMode(dc, TRANSPARENT);
  // No prefix: an address may hold "&".
  ::DrawTextW(dc, reinterpret_cast<const wchar_t*>(entry.text.c_str()), static_cast<int>(entry.text.size()), &box,
              DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void CListBoxAdv::DrawItem(const DRAWITEMSTRUCT& item) {
  const int index = static_cast<int>(item.itemID);
  const CExtItem* entry = GetItem(index);
  HDC dc = item.hDC;
  const RECT& r = item.rcItem;
  const bool whole = item.itemAction & ODA_DRAWENTIRE;
  const bool selectionChanged = item.itemAction & ODA_SELECT;
  const bool selected = item.itemState & ODS_SELECTED;
  RECT text{r.left + imageBox_.cx + 4, r.top, r.right, r.bottom};

  if (entry && (whole || (selectionChanged && !selected))) {
    Fill(dc, r, index % 2 ? colours_.odd : colours_.even);
    if (edge_) DrawEdge(dc, &text, EDGE_ETCHED, BF_BOTTOM);
    if (entry->image) {
      SIZE size = BitmapSize(entry->image);
      DrawImage(dc, entry->image, r.left + 2, r.top + 2, RECT{0, 0, size.cx, size.cy});
    }
    DrawAction(dc, r, index);
    DrawLabel(dc, r, *entry, colours_.text);
  }
  if (entry && selected && (whole || selectionChanged)) {
    Fill(dc, RECT{text.left, r.top + 1, r.right - 1, r.bottom - 1}, colours_.selection);
    if (edge_) DrawEdge(dc, &text, EDGE_ETCHED, BF_BOTTOM);
    DrawAction(dc, r, index);
    DrawLabel(dc, r, *entry, colours_.selectedText);
  }
  // The focus rectangle inverts: drawn when the focus changes, and again on a fresh
  // background when the focused entry is drawn whole (or a repaint would lose it).
  if ((item.itemAction & ODA_FOCUS) || (whole && (item.itemState & ODS_FOCUS))) DrawFocusRect(dc, &r);
}

// Every entry asks for its height as it is added: the font's metrics are fetched once.
int CListBoxAdv::TextHeight() {
  if (textHeight_ > 0) return textHeight_;
  TEXTMETRICW metrics{};
  HDC dc = GetDC(GetSafeHwnd());
  HGDIOBJ old = SelectObject(dc, GetFont() ? GetFont() : GetStockObject(DEFAULT_GUI_FONT));
  if (GetTextMetricsW(dc, &metrics)) textHeight_ = metrics.tmHeight;
  SelectObject(dc, old);
  ReleaseDC(GetSafeHwnd(), dc);
  return metrics.tmHeight;
}

// An entry holds its image box and a line of text with their margins.
void CListBoxAdv::MeasureItem(MEASUREITEMSTRUCT& item) {
  int height = std::max<int>(imageBox_.cy + 4, TextHeight() + 6);
  item.itemHeight = static_cast<UINT>(std::max(height, static_cast<int>(actionFrame_.cy) + 4));
}
