#include "grid/xls/workbook_stream.h"

#include <algorithm>
#include <deque>
#include <future>
#include <optional>
#include <span>
#include <stdexcept>

#include "grid/alignment.h"
#include "grid/xls/biff_records.h"
#include "grid/xls/compound_file.h"
#include "grid/xls/little_endian.h"
#include "grid/xls/utf16.h"
#include "util/plain_decimal.h"

namespace quillon::xls {
namespace {

constexpr uint32_t kUnused = ~uint32_t{0};
constexpr int kPixelsPerChar = 7;
constexpr int kTwipsPerPixel = 15;
constexpr uint16_t kMaxWidthUnits = 255 * 256;
constexpr uint16_t kMaxRowTwips = 8190;
constexpr uint16_t kTextFormat = 49;  // the built-in "@"
constexpr int kRowsPerBlock = 32;
constexpr int kRowsPerPiece = kRowsPerBlock * 128;  // what one thread turns into records at a time
constexpr size_t kFlushBytes = kLargeWriteBytes;
constexpr uint16_t kFirstOwnFormat = 164;  // those below are built in
constexpr size_t kLeastPaddingBytes = 12;  // a format record of a quoted blank
constexpr size_t kMostPaddingBytes = 264;  // a format record of 255 characters

// The cell formats: 15 style formats and the default cell format that a
// workbook must start with, then one per alignment code, without and with
// wrap, for text; then the same for each number format in use.
constexpr uint16_t kFirstCellXf = 16;
constexpr uint16_t kXfsPerFormat = 2 * kAlignmentCodes;
uint16_t XfFor(int alignmentCode, bool wrap) {
  return static_cast<uint16_t>(kFirstCellXf + alignmentCode * 2 + (wrap ? 1 : 0));
}
// The same alignment and wrap with the formatSlot-th number format.
uint16_t NumberXf(uint16_t textXf, int formatSlot) {
  return static_cast<uint16_t>(textXf + (formatSlot + 1) * kXfsPerFormat);
}

void AppendCellXfs(std::string& b, uint16_t numberFormat) {
  for (int code = 0; code < kAlignmentCodes; ++code)
    for (bool wrap : {false, true}) AppendCellXf(b, numberFormat, code, wrap);
}

// Where each decimal count's formats lie: slot k is the k-th count in use.
std::vector<int> FormatSlots(const NumberCells& numbers) {
  const std::vector<int>& used = numbers.DecimalsUsed();
  std::vector<int> slots(used.empty() ? 0 : static_cast<size_t>(used.back()) + 1, -1);
  for (size_t k = 0; k < used.size(); ++k)
    slots.at(static_cast<size_t>(used[k])) = static_cast<int>(k);
  return slots;
}

std::u16string SheetName(size_t i) {
  std::u16string name = u"Sheet";
  for (char c : std::to_string(i + 1)) name.push_back(static_cast<char16_t>(c));
  return name;
}

// Buffers records and hands them to the sink in large pieces.
class StreamWriter {
 public:
  explicit StreamWriter(ByteSink& out) : out_(out) { buffer_.reserve(kRoomBytes); }
  std::string& Buffer() { return buffer_; }
  uint64_t Position() const { return out_.Size() + buffer_.size(); }
  void MaybeFlush() {
    if (buffer_.size() >= kFlushBytes) Flush();
  }
  // Bytes already made elsewhere, after those buffered.
  void Write(std::string_view bytes) {
    Flush();
    out_.Write(bytes);
  }
  void Flush() {
    out_.Write(buffer_);
    buffer_.clear();
    // The shared strings may have made the buffer large; go back to the usual room.
    if (buffer_.capacity() > kRoomBytes) {
      std::string().swap(buffer_);
      buffer_.reserve(kRoomBytes);
    }
  }

 private:
  // A flush's worth and the rows written before the next check, without
  // growing the buffer on the way.
  static constexpr size_t kRoomBytes = 2 * kFlushBytes;

  ByteSink& out_;
  std::string buffer_;
};

// A number format no cell uses, padding the global records by `bytes`
// (kLeastPaddingBytes to kMostPaddingBytes): a quoted run of blanks, which
// any reader takes as a format.
void AppendPaddingFormat(std::string& b, uint16_t index, size_t bytes) {
  constexpr size_t kFormatRecordBytes = 9;  // header, index and string header
  std::string code(bytes - kFormatRecordBytes, ' ');
  code.front() = code.back() = '"';
  AppendFormat(b, index, code);
}

// Returns where each sheet's position field lies in the stream. paddingBytes
// (none, or 12 and more) go to unused formats, for global records that must
// end on a sector's end.
std::vector<uint64_t> WriteGlobals(const Grid& grid, const WorkbookPlan& plan, StreamWriter& w,
                                   size_t paddingBytes = 0) {
  std::string& b = w.Buffer();
  AppendBof(b, StreamKind::Globals);
  AppendCodepageUtf16(b);
  AppendWindow1(b);
  std::u16string font = Utf8ToUtf16(grid.FontName());
  // Readers expect the first four fonts to be there; all are the grid's.
  for (int i = 0; i < 4; ++i) AppendFont(b, font, grid.FontSize());
  const std::vector<int>& decimals = plan.numbers.DecimalsUsed();
  for (size_t k = 0; k < decimals.size(); ++k)
    AppendFormat(b, static_cast<uint16_t>(kFirstOwnFormat + k), DecimalFormat(decimals[k]));
  auto padding = static_cast<uint16_t>(kFirstOwnFormat + decimals.size());
  for (size_t left = paddingBytes; left > 0; ++padding) {
    // The last record is never left shorter than the shortest.
    size_t bytes =
        left <= kMostPaddingBytes ? left : std::min(kMostPaddingBytes, left - kLeastPaddingBytes);
    AppendPaddingFormat(b, padding, bytes);
    left -= bytes;
  }
  for (int i = 0; i < 15; ++i) AppendStyleXf(b);
  AppendCellXf(b, 0, 0, false);
  AppendCellXfs(b, kTextFormat);
  for (size_t k = 0; k < decimals.size(); ++k)
    AppendCellXfs(b, static_cast<uint16_t>(kFirstOwnFormat + k));
  AppendNormalStyle(b);
  std::vector<uint64_t> positionFields;
  for (size_t i = 0; i < plan.sheets.size(); ++i) {
    uint64_t start = w.Position() - b.size();
    positionFields.push_back(start + AppendBoundSheet(b, SheetName(i)));
  }
  plan.strings.AppendRecords(b, w.Position() - b.size());
  AppendEof(b);
  w.Flush();
  return positionFields;
}

// The formats of a row's text cells, from column 1 on: those of the
// columns, unless a range gives some cells of the row another alignment.
// A cell that wraps its text takes the next format.
class RowFormats {
 public:
  RowFormats(const Grid& grid, int cols) : grid_(grid) {
    for (int c = 1; c <= cols; ++c) columns_.push_back(XfFor(grid.ColumnAlignment(c), false));
  }
  const std::vector<uint16_t>& OfColumns() const { return columns_; }
  const std::vector<uint16_t>& Of(int row) {
    if (!grid_.RowHasRangeAlignment(row)) return columns_;
    grid_.ReadRowAlignments(row, alignments_);
    aligned_.clear();
    for (int code : alignments_) aligned_.push_back(XfFor(code, false));
    return aligned_;
  }

 private:
  const Grid& grid_;
  std::vector<uint16_t> columns_;
  std::vector<uint16_t> aligned_;
  std::vector<int> alignments_;
};

// The columns a sheet row's cells span, from first to one past the last.
struct CellSpan {
  uint16_t first = 0;
  uint16_t end = 0;
};

// What a run of cells needs to become records, held where the records'
// stores cannot reach it: they go through a char pointer, after which
// anything read through a reference would be read again.
struct CellRecords {
  std::span<const uint32_t> stringIndex;
  const NumberCells* numbers;  // none when no cell is a number
  const std::vector<int>* slots;
  std::span<const uint16_t> formats;  // by sheet column
};

// Puts the records of a run of cells of sheet row i, the first in sheet
// column col, at `at`; widens span by the columns written. Made apart for
// sheets with and without numbers: most have none, and their loop is then
// spared the test.
template <bool kNumbers>
char* PutCellRun(char* at, const CellRecords& r, std::span<const uint32_t> cells, uint16_t i,
                 uint16_t col, CellSpan& span) {
  const CellRecords records = r;
  // The row's first cell shown is looked for only until it is found, in
  // the usual row at once; after it, each cell written only moves the end.
  if (span.end == 0) {
    auto shown =
        std::find_if(cells.begin(), cells.end(), [](uint32_t c) { return Grid::Shown(c); });
    if (shown == cells.end()) return at;
    auto skipped = static_cast<size_t>(shown - cells.begin());
    col = static_cast<uint16_t>(col + skipped);
    cells = cells.subspan(skipped);
    span.first = col;
  }
  uint16_t end = span.end;
  for (uint32_t cell : cells) {
    // An empty cell keeps its wrap setting as a blank cell, so text typed
    // into it later wraps like its neighbours.
    if (Grid::Shown(cell)) {
      TextId id = Grid::IdOf(cell);
      auto xf = static_cast<uint16_t>(records.formats[col] + (Grid::Wraps(cell) ? 1 : 0));
      if (id == TextPool::kEmpty) {
        at = PutBlank(at, i, col, xf);
      } else if (kNumbers && records.numbers->IsNumber(id)) {
        int slot = records.slots->at(static_cast<size_t>(records.numbers->Decimals(id)));
        at = PutNumber(at, i, col, NumberXf(xf, slot), records.numbers->Value(id));
      } else {
        at = PutLabelSst(at, i, col, xf, records.stringIndex[id]);
      }
      end = static_cast<uint16_t>(col + 1);
    }
    ++col;
  }
  span.end = end;
  return at;
}

// Puts the cells of a grid row as sheet row i, into room made for the whole
// row at once (a number's record is the longest).
CellSpan WriteCells(const Grid& grid, const WorkbookPlan& plan, const std::vector<int>& slots,
                    std::span<const uint16_t> formats, int row, uint16_t i, std::string& b) {
  size_t start = b.size();
  b.resize(start + static_cast<size_t>(plan.cols) * kNumberBytes);
  char* at = b.data() + start;
  bool numbers = !plan.numbers.DecimalsUsed().empty();
  CellRecords records{plan.stringIndex, numbers ? &plan.numbers : nullptr, &slots, formats};
  CellSpan span;
  grid.ForEachRunOfRow(row, [&](std::span<const uint32_t> cells, int col) {
    auto first = static_cast<uint16_t>(col - 1);
    at = numbers ? PutCellRun<true>(at, records, cells, i, first, span)
                 : PutCellRun<false>(at, records, cells, i, first, span);
  });
  b.resize(static_cast<size_t>(at - b.data()));
  return span;
}

// Rows go in blocks of 32: their row records, then their cells. The room for
// the row records is made first and filled as each row's cells show its span.
void WriteRowBlock(const Grid& grid, const WorkbookPlan& plan, const std::vector<int>& slots,
                   const SheetRows& sheet, int first, int last, RowFormats& formats,
                   std::string& b) {
  size_t rowsAt = b.size();
  size_t room = static_cast<size_t>(last - first + 1) * kRowBytes;
  b.resize(rowsAt + room);
  size_t rowRecords = 0;
  // Grid rows rise with sheet rows; in the usual block none has a setting of its own.
  bool plain = grid.RowsArePlain(sheet.GridRow(first), sheet.GridRow(last));
  for (int i = first; i <= last; ++i) {
    int row = sheet.GridRow(i);
    auto sheetRow = static_cast<uint16_t>(i);
    CellSpan span = WriteCells(grid, plan, slots, plain ? formats.OfColumns() : formats.Of(row),
                               row, sheetRow, b);
    int height = plain ? Grid::kDefaultRowHeight : grid.RowHeight(row);
    bool custom = height != Grid::kDefaultRowHeight;
    if (span.end == 0 && !custom) continue;
    PutRow(b.data() + rowsAt + rowRecords * kRowBytes, sheetRow, span.first, span.end,
           RowHeightTwips(height), custom);
    ++rowRecords;
  }
  // Rows without cells or a height of their own have no record.
  b.erase(rowsAt + rowRecords * kRowBytes, room - rowRecords * kRowBytes);
}

// A tall sheet's rows are turned into records a piece at a time on several
// threads; the pieces are written in row order as they come. Each piece is
// made in a buffer kept from an earlier piece: fresh memory for every piece
// costs the system more than making the records.
template <class Piece>
void WritePiecesAhead(int rows, int threads, StreamWriter& w, const Piece& piece) {
  std::vector<std::string> buffers(static_cast<size_t>(threads) + 1);
  std::deque<std::future<std::string*>> ahead;
  int next = 0;
  size_t started = 0;
  auto start = [&] {
    int first = next;
    next = std::min(next + kRowsPerPiece, rows);
    std::string* bytes = &buffers[started++ % buffers.size()];
    ahead.push_back(std::async(std::launch::async, [&piece, bytes, first, last = next - 1] {
      bytes->clear();
      piece(first, last, *bytes);
      return bytes;
    }));
  };
  while (next < rows && static_cast<int>(ahead.size()) < threads) start();
  while (!ahead.empty()) {
    const std::string* bytes = ahead.front().get();
    ahead.pop_front();
    if (next < rows) start();
    w.Write(*bytes);
  }
}

// The sheet records before the rows' dimensions.
void AppendSheetStart(const Grid& grid, int cols, std::string& b) {
  AppendBof(b, StreamKind::Worksheet);
  AppendDefaultRowHeight(b, RowHeightTwips(Grid::kDefaultRowHeight));
  for (int c = 1; c <= cols; ++c)
    AppendColInfo(b, static_cast<uint16_t>(c - 1), ColumnWidthUnits(grid.ColumnWidth(c)),
                  XfFor(grid.ColumnAlignment(c), false));
}

void AppendSheetDimensions(int rows, int cols, std::string& b) {
  AppendDimensions(b, static_cast<uint32_t>(rows), static_cast<uint16_t>(rows ? cols : 0));
}

void WriteSheet(const Grid& grid, const WorkbookPlan& plan, const SheetRows& sheet, bool first,
                int threads, StreamWriter& w) {
  std::string& b = w.Buffer();
  int rows = sheet.Count();
  AppendSheetStart(grid, plan.cols, b);
  AppendSheetDimensions(rows, plan.cols, b);
  std::vector<int> slots = FormatSlots(plan.numbers);
  if (threads <= 1 || rows <= kRowsPerPiece) {
    RowFormats formats(grid, plan.cols);
    for (int i = 0; i < rows; i += kRowsPerBlock) {
      WriteRowBlock(grid, plan, slots, sheet, i, std::min(i + kRowsPerBlock, rows) - 1, formats, b);
      w.MaybeFlush();
    }
  } else {
    WritePiecesAhead(rows, threads, w, [&](int firstRow, int lastRow, std::string& bytes) {
      RowFormats formats(grid, plan.cols);
      for (int i = firstRow; i <= lastRow; i += kRowsPerBlock)
        WriteRowBlock(grid, plan, slots, sheet, i, std::min(i + kRowsPerBlock - 1, lastRow),
                      formats, bytes);
    });
  }
  AppendWindow2(b, first);
  AppendEof(b);
}

// Gives the texts of a run of cells, the first in grid column col, their
// shared-string index in the order the cells show them first, and counts
// the cells that show one. Returns the column of the first cell whose text
// is too long for a workbook cell, 0 when there is none. Made apart for
// grids with and without numbers, as PutCellRun.
template <bool kNumbers>
int PlanCellRun(const Grid& grid, const NumberCells* numbers, std::span<const uint32_t> cells,
                int col, std::span<uint32_t> stringIndex, WorkbookPlan& plan, uint32_t& uses) {
  uint32_t counted = 0;
  for (size_t k = 0; k < cells.size(); ++k) {
    TextId id = Grid::IdOf(cells[k]);
    if (id == TextPool::kEmpty || (kNumbers && numbers->IsNumber(id))) continue;
    ++counted;
    if (stringIndex[id] != kUnused) continue;
    std::optional<uint32_t> added = plan.strings.Add(grid.Text(id));
    if (!added) return col + static_cast<int>(k);
    stringIndex[id] = *added;
  }
  uses += counted;
  return 0;
}

// Plans grid row `row`: returns the column of its first text too long for a
// workbook cell, 0 when there is none.
int PlanRow(const Grid& grid, const NumberCells* numbers, int row, std::span<uint32_t> stringIndex,
            WorkbookPlan& plan, uint32_t& uses) {
  int tooLong = 0;
  grid.ForEachRunOfRow(row, [&](std::span<const uint32_t> cells, int col) {
    if (tooLong) return;
    tooLong = numbers ? PlanCellRun<true>(grid, numbers, cells, col, stringIndex, plan, uses)
                      : PlanCellRun<false>(grid, numbers, cells, col, stringIndex, plan, uses);
  });
  return tooLong;
}

Error TooLongText(int row, int col) {
  return Error{ErrorKind::TooLarge, "cell (" + std::to_string(row) + ", " + std::to_string(col) +
                                        ") holds more than " +
                                        std::to_string(SharedStrings::kMaxChars) +
                                        " characters, more than a workbook cell takes"};
}

Error TooManyColumns(int cols) {
  return Error{ErrorKind::TooLarge, "the grid has " + std::to_string(cols) +
                                        " columns to save; a workbook sheet holds at most " +
                                        std::to_string(kMaxSheetCols)};
}

}  // namespace

uint16_t ColumnWidthUnits(int pixels) {
  long units = (static_cast<long>(std::max(pixels, 0)) * 256 + kPixelsPerChar / 2) / kPixelsPerChar;
  return static_cast<uint16_t>(std::min<long>(units, kMaxWidthUnits));
}

uint16_t RowHeightTwips(int pixels) {
  long twips = static_cast<long>(std::max(pixels, 0)) * kTwipsPerPixel;
  return static_cast<uint16_t>(std::min<long>(twips, kMaxRowTwips));
}

Result<WorkbookPlan> PlanWorkbook(const Grid& grid, bool numericCells) {
  WorkbookPlan plan;
  plan.numbers = NumberCells(grid, numericCells);
  plan.cols = std::max(grid.Cols() - 1, 0);
  if (plan.cols > kMaxSheetCols) return TooManyColumns(plan.cols);
  plan.sheets = SplitIntoSheets(grid.Rows());
  plan.stringIndex.assign(grid.TextCount(), kUnused);
  const NumberCells* numbers = plan.numbers.DecimalsUsed().empty() ? nullptr : &plan.numbers;
  std::span<uint32_t> stringIndex(plan.stringIndex);
  uint32_t uses = 0;
  for (const SheetRows& sheet : plan.sheets) {
    for (int i = 0; i < sheet.Count(); ++i) {
      int row = sheet.GridRow(i);
      if (int tooLong = PlanRow(grid, numbers, row, stringIndex, plan, uses))
        return TooLongText(row, tooLong);
    }
  }
  plan.strings.CountUse(uses);
  return plan;
}

void WriteWorkbookStream(const Grid& grid, const WorkbookPlan& plan, ByteSink& out, int threads) {
  // Rows are written into room made for the plan's columns, by its text ids.
  if (plan.cols != std::max(grid.Cols() - 1, 0) || plan.stringIndex.size() != grid.TextCount())
    throw std::logic_error("a workbook plan made for another grid");
  StreamWriter w(out);
  std::vector<uint64_t> positionFields = WriteGlobals(grid, plan, w);
  std::vector<uint32_t> sheetStarts;
  for (size_t i = 0; i < plan.sheets.size(); ++i) {
    sheetStarts.push_back(static_cast<uint32_t>(w.Position()));
    WriteSheet(grid, plan, plan.sheets[i], i == 0, threads, w);
  }
  w.Flush();
  for (size_t i = 0; i < plan.sheets.size(); ++i) {
    std::string field;
    PutU32(field, sheetStarts[i]);
    out.Overwrite(positionFields[i], field);
  }
}

}  // namespace quillon::xls

namespace quillon::xls {

Status SheetStreamer::Prepare(const Grid& grid) {
  if (!failure_.Ok()) return failure_;
  if (sheetStarts_.empty()) {
    plan_.cols = std::max(grid.Cols() - 1, 0);
    if (plan_.cols > kMaxSheetCols) return failure_ = TooManyColumns(plan_.cols);
  }
  plan_.stringIndex.resize(grid.TextCount(), kUnused);
  return Done();
}

Status SheetStreamer::AddRows(const Grid& grid, int lastRow) {
  if (Status prepared = Prepare(grid); !prepared.Ok()) return prepared;
  while (nextRow_ <= lastRow) {
    if (!open_) StartSheet(grid);
    int take = std::min(kMaxSheetRows - sheet_.Count(), lastRow - nextRow_ + 1);
    sheet_.lastRow += take;
    nextRow_ += take;
    if (Status planned = PlanSheetRows(grid); !planned.Ok()) return failure_ = planned;
    WriteRows(grid, false);
    if (sheet_.Count() == kMaxSheetRows) EndSheet(grid);
  }
  if (bytes_.size() >= kFlushBytes) Flush();
  return Done();
}

Result<std::string> SheetStreamer::Finish(const Grid& grid) {
  if (Status prepared = Prepare(grid); !prepared.Ok()) return prepared.Failure();
  // A grid without rows beyond its header still gets its one sheet.
  if (sheetStarts_.empty()) {
    StartSheet(grid);
    if (Status planned = PlanSheetRows(grid); !planned.Ok()) return planned.Failure();
  }
  if (open_) EndSheet(grid);
  Flush();
  plan_.strings.CountUse(uses_);
  // The global records are made once to learn their length, then again with
  // the padding that ends them on a sector's end.
  StringSink unpadded;
  StreamWriter first(unpadded);
  WriteGlobals(grid, plan_, first);
  constexpr uint64_t kSector = CompoundFileWriter::kSectorBytes;
  size_t padding = (kSector - unpadded.Size() % kSector) % kSector;
  if (padding > 0 && padding < kLeastPaddingBytes) padding += kSector;
  StringSink globals;
  StreamWriter w(globals);
  std::vector<uint64_t> positionFields = WriteGlobals(grid, plan_, w, padding);
  std::string bytes = globals.Bytes();
  for (size_t i = 0; i < sheetStarts_.size(); ++i) {
    std::string field;
    PutU32(field, static_cast<uint32_t>(bytes.size() + sheetStarts_[i]));
    bytes.replace(static_cast<size_t>(positionFields[i]), field.size(), field);
  }
  return bytes;
}

int SheetStreamer::RowsWrittenThrough() const {
  if (!open_) return nextRow_ - 1;
  // The title row heads a sheet's records but is not one of its own rows.
  int titles = sheet_.header ? 1 : 0;
  return written_ > titles ? sheet_.GridRow(written_ - 1) : sheet_.firstRow - 1;
}

void SheetStreamer::StartSheet(const Grid& grid) {
  sheetStarts_.push_back(Position());
  plan_.sheets.push_back({});
  sheet_ = SheetRows{grid.Rows() >= 2, nextRow_, nextRow_ - 1};
  AppendSheetStart(grid, plan_.cols, bytes_);
  dimensionsAt_ = Position();
  AppendSheetDimensions(0, plan_.cols, bytes_);  // the rows' count comes at the sheet's end
  planned_ = written_ = 0;
  open_ = true;
}

Status SheetStreamer::PlanSheetRows(const Grid& grid) {
  std::span<uint32_t> stringIndex(plan_.stringIndex);
  for (; planned_ < sheet_.Count(); ++planned_) {
    int row = sheet_.GridRow(planned_);
    if (int tooLong = PlanRow(grid, nullptr, row, stringIndex, plan_, uses_))
      return TooLongText(row, tooLong);
  }
  return Done();
}

void SheetStreamer::WriteRows(const Grid& grid, bool all) {
  RowFormats formats(grid, plan_.cols);
  std::vector<int> slots;
  int rows = sheet_.Count();
  while (written_ + kRowsPerBlock <= rows || (all && written_ < rows)) {
    int last = std::min(written_ + kRowsPerBlock, rows) - 1;
    WriteRowBlock(grid, plan_, slots, sheet_, written_, last, formats, bytes_);
    written_ = last + 1;
  }
}

void SheetStreamer::EndSheet(const Grid& grid) {
  WriteRows(grid, true);
  AppendWindow2(bytes_, sheetStarts_.size() == 1);
  AppendEof(bytes_);
  plan_.sheets.back() = sheet_;
  std::string dimensions;
  AppendSheetDimensions(sheet_.Count(), plan_.cols, dimensions);
  if (dimensionsAt_ >= out_.Size())
    bytes_.replace(static_cast<size_t>(dimensionsAt_ - out_.Size()), dimensions.size(), dimensions);
  else
    out_.Overwrite(dimensionsAt_, dimensions);
  open_ = false;
}

void SheetStreamer::Flush() {
  out_.Write(bytes_);
  bytes_.clear();
}

}  // namespace quillon::xls
