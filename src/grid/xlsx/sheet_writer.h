// One sheet of an .xlsx workbook: the grid's column widths and alignment,
// then its rows in order, with their heights, wrap, alignment and font. The
// library keeps only the row being written in memory.
#pragma once

#include <xlsxwriter.h>

#include "grid/grid.h"
#include "grid/number_cells.h"
#include "grid/xls/sheet_split.h"
#include "grid/xlsx/cell_formats.h"
#include "util/result.h"

namespace quillon::xlsx {

// The grid's columns 1 .. cols go on sheet columns 0 .. cols - 1. Returns
// the 1-based number of the last row written (0 for none).
Result<int> WriteSheet(lxw_worksheet* sheet, const Grid& grid, const xls::SheetRows& rows, int cols,
                       const NumberCells& numbers, CellFormats& formats);

// Grid pixels in the sheet's units, cut to the largest a sheet allows:
// column widths in pixels, row heights in points.
int ColumnPixels(int pixels);
double RowPoints(int pixels);

}  // namespace quillon::xlsx
