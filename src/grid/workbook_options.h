// How a grid is saved as a workbook: the file format, and whether cells that
// hold plain numbers are written as numbers that spreadsheets can compute
// with (off by default, so the workbooks look as station users know them).
#pragma once

#include <string_view>

namespace quillon {

enum class WorkbookFormat {
  kXls,   // Excel 97-2003, at most 65,536 rows a sheet
  kXlsx,  // Office Open XML, at most 1,048,576 rows a sheet
};

struct WorkbookOptions {
  WorkbookFormat format = WorkbookFormat::kXls;
  bool numericCells = false;
};

constexpr std::string_view ExtensionOf(WorkbookFormat format) {
  return format == WorkbookFormat::kXlsx ? ".xlsx" : ".xls";
}

}  // namespace quillon
