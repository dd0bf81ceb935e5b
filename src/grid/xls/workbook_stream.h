// The workbook stream of a grid: the global records (fonts, cell formats,
// sheet list, shared strings) and one sheet per SplitIntoSheets part, with
// the grid's rows and columns from 1, its column widths, row heights, wrap
// and alignment. Every cell is a text cell ("05" stays "05"), except, when
// numeric cells are asked for, those that hold a plain decimal number.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "grid/grid.h"
#include "grid/number_cells.h"
#include "grid/xls/byte_sink.h"
#include "grid/xls/shared_strings.h"
#include "grid/xls/sheet_split.h"
#include "util/result.h"

namespace quillon::xls {

// Everything decided before a byte is written, so a grid that cannot be
// saved is refused before any file is touched.
struct WorkbookPlan {
  std::vector<SheetRows> sheets;
  int cols = 0;  // the grid's columns 1 .. cols
  SharedStrings strings;
  std::vector<uint32_t> stringIndex;  // by the grid's text id
  NumberCells numbers;
};

// Refused, with the reason, when the grid holds more than a workbook takes.
Result<WorkbookPlan> PlanWorkbook(const Grid& grid, bool numericCells = false);
// threads above 1 turn the rows of tall sheets into records on that many
// threads at once; the bytes are the same.
void WriteWorkbookStream(const Grid& grid, const WorkbookPlan& plan, ByteSink& out,
                         int threads = 1);

// Grid pixels in a workbook's units: column widths in 1/256 of a character
// (about 7 pixels each), row heights in twips (15 a pixel); both cut to the
// largest size a sheet allows.
uint16_t ColumnWidthUnits(int pixels);
uint16_t RowHeightTwips(int pixels);

}  // namespace quillon::xls
