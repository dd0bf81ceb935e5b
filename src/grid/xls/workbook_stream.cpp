#include "grid/xls/workbook_stream.h"

#include <algorithm>
#include <deque>
#include <future>

#include "grid/alignment.h"
#include "grid/xls/biff_records.h"
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
constexpr size_t kFlushBytes = 64 * 1024;
constexpr uint16_t kFirstOwnFormat = 164;  // those below are built in

// The cell formats: 15 style formats and the default cell format that a
// workbook must start with, then one per alignment code, without and with
// wrap, for text; then the same for each number format in use.
constexpr uint16_t kFirstCellXf = 16;
constexpr uint16_t kXfsPerFormat = 2 * kAlignmentCodes;
uint16_t XfFor(int alignmentCode, bool wrap, int formatSlot = -1) {
  return static_cast<uint16_t>(kFirstCellXf + (formatSlot + 1) * kXfsPerFormat + alignmentCode * 2 +
                               (wrap ? 1 : 0));
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
  explicit StreamWriter(ByteSink& out) : out_(out) {}
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
    // The shared strings may have made the buffer large; start small again.
    if (buffer_.capacity() > 2 * kFlushBytes) std::string().swap(buffer_);
    buffer_.clear();
  }

 private:
  ByteSink& out_;
  std::string buffer_;
};

// Returns where each sheet's position field lies in the stream.
std::vector<uint64_t> WriteGlobals(const Grid& grid, const WorkbookPlan& plan, StreamWriter& w) {
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

// The cells of one sheet row, put into room made for the whole row at once
// (a number's record is the longest).
void WriteCells(const std::vector<Grid::RowCell>& cells, const WorkbookPlan& plan,
                const std::vector<int>& slots, uint16_t i, std::string& b) {
  size_t start = b.size();
  b.resize(start + cells.size() * kNumberBytes);
  char* at = b.data() + start;
  for (size_t c = 0; c < cells.size(); ++c) {
    const Grid::RowCell& cell = cells[c];
    auto col = static_cast<uint16_t>(c);
    if (plan.numbers.IsNumber(cell.id)) {
      int slot = slots.at(static_cast<size_t>(plan.numbers.Decimals(cell.id)));
      at = PutNumber(at, i, col, XfFor(cell.alignment, cell.wrap, slot),
                     plan.numbers.Value(cell.id));
      continue;
    }
    uint16_t xf = XfFor(cell.alignment, cell.wrap);
    // An empty cell keeps its wrap setting as a blank cell, so text typed
    // into it later wraps like its neighbours.
    if (cell.id != TextPool::kEmpty)
      at = PutLabelSst(at, i, col, xf, plan.stringIndex[cell.id]);
    else if (cell.wrap)
      at = PutBlank(at, i, col, xf);
  }
  b.resize(static_cast<size_t>(at - b.data()));
}

void WriteRowBlock(const Grid& grid, const WorkbookPlan& plan, const std::vector<int>& slots,
                   const SheetRows& sheet, int first, int last,
                   std::vector<std::vector<Grid::RowCell>>& block, std::string& b) {
  for (int i = first; i <= last; ++i) {
    int row = sheet.GridRow(i);
    std::vector<Grid::RowCell>& cells = block[static_cast<size_t>(i - first)];
    grid.ReadRow(row, cells);
    cells.resize(static_cast<size_t>(plan.cols));
    int firstCol = 0;
    int lastCol = -1;
    for (int c = 0; c < plan.cols; ++c) {
      const Grid::RowCell& cell = cells[static_cast<size_t>(c)];
      if (cell.id == TextPool::kEmpty && !cell.wrap) continue;
      if (lastCol < 0) firstCol = c;
      lastCol = c;
    }
    int height = grid.RowHeight(row);
    bool custom = height != Grid::kDefaultRowHeight;
    if (lastCol >= 0 || custom)
      AppendRow(b, static_cast<uint16_t>(i), static_cast<uint16_t>(firstCol),
                static_cast<uint16_t>(lastCol + 1), RowHeightTwips(height), custom);
  }
  for (int i = first; i <= last; ++i)
    WriteCells(block[static_cast<size_t>(i - first)], plan, slots, static_cast<uint16_t>(i), b);
}

// A tall sheet's rows are turned into records a piece at a time on several
// threads; the pieces are written in row order as they come.
template <class Piece>
void WritePiecesAhead(int rows, int threads, StreamWriter& w, const Piece& piece) {
  std::deque<std::future<std::string>> ahead;
  int next = 0;
  auto start = [&] {
    int first = next;
    next = std::min(next + kRowsPerPiece, rows);
    ahead.push_back(std::async(std::launch::async, piece, first, next - 1));
  };
  while (next < rows && static_cast<int>(ahead.size()) < threads) start();
  while (!ahead.empty()) {
    std::string bytes = ahead.front().get();
    ahead.pop_front();
    if (next < rows) start();
    w.Write(bytes);
  }
}

void WriteSheet(const Grid& grid, const WorkbookPlan& plan, const SheetRows& sheet, bool first,
                int threads, StreamWriter& w) {
  std::string& b = w.Buffer();
  AppendBof(b, StreamKind::Worksheet);
  AppendDefaultRowHeight(b, RowHeightTwips(Grid::kDefaultRowHeight));
  for (int c = 1; c <= plan.cols; ++c)
    AppendColInfo(b, static_cast<uint16_t>(c - 1), ColumnWidthUnits(grid.ColumnWidth(c)),
                  XfFor(grid.ColumnAlignment(c), false));
  int rows = sheet.Count();
  std::vector<int> slots = FormatSlots(plan.numbers);
  AppendDimensions(b, static_cast<uint32_t>(rows), static_cast<uint16_t>(rows ? plan.cols : 0));
  // Rows go in blocks of 32: their row records, then their cells.
  if (threads <= 1 || rows <= kRowsPerPiece) {
    std::vector<std::vector<Grid::RowCell>> block(kRowsPerBlock);
    for (int i = 0; i < rows; i += kRowsPerBlock) {
      WriteRowBlock(grid, plan, slots, sheet, i, std::min(i + kRowsPerBlock, rows) - 1, block, b);
      w.MaybeFlush();
    }
  } else {
    WritePiecesAhead(rows, threads, w, [&](int firstRow, int lastRow) {
      std::string bytes;
      std::vector<std::vector<Grid::RowCell>> block(kRowsPerBlock);
      for (int i = firstRow; i <= lastRow; i += kRowsPerBlock)
        WriteRowBlock(grid, plan, slots, sheet, i, std::min(i + kRowsPerBlock - 1, lastRow), block,
                      bytes);
      return bytes;
    });
  }
  AppendWindow2(b, first);
  AppendEof(b);
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
  if (plan.cols > kMaxSheetCols) {
    return Error{ErrorKind::TooLarge, "the grid has " + std::to_string(plan.cols) +
                                          " columns to save; a workbook sheet holds at most " +
                                          std::to_string(kMaxSheetCols)};
  }
  plan.sheets = SplitIntoSheets(grid.Rows());
  plan.stringIndex.assign(grid.TextCount(), kUnused);
  std::vector<Grid::RowCell> cells;
  for (const SheetRows& sheet : plan.sheets) {
    for (int i = 0; i < sheet.Count(); ++i) {
      int row = sheet.GridRow(i);
      grid.ReadRow(row, cells);
      for (int c = 1; c <= plan.cols; ++c) {
        TextId id = cells[static_cast<size_t>(c - 1)].id;
        if (id == TextPool::kEmpty || plan.numbers.IsNumber(id)) continue;
        if (plan.stringIndex[id] == kUnused) {
          auto index = plan.strings.Add(grid.Text(id));
          if (!index) {
            return Error{ErrorKind::TooLarge, "cell (" + std::to_string(row) + ", " +
                                                  std::to_string(c) + ") holds more than " +
                                                  std::to_string(SharedStrings::kMaxChars) +
                                                  " characters, more than a workbook cell takes"};
          }
          plan.stringIndex[id] = *index;
        }
        plan.strings.CountUse();
      }
    }
  }
  return plan;
}

void WriteWorkbookStream(const Grid& grid, const WorkbookPlan& plan, ByteSink& out, int threads) {
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
