#include "grid/xlsx/workbook_file.h"

#include <xlsxwriter.h>

#include <exception>
#include <filesystem>
#include <memory>
#include <vector>

#include "grid/grid.h"
#include "grid/number_cells.h"
#include "grid/xls/atomic_file.h"
#include "grid/xls/sheet_split.h"
#include "grid/xlsx/cell_formats.h"
#include "grid/xlsx/package_check.h"
#include "grid/xlsx/sheet_writer.h"

namespace quillon::xlsx {
namespace {

// A sheet's XML beyond this many bytes needs the zip container's 64-bit
// extension, which some readers dislike; it is used only then.
constexpr uint64_t kZip64Bytes = uint64_t{3} << 30;
constexpr uint64_t kCellXmlBytes = 64;  // a cell's markup without its text

struct BookDeleter {
  void operator()(lxw_workbook* book) const { lxw_workbook_free(book); }
};
using Book = std::unique_ptr<lxw_workbook, BookDeleter>;

// An upper estimate of the largest sheet's XML.
uint64_t LargestSheetBytes(const Grid& grid, const std::vector<xls::SheetRows>& sheets, int cols) {
  uint64_t largest = 0;
  for (const xls::SheetRows& sheet : sheets) {
    uint64_t bytes = 0;
    for (int i = 0; i < sheet.Count(); ++i) {
      int row = sheet.GridRow(i);
      for (int c = 1; c <= cols; ++c)
        bytes += kCellXmlBytes + grid.Text(grid.CellTextId(row, c)).size();
    }
    largest = std::max(largest, bytes);
  }
  return largest;
}

std::string SheetName(size_t i) { return "Sheet" + std::to_string(i + 1); }

Status Write(const Grid& grid, const std::string& path, const WorkbookOptions& options,
             const SaveControl& control, int maxSheetRows) {
  int cols = std::max(grid.Cols() - 1, 0);
  if (cols > kMaxSheetCols)
    return Error{ErrorKind::TooLarge, "the grid has " + std::to_string(cols) +
                                          " columns to save; a workbook sheet holds at most " +
                                          std::to_string(kMaxSheetCols)};
  std::vector<xls::SheetRows> sheets = xls::SplitIntoSheets(grid.Rows(), maxSheetRows);
  NumberCells numbers(grid, options.numericCells);
  xls::AtomicFile file;
  if (Status opened = file.Open(path); !opened.Ok()) return opened;
  // The library's own scratch files go beside the workbook, where there is
  // room for the workbook itself.
  std::string scratch = std::filesystem::path(file.TempPath()).parent_path().string();
  lxw_workbook_options library{};
  library.constant_memory = LXW_TRUE;
  library.tmpdir = scratch.data();
  library.use_zip64 = LargestSheetBytes(grid, sheets, cols) > kZip64Bytes ? LXW_TRUE : LXW_FALSE;
  Book book(workbook_new_opt(file.TempPath().c_str(), &library));
  if (!book) return Error{ErrorKind::Unexpected, "cannot start the workbook: " + path};
  CellFormats formats(book.get(), grid);
  std::vector<int> lastRows;
  for (size_t i = 0; i < sheets.size(); ++i) {
    lxw_worksheet* sheet = workbook_add_worksheet(book.get(), SheetName(i).c_str());
    if (!sheet) return Error{ErrorKind::Unexpected, "cannot add a sheet to " + path};
    Result<int> written = WriteSheet(sheet, grid, sheets[i], cols, numbers, formats);
    if (!written.Ok())
      return Error{written.Failure().kind, "cannot save " + path + ": " + written.Failure().reason};
    lastRows.push_back(written.Value());
  }
  // Closing writes the file and frees the workbook, whatever the outcome.
  lxw_error closed = workbook_close(book.release());
  if (closed != LXW_NO_ERROR)
    return Error{ErrorKind::Unwritable, "cannot write " + path + ": " + lxw_strerror(closed)};
  if (Status whole = CheckPackage(file.TempPath(), lastRows); !whole.Ok())
    return Error{ErrorKind::Unwritable, ReasonOf(whole) + ": " + path};
  return file.Commit(control);
}

}  // namespace

Status WriteWorkbookFile(const Grid& grid, const std::string& path, const WorkbookOptions& options,
                         const SaveControl& control, int maxSheetRows) {
  // As for the .xls workbook: running out of memory fails the save, not the
  // run, and the temporary file is gone by then.
  try {
    return Write(grid, path, options, control, maxSheetRows);
  } catch (const std::exception& e) {
    return Error{ErrorKind::Unexpected, "cannot save " + path + ": " + e.what()};
  }
}

}  // namespace quillon::xlsx
