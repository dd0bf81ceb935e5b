#include "grid/grid.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "grid/alignment.h"
#include "grid/xls/workbook_file.h"
#include "grid/xlsx/workbook_file.h"

namespace quillon {
namespace {

constexpr int kMaxFontSize = 409;
constexpr size_t kMapNodeBytes = 48;  // a row height entry with its tree links
// Four times what one workbook file can hold; a larger grid is a mistake that
// would otherwise take all the machine's memory before failing.
constexpr size_t kMaxCells = size_t{1} << 30;

size_t CellCount(int rows, int cols) {
  size_t cells = static_cast<size_t>(rows) * static_cast<size_t>(cols);
  if (cells > kMaxCells)
    throw std::length_error("a grid of " + std::to_string(rows) + " x " + std::to_string(cols) +
                            " cells is too large");
  return cells;
}

std::string CellName(int row, int col) {
  return "cell (" + std::to_string(row) + ", " + std::to_string(col) + ")";
}

void CheckAlignment(int code) {
  if (!IsAlignmentCode(code))
    throw std::invalid_argument("alignment code " + std::to_string(code) + " unknown");
}

template <class Item, class RangeOf>
void ClipRanges(std::vector<Item>& items, int rows, int cols, RangeOf rangeOf) {
  std::erase_if(items, [&](Item& item) {
    auto clipped = rangeOf(item).ClippedTo(rows, cols);
    if (clipped) rangeOf(item) = *clipped;
    return !clipped;
  });
}

}  // namespace

Grid::Grid() : columns_(1) { cells_.Resize(1); }

void Grid::ThrowOutside(int row, int col) const {
  if (IsReleased(row) && col >= 0 && col < cols_)
    throw std::out_of_range(CellName(row, col) + " is saved and no longer held");
  throw std::out_of_range(CellName(row, col) + " outside the grid (" + std::to_string(rows_) +
                          " rows, " + std::to_string(cols_) + " columns)");
}

Grid::Column& Grid::ColumnAt(int col) {
  if (col < 0 || col >= cols_)
    throw std::out_of_range("column " + std::to_string(col) + " outside the grid (" +
                            std::to_string(cols_) + " columns)");
  return columns_[static_cast<size_t>(col)];
}
const Grid::Column& Grid::ColumnAt(int col) const { return const_cast<Grid*>(this)->ColumnAt(col); }

void Grid::SetRows(int rows) {
  if (rows < 0) throw std::invalid_argument("negative row count");
  size_t cells = CellCount(rows, cols_);
  bool shrinks = rows < rows_;
  // Rows let go and cut off come back empty should the grid grow again.
  releasedCount_ = std::clamp(rows - releasedFirst_, 0, releasedCount_);
  cells_.Resize(cells);
  rows_ = rows;
  if (shrinks) AfterShrink();
  Changed();
}

void Grid::SetCols(int cols) {
  if (cols < 0) throw std::invalid_argument("negative column count");
  if (cols == cols_) return;
  if (releasedCount_ > 0)
    throw std::logic_error("the columns of a grid with rows let go are fixed");
  CellStore cells;
  cells.Resize(CellCount(rows_, cols));
  size_t keep = static_cast<size_t>(std::min(cols, cols_));
  for (size_t r = 0; r < static_cast<size_t>(rows_); ++r)
    for (size_t c = 0; c < keep; ++c)
      cells[r * static_cast<size_t>(cols) + c] = cells_[r * static_cast<size_t>(cols_) + c];
  bool shrinks = cols < cols_;
  cells_ = std::move(cells);
  cols_ = cols;
  columns_.resize(static_cast<size_t>(cols));
  if (shrinks) AfterShrink();
  Changed();
}

void Grid::AfterShrink() {
  fixedRows_ = std::min(fixedRows_, rows_);
  rowHeights_.erase(rowHeights_.lower_bound(rows_), rowHeights_.end());
  ClipRanges(merges_, rows_, cols_, [](CellRange& r) -> CellRange& { return r; });
  std::erase_if(merges_, [](const CellRange& r) { return r.IsOneCell(); });
  ClipRanges(rangeAlignments_, rows_, cols_,
             [](RangeAlignment& a) -> CellRange& { return a.range; });
  activeRow_ = std::clamp(activeRow_, 0, std::max(rows_ - 1, 0));
  activeCol_ = std::clamp(activeCol_, 0, std::max(cols_ - 1, 0));
  // Every run starts its output grids again from the header row; the texts
  // of earlier runs would otherwise stay in the pool for the whole session.
  // Texts of rows let go may still be wanted by the workbook they went to.
  if (releasedCount_ == 0 && pool_.Count() > 2 * cells_.Size() + 1024) DropUnusedTexts();
}

void Grid::DropUnusedTexts() {
  TextPool pool;
  std::vector<TextId> newId(pool_.Count(), TextPool::kEmpty);
  std::vector<bool> seen(pool_.Count(), false);
  for (size_t i = 0; i < cells_.Size(); ++i) {
    uint32_t& cell = cells_[i];
    TextId id = cell & kIdMask;
    if (!seen[id]) {
      newId[id] = pool.Intern(pool_.Text(id));
      seen[id] = true;
    }
    cell = (cell & ~kIdMask) | newId[id];
  }
  pool_ = std::move(pool);
}

void Grid::ReleaseRows(int firstRow, int lastRow) {
  if (firstRow < 0 || lastRow < firstRow || lastRow >= rows_)
    throw std::out_of_range("rows " + std::to_string(firstRow) + ".." + std::to_string(lastRow) +
                            " to let go, outside the grid (" + std::to_string(rows_) + " rows)");
  if (releasedCount_ > 0 && firstRow != releasedFirst_)
    throw std::invalid_argument("rows let go must stay one run from row " +
                                std::to_string(releasedFirst_));
  releasedFirst_ = firstRow;
  releasedCount_ = std::max(releasedCount_, lastRow - firstRow + 1);
  cells_.ReleasePages(static_cast<size_t>(firstRow) * static_cast<size_t>(cols_),
                      static_cast<size_t>(firstRow + releasedCount_) * static_cast<size_t>(cols_));
}

void Grid::SetFixedRows(int rows) {
  if (rows < 0 || rows > rows_)
    throw std::out_of_range("fixed rows " + std::to_string(rows) + " outside 0.." +
                            std::to_string(rows_));
  fixedRows_ = rows;
  Changed();
}

std::string_view Grid::CellText(int row, int col) const {
  return pool_.Text(cells_[IndexOf(row, col)] & kIdMask);
}

TextId Grid::CellTextId(int row, int col) const { return cells_[IndexOf(row, col)] & kIdMask; }

void Grid::SetBit(int row, int col, uint32_t bit, bool on) {
  uint32_t& cell = cells_[IndexOf(row, col)];
  cell = on ? (cell | bit) : (cell & ~bit);
  Changed();
}

bool Grid::WrapText(int row, int col) const { return cells_[IndexOf(row, col)] & kWrapBit; }
void Grid::SetWrapText(int row, int col, bool on) { SetBit(row, col, kWrapBit, on); }
bool Grid::CellFlag(int row, int col) const { return cells_[IndexOf(row, col)] & kFlagBit; }
void Grid::SetCellFlag(int row, int col, bool on) { SetBit(row, col, kFlagBit, on); }

int Grid::ColumnWidth(int col) const { return ColumnAt(col).width; }
void Grid::SetColumnWidth(int col, int width) {
  if (width < 0) throw std::invalid_argument("negative column width");
  ColumnAt(col).width = width;
  Changed();
}

int Grid::ColumnAlignment(int col) const { return ColumnAt(col).alignment; }
void Grid::SetColumnAlignment(int col, int code) {
  CheckAlignment(code);
  ColumnAt(col).alignment = code;
  Changed();
}

bool Grid::ColumnLocked(int col) const { return ColumnAt(col).locked; }
void Grid::SetColumnLocked(int col, bool locked) {
  ColumnAt(col).locked = locked;
  Changed();
}

int Grid::ColumnCellType(int col) const { return ColumnAt(col).cellType; }
void Grid::SetColumnCellType(int col, int type) {
  ColumnAt(col).cellType = type;
  Changed();
}

CellRange Grid::CheckedRange(int firstRow, int firstCol, int lastRow, int lastCol) const {
  IndexOf(firstRow, firstCol);
  IndexOf(lastRow, lastCol);
  return {std::min(firstRow, lastRow), std::min(firstCol, lastCol), std::max(firstRow, lastRow),
          std::max(firstCol, lastCol)};
}

void Grid::MergeRange(int firstRow, int firstCol, int lastRow, int lastCol) {
  CellRange range = CheckedRange(firstRow, firstCol, lastRow, lastCol);
  std::erase_if(merges_, [&](const CellRange& r) { return r.Overlaps(range); });
  if (range.firstRow != range.lastRow || range.firstCol != range.lastCol) merges_.push_back(range);
  Changed();
}

void Grid::SetRangeAlignment(int firstRow, int firstCol, int lastRow, int lastCol, int code) {
  CellRange range = CheckedRange(firstRow, firstCol, lastRow, lastCol);
  CheckAlignment(code);
  // A range set again replaces the earlier setting instead of piling up.
  std::erase_if(rangeAlignments_, [&](const RangeAlignment& a) {
    return range.Contains(a.range.firstRow, a.range.firstCol) &&
           range.Contains(a.range.lastRow, a.range.lastCol);
  });
  rangeAlignments_.push_back({range, code});
  Changed();
}

int Grid::CellAlignment(int row, int col) const {
  IndexOf(row, col);
  for (auto it = rangeAlignments_.rbegin(); it != rangeAlignments_.rend(); ++it)
    if (it->range.Contains(row, col)) return it->code;
  return columns_[static_cast<size_t>(col)].alignment;
}

bool Grid::RowHasRangeAlignment(int row) const {
  IndexOf(row, 0);
  return std::any_of(
      rangeAlignments_.begin(), rangeAlignments_.end(),
      [row](const RangeAlignment& r) { return row >= r.range.firstRow && row <= r.range.lastRow; });
}

bool Grid::RowsArePlain(int firstRow, int lastRow) const {
  IndexOf(firstRow, 0);
  IndexOf(lastRow, 0);
  auto height = rowHeights_.lower_bound(firstRow);
  if (height != rowHeights_.end() && height->first <= lastRow) return false;
  return std::none_of(rangeAlignments_.begin(), rangeAlignments_.end(),
                      [&](const RangeAlignment& r) {
                        return r.range.firstRow <= lastRow && r.range.lastRow >= firstRow;
                      });
}

void Grid::ReadRowAlignments(int row, std::vector<int>& alignments) const {
  IndexOf(row, 0);
  alignments.clear();
  for (int c = 1; c < cols_; ++c) alignments.push_back(columns_[static_cast<size_t>(c)].alignment);
  // Later ranges win, as in CellAlignment.
  for (const RangeAlignment& r : rangeAlignments_) {
    if (row < r.range.firstRow || row > r.range.lastRow) continue;
    for (int c = std::max(r.range.firstCol, 1); c <= r.range.lastCol && c < cols_; ++c)
      alignments[static_cast<size_t>(c - 1)] = r.code;
  }
}

int Grid::RowHeight(int row) const {
  IndexOf(row, 0);
  auto it = rowHeights_.find(row);
  return it == rowHeights_.end() ? kDefaultRowHeight : it->second;
}

void Grid::SetRowHeight(int row, int height) {
  IndexOf(row, 0);
  if (height < 0) throw std::invalid_argument("negative row height");
  if (height == kDefaultRowHeight)
    rowHeights_.erase(row);
  else
    rowHeights_[row] = height;
  Changed();
}

void Grid::SetFont(std::string name, int size) {
  if (name.empty()) throw std::invalid_argument("font without a name");
  if (size < 1 || size > kMaxFontSize)
    throw std::invalid_argument("font size " + std::to_string(size) + " outside 1.." +
                                std::to_string(kMaxFontSize));
  fontName_ = std::move(name);
  fontSize_ = size;
  Changed();
}

void Grid::Refresh() {
  if (listeners_.empty()) return;
  // A listener may add listeners; call the ones present now from a copy.
  auto listeners = listeners_;
  for (auto& listener : listeners) listener();
}

void Grid::AddRefreshListener(std::function<void()> listener) {
  listeners_.push_back(std::move(listener));
}

void Grid::SetActiveCell(int row, int col) {
  IndexOf(row, col);
  activeRow_ = row;
  activeCol_ = col;
}

Status Grid::ExportToExcel(const std::string& path, const WorkbookOptions& options,
                           const SaveControl& control) const {
  if (options.format == WorkbookFormat::kXlsx)
    return xlsx::WriteWorkbookFile(*this, path, options, control);
  return xls::WriteWorkbookFile(*this, path, options, control);
}

size_t Grid::MemoryBytes() const {
  return sizeof(Grid) + cells_.MemoryBytes() + pool_.MemoryBytes() +
         columns_.capacity() * sizeof(Column) + rowHeights_.size() * kMapNodeBytes +
         merges_.capacity() * sizeof(CellRange) +
         rangeAlignments_.capacity() * sizeof(RangeAlignment);
}

}  // namespace quillon
