#include "markup/table.h"

#include <algorithm>

#include "common/text.h"
#include "markup/document.h"

using parental::common::EqualsNoCase;

namespace {

// Focus, hit tests and counting walk the children in order (row-major for tables).
template <class Children>
bool StepFocus(const Children& children, int& current, bool enter, bool backward) {
  const int count = static_cast<int>(children.size());
  if (!enter && current >= 0 && current < count && children[current]->MoveFocus(false, backward)) return true;
  const int step = backward ? -1 : 1;
  for (int i = enter ? (backward ? count - 1 : 0) : current + step; i >= 0 && i < count; i += step) {
    if (children[i]->MoveFocus(true, backward)) {
      current = i;
      return true;
    }
  }
  current = -1;
  return false;
}

template <class Children>
CLineObject* FocusedChildLink(const Children& children, int current, int& link) {
  if (current < 0 || current >= static_cast<int>(children.size())) return nullptr;
  return children[current]->LinkAt(link);
}

template <class Children>
bool CountFocusable(const Children& children, int& count, CLineObject*& object, int& link) {
  for (const auto& child : children) {
    if (child->NthFocusable(count, object, link)) return true;
  }
  return false;
}

// The object under the point inside the child that holds it, or `self`.
template <class Children>
CLineObject* ChildAt(CLineObject& self, const Children& children, int x, int y, HitInfo& hit) {
  for (const auto& child : children) {
    if (!child->GetRect().Contains(x, y)) continue;
    if (CLineObject* found = child->ObjectAt(x, y, hit)) return found;
    break;
  }
  hit.object = &self;
  return &self;
}

template <class Children>
void MoveChildren(const Children& children, int dx, int dy) {
  for (const auto& child : children) child->MoveTo(child->GetRect().left + dx, child->GetRect().top + dy);
}

}  // namespace

// Cell.

CLineObject* CCellLO::ObjectAt(int x, int y, HitInfo& hit) {
  if (content_ && content_->Visible() && content_->GetRect().Contains(x, y)) return content_->ObjectAt(x, y, hit);
  hit.object = this;
  return this;
}

void CCellLO::Draw(IDrawContext& dc) {
  DrawBackground(dc);
  if (content_ && content_->Visible()) content_->Draw(dc);
}

void CCellLO::MoveTo(int x, int y) {
  if (content_) {
    const Rect& inner = content_->GetRect();
    content_->MoveTo(inner.left + x - rect_.left, inner.top + y - rect_.top);
  }
  CLineObject::MoveTo(x, y);
}

bool CCellLO::MoveFocus(bool enter, bool backward) {
  return content_ && content_->MoveFocus(enter, backward);
}

CLineObject* CCellLO::LinkAt(int& link) { return content_ ? content_->LinkAt(link) : nullptr; }

bool CCellLO::NthFocusable(int& count, CLineObject*& object, int& link) {
  return content_ && content_->NthFocusable(count, object, link);
}

Size CCellLO::MeasureContent(IDrawContext& dc, int x, int y, int width, int height) {
  const ScaledSides m = Margins(), p = Padding();
  const int hs = m.Horizontal() + p.Horizontal(), vs = m.Vertical() + p.Vertical();
  if (!content_ || !content_->Visible()) return {hs, vs};
  const Size box = content_->MeasureBox(dc, x + m.left + p.left, y + m.top + p.top,
                                         std::max(0, width - hs), std::max(0, height - vs));
  return {box.cx + hs, box.cy + vs};
}

// The content at the cell's top left, or where its ALIGN bits put it.
void CCellLO::Place(const Rect& cell) {
  rect_ = cell;
  if (!content_ || !content_->Visible()) return;
  const ScaledSides cm = Margins(), cp = Padding();
  const Rect inner{cell.left + cm.left + cp.left, cell.top + cm.top + cp.top, cell.right - cm.right - cp.right,
                   cell.bottom - cm.bottom - cp.bottom};
  const Rect& content = content_->GetRect();
  const ScaledSides m = content_->Margins(), p = content_->Padding();
  const int boxWidth = content.Width() + m.Horizontal() + p.Horizontal();
  const int boxHeight = content.Height() + m.Vertical() + p.Vertical();
  int x = inner.left, y = inner.top;
  const auto align = content_->Alignment();
  if ((align & 3) == 3) x += (inner.Width() - boxWidth) / 2;
  else if (align & 2) x = inner.right - boxWidth;
  if ((align & 12) == 12) y += (inner.Height() - boxHeight) / 2;
  else if (align & 4) y = inner.bottom - boxHeight;
  content_->MoveTo(x + m.left + p.left, y + m.top + p.top);
}

// Row.

CLineObject* CRowLO::ObjectAt(int x, int y, HitInfo& hit) { return ChildAt(*this, cells_, x, y, hit); }

void CRowLO::Draw(IDrawContext& dc) {
  DrawBackground(dc);
  for (auto& cell : cells_) {
    if (dc.InArea(cell->GetRect())) cell->Draw(dc);
  }
}

void CRowLO::MoveTo(int x, int y) {
  MoveChildren(cells_, x - rect_.left, y - rect_.top);
  CLineObject::MoveTo(x, y);
}

bool CRowLO::MoveFocus(bool enter, bool backward) { return StepFocus(cells_, focusedCell_, enter, backward); }
CLineObject* CRowLO::LinkAt(int& link) { return FocusedChildLink(cells_, focusedCell_, link); }
bool CRowLO::NthFocusable(int& count, CLineObject*& object, int& link) {
  return CountFocusable(cells_, count, object, link);
}

// Grid.

void CChTable::Register(Track& track, const CLineObject& cell, bool width) {
  const bool automatic = cell.Has(width ? CLineObject::kWidthAuto : CLineObject::kHeightAuto);
  const bool percent = cell.Has(width ? CLineObject::kWidthPercent : CLineObject::kHeightPercent);
  const int size = width ? cell.Width() : cell.Height();
  if (automatic) {
    track.automatic = 1;
  } else if (percent) {
    if (track.percentFlag) track.percent = std::min(track.percent, static_cast<std::uint8_t>(size));
  } else {
    track.minimum = std::max(track.minimum, size);
    track.percentFlag = 0;
  }
}

CChTable::Track& CChTable::Column(std::size_t index) {
  if (index >= columns_.size()) columns_.resize(index + 1);
  return columns_[index];
}

void CChTable::SizeColumns(IDrawContext& dc, int available, int heightBudget, int dpi) {
  for (std::size_t c = 0; c < columns_.size(); ++c) {
    Track& column = columns_[c];
    if (!column.automatic) continue;
    int widest = 0;
    for (auto& row : rows_) {
      if (c >= row->Cells().size()) continue;
      CCellLO& cell = *row->Cells()[c];
      const Rect& at = cell.GetRect();
      widest = std::max(widest, cell.MeasureContent(dc, at.left, at.top, available, heightBudget).cx + 2);
    }
    column.minimum = widest;
  }
  long long fixed = 0, percents = 0;
  for (Track& column : columns_) {
    if (!column.percentFlag || column.automatic) {
      column.size = column.automatic ? column.minimum : ScaleLength(column.minimum, dpi);
      fixed += column.size;
    } else {
      percents += column.percent;
    }
  }
  // Percents are shares of what the fixed columns leave, relative to their sum.
  if (percents == 0) return;
  const double share = static_cast<double>(available - fixed) / static_cast<double>(percents);
  for (Track& column : columns_) {
    if (column.percentFlag && !column.automatic) column.size = std::max(0, static_cast<int>(column.percent * share));
  }
}

int CChTable::PlaceRows(IDrawContext& dc, int x, int y, int available, int heightBudget, int dpi) {
  int top = y;
  for (std::size_t r = 0; r < rows_.size(); ++r) {
    CRowLO& row = *rows_[r];
    const ScaledSides rm = row.Margins(), rp = row.Padding();
    const int cellTop = top + rm.top + rp.top;
    int cellX = x + rm.left + rp.left, height = 0;
    std::vector<Rect> cells;
    for (std::size_t c = 0; c < row.Cells().size(); ++c) {
      CCellLO& cell = *row.Cells()[c];
      const int width = c < columns_.size() ? columns_[c].size : 0;
      int cellHeight = cell.MeasureContent(dc, cellX, cellTop, width, heightBudget).cy;
      if (cell.HeightFixed()) cellHeight = std::max(cellHeight, ScaleLength(cell.Height(), dpi));
      height = std::max(height, cellHeight);
      cells.push_back({cellX, cellTop, cellX + width, cellTop});
      cellX += width;
    }
    const int rowHeight = std::max(height + rm.Vertical() + rp.Vertical(), ScaleLength(rowTracks_[r].minimum, dpi));
    const int inner = rowHeight - rm.Vertical() - rp.Vertical();
    for (std::size_t c = 0; c < cells.size(); ++c) {
      cells[c].bottom = cellTop + inner;
      row.Cells()[c]->Place(cells[c]);
    }
    row.SetRect({x, top, x + available, top + rowHeight});
    top = ClampCoordinate(static_cast<long long>(top) + rowHeight);
  }
  return top - y;
}

// Table.

bool CTableLO::Parse(const CChParser& parser, int& tagIndex, CChDocument& document) {
  rows_.clear();
  rowTracks_.clear();
  columns_.clear();
  const auto* tag = parser.Tag(tagIndex);
  if (!tag || tag->selfClosing || tag->endIndex <= tagIndex) return true;
  const int last = tag->endIndex - 1;
  for (int i = tagIndex + 1; i <= last; ++i) {
    if (parser.Tag(i)->closing) continue;
    const auto name = parser.RawTagName(i);
    if (EqualsNoCase(name, u"TR")) {
      auto row = std::make_unique<CRowLO>();
      row->Attach(&document, this);
      row->SetSource(&parser, i);
      row->ApplyTagAttributes();
      rowTracks_.emplace_back();
      Register(rowTracks_.back(), *row, false);
      rows_.push_back(std::move(row));
    } else if (EqualsNoCase(name, u"TD")) {
      AddCell(parser, i, last, document);
    }
  }
  tagIndex = tag->endIndex - 1;
  return false;
}

void CTableLO::AddCell(const CChParser& parser, int& index, int last, CChDocument& document) {
  if (rows_.empty()) {  // a cell before any row opens one
    rows_.push_back(std::make_unique<CRowLO>());
    rows_.back()->Attach(&document, this);
    rowTracks_.emplace_back();
  }
  CRowLO& row = *rows_.back();
  auto cell = std::make_unique<CCellLO>();
  cell->Attach(&document, &row);
  cell->SetSource(&parser, index);
  cell->ApplyTagAttributes();
  Register(Column(row.Cells().size()), *cell, true);
  Register(rowTracks_.back(), *cell, false);

  const auto* td = parser.Tag(index);
  std::unique_ptr<CLineObject> content;
  const int first = index + 1;
  if (!td->selfClosing && td->endIndex > first && first <= last && !parser.Tag(first)->closing) {
    const auto name = parser.RawTagName(first);
    std::u16string type;
    int at = first;
    bool more = true;
    if (name.size() >= 6 && EqualsNoCase(name.substr(0, 6), u"OBJECT")) {
      if (parser.GetTagValue(first, type)) content = document.CreateObject(type, {}, parser, at, cell.get(), more);
    } else if (const auto* entry = document.FindTag(name)) {
      content = document.CreateObject(entry->type, entry->defaults, parser, at, cell.get(), more);
    }
  }
  if (!content) content = document.CreateEmpty(u"p", cell.get());
  cell->SetContent(std::move(content));
  row.Cells().push_back(std::move(cell));
  index = std::max(index, std::min(td->endIndex, last));
}

CLineObject* CTableLO::ObjectAt(int x, int y, HitInfo& hit) { return ChildAt(*this, rows_, x, y, hit); }

Size CTableLO::Measure(IDrawContext& dc, int x, int y, int right, int bottom) {
  const int available = std::max(0, right - x);
  SizeColumns(dc, available, bottom - y, Dpi());
  const int height = PlaceRows(dc, x, y, available, bottom - y, Dpi());
  rect_ = {x, y, x + available, y + height};
  return {available, height};
}

void CTableLO::Draw(IDrawContext& dc) {
  DrawBackground(dc);
  for (auto& row : rows_) {
    if (dc.InArea(row->GetRect())) row->Draw(dc);
  }
}

void CTableLO::MoveTo(int x, int y) {
  MoveChildren(rows_, x - rect_.left, y - rect_.top);
  CLineObject::MoveTo(x, y);
}

bool CTableLO::MoveFocus(bool enter, bool backward) {
  if (enter && !CanFocus()) return false;
  return StepFocus(rows_, focusedRow_, enter, backward);
}

CLineObject* CTableLO::LinkAt(int& link) { return FocusedChildLink(rows_, focusedRow_, link); }

bool CTableLO::NthFocusable(int& count, CLineObject*& object, int& link) {
  return CanFocus() && CountFocusable(rows_, count, object, link);
}
