#include "grid/xlsx/sheet_writer.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

namespace quillon::xlsx {
namespace {

constexpr int kMostColumnPixels = 255 * 7;  // 255 characters
constexpr double kPointsPerPixel = 0.75;    // at 96 dpi
constexpr double kMostRowPoints = 409;
constexpr int kMostCellCharacters = 32767;

Status Failure(lxw_error error, int row, int col) {
  if (error == LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED)
    return Error{ErrorKind::TooLarge, "cell (" + std::to_string(row) + ", " + std::to_string(col) +
                                          ") holds more than " +
                                          std::to_string(kMostCellCharacters) +
                                          " characters, more than a workbook cell takes"};
  return Error{ErrorKind::Unexpected, "cell (" + std::to_string(row) + ", " + std::to_string(col) +
                                          "): " + lxw_strerror(error)};
}

bool IsHex(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }

// The text as the sheet stores it: readers turn "_xHHHH_" into the character
// HHHH, so such a text in a cell keeps its first "_" as "_x005F_" to show as
// written.
void AssignSheetText(std::string& out, std::string_view text) {
  if (text.find('_') == std::string_view::npos) {
    out.assign(text);
    return;
  }
  out.clear();
  for (size_t i = 0; i < text.size(); ++i) {
    bool code = text[i] == '_' && i + 7 <= text.size() && text[i + 1] == 'x' &&
                IsHex(text[i + 2]) && IsHex(text[i + 3]) && IsHex(text[i + 4]) &&
                IsHex(text[i + 5]) && text[i + 6] == '_';
    if (code) out += "_x005F";
    out += text[i];
  }
}

Status OutOfMemory() { return Error{ErrorKind::Unexpected, "out of memory for the cell formats"}; }

Status WriteColumns(lxw_worksheet* sheet, const Grid& grid, int cols, CellFormats& formats) {
  for (int c = 1; c <= cols; ++c) {
    lxw_format* format = formats.Text(grid.ColumnAlignment(c), false);
    if (!format) return OutOfMemory();
    auto col = static_cast<lxw_col_t>(c - 1);
    lxw_error error =
        worksheet_set_column_pixels(sheet, col, col, ColumnPixels(grid.ColumnWidth(c)), format);
    if (error != LXW_NO_ERROR) return Failure(error, 0, c);
  }
  return Done();
}

// Writes grid row `row` as sheet row `at`; text is a buffer for the texts,
// which the library wants ending in a zero byte. wrote tells whether the row
// got anything: a cell or a height.
Status WriteRow(lxw_worksheet* sheet, const Grid& grid, int row, lxw_row_t at, int cols,
                const NumberCells& numbers, CellFormats& formats, std::string& text, bool& wrote) {
  int height = grid.RowHeight(row);
  wrote = height != Grid::kDefaultRowHeight;
  if (wrote) {
    lxw_error error = worksheet_set_row(sheet, at, RowPoints(height), nullptr);
    if (error != LXW_NO_ERROR) return Failure(error, row, 0);
  }
  for (int c = 1; c <= cols; ++c) {
    TextId id = grid.CellTextId(row, c);
    bool wrap = grid.WrapText(row, c);
    // An empty cell keeps its wrap setting, as in the .xls workbook.
    if (id == TextPool::kEmpty && !wrap) continue;
    wrote = true;
    int alignment = grid.CellAlignment(row, c);
    auto col = static_cast<lxw_col_t>(c - 1);
    lxw_error error;
    if (numbers.IsNumber(id)) {
      lxw_format* format = formats.Number(alignment, wrap, numbers.Decimals(id));
      if (!format) return OutOfMemory();
      error = worksheet_write_number(sheet, at, col, numbers.Value(id), format);
    } else {
      lxw_format* format = formats.Text(alignment, wrap);
      if (!format) return OutOfMemory();
      if (id == TextPool::kEmpty) {
        error = worksheet_write_blank(sheet, at, col, format);
      } else {
        AssignSheetText(text, grid.Text(id));
        error = worksheet_write_string(sheet, at, col, text.c_str(), format);
      }
    }
    if (error != LXW_NO_ERROR) return Failure(error, row, c);
  }
  return Done();
}

}  // namespace

int ColumnPixels(int pixels) { return std::clamp(pixels, 0, kMostColumnPixels); }

double RowPoints(int pixels) {
  return std::min(std::max(pixels, 0) * kPointsPerPixel, kMostRowPoints);
}

Result<int> WriteSheet(lxw_worksheet* sheet, const Grid& grid, const xls::SheetRows& rows, int cols,
                       const NumberCells& numbers, CellFormats& formats) {
  worksheet_set_default_row(sheet, RowPoints(Grid::kDefaultRowHeight), LXW_FALSE);
  if (Status columns = WriteColumns(sheet, grid, cols, formats); !columns.Ok())
    return columns.Failure();
  std::string text;
  int lastRow = 0;
  for (int i = 0; i < rows.Count(); ++i) {
    bool wrote = false;
    Status written = WriteRow(sheet, grid, rows.GridRow(i), static_cast<lxw_row_t>(i), cols,
                              numbers, formats, text, wrote);
    if (!written.Ok()) return written.Failure();
    if (wrote) lastRow = i + 1;
  }
  return lastRow;
}

}  // namespace quillon::xlsx
