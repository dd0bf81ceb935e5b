// The table model behind every grid of the main window: the file list, the
// element list and the two output grids that become workbooks. Rows and
// columns are 0-based; row 0 and column 0 are the grid's own fixed heading row
// and column. Cells hold text only. Every access outside the grid throws
// std::out_of_range; a size or setting that cannot exist throws
// std::invalid_argument.
#pragma once

#include <cstdint>
#include <functional>
#include <iterator>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "grid/cell_range.h"
#include "grid/cell_store.h"
#include "grid/text_pool.h"
#include "grid/workbook_options.h"
#include "util/result.h"

namespace quillon {

class Grid {
 public:
  static constexpr int kDefaultColumnWidth = 64;  // pixels
  static constexpr int kDefaultRowHeight = 18;    // pixels
  static constexpr int kCheckBox = 2;             // column cell type

  Grid();
  Grid(const Grid&) = delete;
  Grid& operator=(const Grid&) = delete;
  Grid(Grid&&) = default;
  Grid& operator=(Grid&&) = default;

  // Adds empty rows or columns at the end, or removes them.
  int Rows() const { return rows_; }
  void SetRows(int rows);
  int Cols() const { return cols_; }
  void SetCols(int cols);
  // 0 .. Rows(); shrinking the grid below it lowers it too.
  int FixedRows() const { return fixedRows_; }
  void SetFixedRows(int rows);
  // Rows firstRow..lastRow are in a workbook on the disk for good: their
  // cells are let go, so that a run's memory does not grow with its rows,
  // and reaching one of them throws as a cell outside the grid does. The
  // rows let go stay one run: a later call extends it from the same first
  // row. Rows() is unchanged; shrinking the grid below them takes them back
  // as empty rows. The texts stay, for the workbook's string table.
  void ReleaseRows(int firstRow, int lastRow);
  bool IsReleased(int row) const {
    return row >= releasedFirst_ && row - releasedFirst_ < releasedCount_;
  }

  // The view stays valid until rows or columns are next removed.
  std::string_view CellText(int row, int col) const;
  // Inline: a timed-record run writes millions of cells.
  void SetCellText(int row, int col, std::string_view text) {
    uint32_t& cell = cells_[IndexOf(row, col)];
    cell = (cell & ~kIdMask) | pool_.Intern(text);
    Changed();
  }
  // Writes texts[k] into cell (firstRow + k, col): a column of a block at once.
  void SetColumnTexts(int firstRow, int col, std::span<const std::string_view> texts) {
    SetColumnTexts(firstRow, col, texts, [](std::string_view text) { return text; });
  }
  // The same with the text that textOf(texts[k]) sees in each item.
  template <class Texts, class TextOf>
  void SetColumnTexts(int firstRow, int col, const Texts& texts, TextOf textOf) {
    if (std::empty(texts)) return;
    int lastRow = firstRow + static_cast<int>(std::size(texts)) - 1;
    size_t at = IndexOf(firstRow, col);
    IndexOf(lastRow, col);
    if (firstRow < releasedFirst_ && lastRow >= releasedFirst_ && releasedCount_ > 0)
      ThrowOutside(releasedFirst_, col);
    auto text = std::begin(texts);
    cells_.ForEachInColumn(at, std::size(texts), static_cast<size_t>(cols_), [&](uint32_t& cell) {
      cell = (cell & ~kIdMask) | pool_.Intern(textOf(*text++));
    });
    Changed();
  }
  bool WrapText(int row, int col) const;
  void SetWrapText(int row, int col, bool on);
  bool CellFlag(int row, int col) const;
  void SetCellFlag(int row, int col, bool on);

  int ColumnWidth(int col) const;  // pixels
  void SetColumnWidth(int col, int width);
  int ColumnAlignment(int col) const;  // see grid/alignment.h
  void SetColumnAlignment(int col, int code);
  bool ColumnLocked(int col) const;
  void SetColumnLocked(int col, bool locked);
  int ColumnCellType(int col) const;
  void SetColumnCellType(int col, int type);

  // A merge replaces the merges it overlaps. Corners may come in any order.
  void MergeRange(int firstRow, int firstCol, int lastRow, int lastCol);
  const std::vector<CellRange>& MergedRanges() const { return merges_; }
  void SetRangeAlignment(int firstRow, int firstCol, int lastRow, int lastCol, int code);
  // The alignment a cell shows: its range's, else its column's.
  int CellAlignment(int row, int col) const;

  int RowHeight(int row) const;  // pixels
  void SetRowHeight(int row, int height);

  const std::string& FontName() const { return fontName_; }
  int FontSize() const { return fontSize_; }  // points, 1 .. 409
  void SetFont(std::string name, int size);

  // With redraw on, every change tells the listeners at once; with it off
  // they hear nothing until Refresh.
  bool AutoRedraw() const { return autoRedraw_; }
  void SetAutoRedraw(bool on) { autoRedraw_ = on; }
  void Refresh();
  void AddRefreshListener(std::function<void()> listener);

  // The clicked cell; (0, 0) until a cell is clicked.
  int ActiveRow() const { return activeRow_; }
  int ActiveCol() const { return activeCol_; }
  void SetActiveCell(int row, int col);

  // Saves rows and columns from 1 as a workbook at path, an Excel 97-2003
  // one unless the options ask for .xlsx.
  Status ExportToExcel(const std::string& path, const WorkbookOptions& options = {},
                       const SaveControl& control = {}) const;

  // The stored texts, for writers that want each distinct text once: ids run
  // from 0 (the empty text) to TextCount() - 1.
  TextId CellTextId(int row, int col) const;
  std::string_view Text(TextId id) const { return pool_.Text(id); }
  size_t TextCount() const { return pool_.Count(); }
  // Calls visit(cells, col) for the cells of a row from column 1 on, in
  // order, as runs of cell words whose first is column col, for writers that
  // go through millions of cells. IdOf and Wraps read a cell word.
  template <class Visit>
  void ForEachRunOfRow(int row, Visit visit) const {
    size_t first = IndexOf(row, 0) + 1;
    int col = 1;
    cells_.ForEachRun(first, static_cast<size_t>(cols_ - 1), [&](std::span<const uint32_t> run) {
      visit(run, col);
      col += static_cast<int>(run.size());
    });
  }
  static TextId IdOf(uint32_t cell) { return cell & kIdMask; }
  static bool Wraps(uint32_t cell) { return (cell & kWrapBit) != 0; }
  // Whether a cell word holds a text or keeps its wrap setting: one that a
  // workbook writes.
  static bool Shown(uint32_t cell) { return (cell & (kIdMask | kWrapBit)) != 0; }
  // Whether a range alignment covers a cell of the row; the cells of every
  // other row show their columns' alignments.
  bool RowHasRangeAlignment(int row) const;
  // Whether rows firstRow..lastRow all show their columns' alignments and
  // the default height, so that a writer need not ask row by row.
  bool RowsArePlain(int firstRow, int lastRow) const;
  // The alignment each cell of a row shows, as CellAlignment, from column 1
  // on: alignments[c - 1] is column c.
  void ReadRowAlignments(int row, std::vector<int>& alignments) const;
  // Distinct non-empty texts held, and the bytes the grid holds in all.
  size_t DistinctTexts() const { return pool_.Count() - 1; }
  size_t MemoryBytes() const;

 private:
  struct Column {
    int width = kDefaultColumnWidth;
    int alignment = 0;
    bool locked = false;
    int cellType = 0;
  };
  struct RangeAlignment {
    CellRange range;
    int code = 0;
  };

  // A cell is its text id with the wrap and flag bits on top.
  static constexpr uint32_t kWrapBit = uint32_t{1} << 30;
  static constexpr uint32_t kFlagBit = uint32_t{1} << 31;
  static constexpr uint32_t kIdMask = kWrapBit - 1;

  size_t IndexOf(int row, int col) const {
    if (row < 0 || row >= rows_ || col < 0 || col >= cols_ || IsReleased(row))
      ThrowOutside(row, col);
    return static_cast<size_t>(row) * static_cast<size_t>(cols_) + static_cast<size_t>(col);
  }
  [[noreturn]] void ThrowOutside(int row, int col) const;
  Column& ColumnAt(int col);
  const Column& ColumnAt(int col) const;
  CellRange CheckedRange(int firstRow, int firstCol, int lastRow, int lastCol) const;
  void SetBit(int row, int col, uint32_t bit, bool on);
  void AfterShrink();
  void DropUnusedTexts();
  void Changed() {
    if (autoRedraw_) Refresh();
  }

  int rows_ = 1;
  int cols_ = 1;
  int fixedRows_ = 1;
  int releasedFirst_ = 0;  // ReleaseRows: the rows let go
  int releasedCount_ = 0;
  CellStore cells_;
  TextPool pool_;
  std::vector<Column> columns_;
  std::map<int, int> rowHeights_;  // only rows of another height than the default
  std::vector<CellRange> merges_;
  std::vector<RangeAlignment> rangeAlignments_;
  std::string fontName_ = "Tahoma";
  int fontSize_ = 8;
  bool autoRedraw_ = true;
  std::vector<std::function<void()>> listeners_;
  int activeRow_ = 0;
  int activeCol_ = 0;
};

}  // namespace quillon
