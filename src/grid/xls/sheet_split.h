// Which grid rows go on which sheet. A sheet holds at most 65,536 rows in an
// Excel 97-2003 workbook (1,048,576 in a newer one); a longer grid goes on
// over further sheets, each headed again by the grid's row 1, so no row is
// ever dropped.
#pragma once

#include <vector>

namespace quillon::xls {

constexpr int kMaxSheetRows = 65536;
constexpr int kMaxSheetCols = 256;

// One sheet: the header (grid row 1) when the grid has one, then grid rows
// firstRow .. lastRow (none when lastRow < firstRow).
struct SheetRows {
  bool header = false;
  int firstRow = 2;
  int lastRow = 1;

  int Count() const { return (header ? 1 : 0) + (lastRow - firstRow + 1); }
  // The grid row shown in sheet row i (0-based).
  int GridRow(int i) const { return header ? (i == 0 ? 1 : firstRow + i - 1) : firstRow + i; }
};

// The sheets for a grid of gridRows rows, each of at most maxSheetRows rows
// (2 or more); at least one, empty when the grid has nothing beyond its fixed
// heading row.
std::vector<SheetRows> SplitIntoSheets(int gridRows, int maxSheetRows = kMaxSheetRows);

}  // namespace quillon::xls
