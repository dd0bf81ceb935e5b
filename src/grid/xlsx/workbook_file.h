// Saving a grid as an .xlsx workbook (Office Open XML) through libxlsxwriter,
// written atomically like the .xls workbook: whole or not at all.
#pragma once

#include <string>

#include "grid/workbook_options.h"
#include "util/result.h"

namespace quillon {
class Grid;
}

namespace quillon::xlsx {

constexpr int kMaxSheetRows = 1048576;
constexpr int kMaxSheetCols = 16384;

// maxSheetRows is the sheet's row limit; a test may make it small.
Status WriteWorkbookFile(const Grid& grid, const std::string& path,
                         const WorkbookOptions& options = {}, const SaveControl& control = {},
                         int maxSheetRows = kMaxSheetRows);

}  // namespace quillon::xlsx
