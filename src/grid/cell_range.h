// A rectangle of grid cells, corners included.
#pragma once

#include <algorithm>
#include <optional>

namespace quillon {

struct CellRange {
  int firstRow = 0;
  int firstCol = 0;
  int lastRow = 0;
  int lastCol = 0;

  bool Contains(int row, int col) const {
    return row >= firstRow && row <= lastRow && col >= firstCol && col <= lastCol;
  }
  bool IsOneCell() const { return firstRow == lastRow && firstCol == lastCol; }
  bool Overlaps(const CellRange& o) const {
    return firstRow <= o.lastRow && o.firstRow <= lastRow && firstCol <= o.lastCol &&
           o.firstCol <= lastCol;
  }
  // The part inside a grid of rows x cols, none when nothing is left.
  std::optional<CellRange> ClippedTo(int rows, int cols) const {
    CellRange r{firstRow, firstCol, std::min(lastRow, rows - 1), std::min(lastCol, cols - 1)};
    if (r.firstRow > r.lastRow || r.firstCol > r.lastCol) return std::nullopt;
    return r;
  }
  bool operator==(const CellRange&) const = default;
};

}  // namespace quillon
