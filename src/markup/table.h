#pragma once
// Tables: CTableLO (type "table") is a layout object whose grid logic lives in its
// second base CChTable; rows are CRowLO objects, cells CCellLO objects, and each cell
// holds exactly one content object (which may be another table).
#include <cstdint>
#include <memory>
#include <vector>

#include "markup/line_object.h"

class CCellLO : public CLineObject {
 public:
  CCellLO() = default;
  CLineObject* ObjectAt(int x, int y, HitInfo& hit) override;
  void Draw(IDrawContext& dc) override;
  void MoveTo(int x, int y) override;
  bool MoveFocus(bool enter, bool backward) override;
  std::unique_ptr<CLineObject> Clone() const override { return CloneAs<CCellLO>(); }
  CLineObject* LinkAt(int& link) override;
  bool NthFocusable(int& count, CLineObject*& object, int& link) override;
  const char16_t* GetTypeName() const override { return u"Cell"; }

  // Lays the content out in a cell at (x, y) with a width and height budget; answers
  // the size the cell needs, its own margins and padding included.
  Size MeasureContent(IDrawContext& dc, int x, int y, int width, int height);
  // Takes its final rectangle and moves the content laid out there into place.
  void Place(const Rect& cell);
  void SetContent(std::unique_ptr<CLineObject> content) { content_ = std::move(content); }
  CLineObject* Content() const { return content_.get(); }

 private:
  friend class CLineObject;
  CCellLO(const CCellLO& other) : CLineObject(other) {}  // settings only, no content

  std::unique_ptr<CLineObject> content_;
};

class CRowLO : public CLineObject {
 public:
  CRowLO() = default;
  CLineObject* ObjectAt(int x, int y, HitInfo& hit) override;
  void Draw(IDrawContext& dc) override;
  void MoveTo(int x, int y) override;
  bool MoveFocus(bool enter, bool backward) override;
  std::unique_ptr<CLineObject> Clone() const override { return CloneAs<CRowLO>(); }
  CLineObject* LinkAt(int& link) override;
  bool NthFocusable(int& count, CLineObject*& object, int& link) override;
  const char16_t* GetTypeName() const override { return u"Row"; }

  std::vector<std::unique_ptr<CCellLO>>& Cells() { return cells_; }
  const std::vector<std::unique_ptr<CCellLO>>& Cells() const { return cells_; }
  void SetRect(const Rect& rect) { rect_ = rect; }

 private:
  friend class CLineObject;
  CRowLO(const CRowLO& other) : CLineObject(other) {}  // settings only, no cells

  std::vector<std::unique_ptr<CCellLO>> cells_;
  int focusedCell_ = -1;
};

class CChTable {
 public:
  struct Track {
    std::int32_t size = 0;     // pixels of the device
    std::int32_t minimum = 0;  // a fixed size as written (96 dots per inch), or an automatic column's measure
    std::int32_t percentFlag = 1;
    std::int32_t automatic = 0;
    std::uint8_t percent = 100;
  };

  const std::vector<std::unique_ptr<CRowLO>>& Rows() const { return rows_; }
  const std::vector<Track>& Columns() const { return columns_; }
  const std::vector<Track>& RowTracks() const { return rowTracks_; }

 protected:
  // Registers a cell's width with its column (and its height with its row).
  static void Register(Track& track, const CLineObject& cell, bool width);
  Track& Column(std::size_t index);
  // Column sizes for the available width A (heightBudget serves percent heights), fixed
  // sizes scaled to `dpi`.
  void SizeColumns(IDrawContext& dc, int available, int heightBudget, int dpi);
  // Stacks the rows from (x, y) in width A; answers the table's height.
  int PlaceRows(IDrawContext& dc, int x, int y, int available, int heightBudget, int dpi);

  std::vector<std::unique_ptr<CRowLO>> rows_;
  std::vector<Track> rowTracks_;
  std::vector<Track> columns_;
};

class CTableLO : public CLineObject, public CChTable {
 public:
  CTableLO() {
    kind_ = kTableKind;
    flags_ |= kFocusable | kTable;
  }

  bool Parse(const CChParser& parser, int& tagIndex, CChDocument& document) override;
  CLineObject* ObjectAt(int x, int y, HitInfo& hit) override;
  Size Measure(IDrawContext& dc, int x, int y, int right, int bottom) override;
  void Draw(IDrawContext& dc) override;
  void MoveTo(int x, int y) override;
  bool MoveFocus(bool enter, bool backward) override;
  std::unique_ptr<CLineObject> Clone() const override { return CloneAs<CTableLO>(); }
  CLineObject* LinkAt(int& link) override;
  bool NthFocusable(int& count, CLineObject*& object, int& link) override;
  const char16_t* GetTypeName() const override { return u"Table"; }

 private:
  friend class CLineObject;
  CTableLO(const CTableLO& other) : CLineObject(other) {}  // settings only, no rows

  void AddCell(const CChParser& parser, int& index, int last, CChDocument& document);
  int focusedRow_ = -1;
};
