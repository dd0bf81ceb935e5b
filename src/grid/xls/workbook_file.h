// Saving a grid as an Excel 97-2003 workbook file: the workbook stream inside
// its container, written atomically.
#pragma once

#include <string>

#include "grid/workbook_options.h"
#include "util/result.h"

namespace quillon {
class Grid;
}

namespace quillon::xls {

// numericCells: plain decimal numbers become number cells.
Status WriteWorkbookFile(const Grid& grid, const std::string& path,
                         const WorkbookOptions& options = {}, const SaveControl& control = {});

}  // namespace quillon::xls
