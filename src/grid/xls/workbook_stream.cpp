#include "grid/xls/workbook_stream.h"

#include <algorithm>

#include "grid/alignment.h"
#include "grid/xls/biff_records.h"
#include "grid/xls/little_endian.h"
#include "grid/xls/utf16.h"

namespace quillon::xls {
namespace {

constexpr uint32_t kUnused = ~uint32_t{0};
constexpr int kPixelsPerChar = 7;
constexpr int kTwipsPerPixel = 15;
constexpr uint16_t kMaxWidthUnits = 255 * 256;
constexpr uint16_t kMaxRowTwips = 8190;
constexpr uint16_t kTextFormat = 49;  // the built-in "@"
constexpr int kRowsPerBlock = 32;
constexpr size_t kFlushBytes = 64 * 1024;

// The cell formats: 15 style formats and the default cell format that a
// workbook must start with, then one per alignment code, without and with
// wrap.
constexpr uint16_t kFirstCellXf = 16;
uint16_t XfFor(int alignmentCode, bool wrap) {
  return static_cast<uint16_t>(kFirstCellXf + alignmentCode * 2 + (wrap ? 1 : 0));
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
  for (int i = 0; i < 15; ++i) AppendStyleXf(b);
  AppendCellXf(b, 0, 0, false);
  for (int code = 0; code < kAlignmentCodes; ++code)
    for (bool wrap : {false, true}) AppendCellXf(b, kTextFormat, code, wrap);
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
// (a text cell's record is the longest).
void WriteCells(const std::vector<Grid::RowCell>& cells, const WorkbookPlan& plan, uint16_t i,
                std::string& b) {
  size_t start = b.size();
  b.resize(start + cells.size() * kLabelSstBytes);
  char* at = b.data() + start;
  for (size_t c = 0; c < cells.size(); ++c) {
    const Grid::RowCell& cell = cells[c];
    uint16_t xf = XfFor(cell.alignment, cell.wrap);
    // An empty cell keeps its wrap setting as a blank cell, so text typed
    // into it later wraps like its neighbours.
    if (cell.id != TextPool::kEmpty)
      at = PutLabelSst(at, i, static_cast<uint16_t>(c), xf, plan.stringIndex[cell.id]);
    else if (cell.wrap)
      at = PutBlank(at, i, static_cast<uint16_t>(c), xf);
  }
  b.resize(static_cast<size_t>(at - b.data()));
}

void WriteRowBlock(const Grid& grid, const WorkbookPlan& plan, const SheetRows& sheet, int first,
                   int last, std::vector<std::vector<Grid::RowCell>>& block, std::string& b) {
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
    WriteCells(block[static_cast<size_t>(i - first)], plan, static_cast<uint16_t>(i), b);
}

void WriteSheet(const Grid& grid, const WorkbookPlan& plan, const SheetRows& sheet, bool first,
                StreamWriter& w) {
  std::string& b = w.Buffer();
  AppendBof(b, StreamKind::Worksheet);
  AppendDefaultRowHeight(b, RowHeightTwips(Grid::kDefaultRowHeight));
  for (int c = 1; c <= plan.cols; ++c)
    AppendColInfo(b, static_cast<uint16_t>(c - 1), ColumnWidthUnits(grid.ColumnWidth(c)),
                  XfFor(grid.ColumnAlignment(c), false));
  int rows = sheet.Count();
  AppendDimensions(b, static_cast<uint32_t>(rows), static_cast<uint16_t>(rows ? plan.cols : 0));
  // Rows go in blocks of 32: their row records, then their cells.
  std::vector<std::vector<Grid::RowCell>> block(kRowsPerBlock);
  for (int i = 0; i < rows; i += kRowsPerBlock) {
    WriteRowBlock(grid, plan, sheet, i, std::min(i + kRowsPerBlock, rows) - 1, block, b);
    w.MaybeFlush();
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

Result<WorkbookPlan> PlanWorkbook(const Grid& grid) {
  WorkbookPlan plan;
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
        if (id == TextPool::kEmpty) continue;
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

void WriteWorkbookStream(const Grid& grid, const WorkbookPlan& plan, ByteSink& out) {
  StreamWriter w(out);
  std::vector<uint64_t> positionFields = WriteGlobals(grid, plan, w);
  std::vector<uint32_t> sheetStarts;
  for (size_t i = 0; i < plan.sheets.size(); ++i) {
    sheetStarts.push_back(static_cast<uint32_t>(w.Position()));
    WriteSheet(grid, plan, plan.sheets[i], i == 0, w);
  }
  w.Flush();
  for (size_t i = 0; i < plan.sheets.size(); ++i) {
    std::string field;
    PutU32(field, sheetStarts[i]);
    out.Overwrite(positionFields[i], field);
  }
}

}  // namespace quillon::xls
