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

// The sheets of a grid written while the grid is still being filled, rows
// appended at its end: each AddRows turns the rows made final since the last
// into records and hands them on, so they can reach the disk long before the
// last row is in. The global records, which name every text, come at Finish
// and go before the sheets in the stream. The bytes are those of
// WriteWorkbookStream (texts only, no number cells) but for unused formats
// that end the global records on a sector's end, so that what was written
// first can stay where it is.
class SheetStreamer {
 public:
  explicit SheetStreamer(ByteSink& out) : out_(out) {}
  // Grid rows up to lastRow hold their final cells and heights. Refused, as
  // PlanWorkbook refuses, when the grid holds more than a workbook takes;
  // after a refusal nothing more is written.
  Status AddRows(const Grid& grid, int lastRow);
  // Ends the last sheet; returns the global records, a whole number of
  // sectors of the container.
  Result<std::string> Finish(const Grid& grid);
  // The last grid row turned into records (1 before any): the streamer
  // reads none of the rows from 2 to it again, only row 1, the column
  // titles that head every sheet.
  int RowsWrittenThrough() const;

 private:
  Status Prepare(const Grid& grid);
  void StartSheet(const Grid& grid);
  Status PlanSheetRows(const Grid& grid);
  // The rows planned in blocks of 32; all: the last, shorter block too.
  void WriteRows(const Grid& grid, bool all);
  void EndSheet(const Grid& grid);
  void Flush();
  uint64_t Position() const { return out_.Size() + bytes_.size(); }

  ByteSink& out_;
  std::string bytes_;  // made, not yet handed on
  WorkbookPlan plan_;
  uint32_t uses_ = 0;
  std::vector<uint64_t> sheetStarts_;  // where each sheet begins, from out_'s first byte
  uint64_t dimensionsAt_ = 0;          // the open sheet's dimensions record
  SheetRows sheet_;                    // the open sheet, its rows so far
  bool open_ = false;
  int planned_ = 0;  // sheet rows given their strings' indexes
  int written_ = 0;  // sheet rows turned into records
  int nextRow_ = 2;  // the grid row after the last taken
  Status failure_ = Done();
};

// Grid pixels in a workbook's units: column widths in 1/256 of a character
// (about 7 pixels each), row heights in twips (15 a pixel); both cut to the
// largest size a sheet allows.
uint16_t ColumnWidthUnits(int pixels);
uint16_t RowHeightTwips(int pixels);

}  // namespace quillon::xls
