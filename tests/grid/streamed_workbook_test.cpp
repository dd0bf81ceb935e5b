// Workbooks written while their grid is filled, against the same grid saved
// whole at the end.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include "grid/grid.h"
#include "grid/xls/workbook_file.h"
#include "grid/xls_inspect.h"
#include "support/temp_folder.h"

namespace quillon {
namespace {

namespace fs = std::filesystem;

// Where the first sheet begins in a workbook stream.
size_t FirstSheetAt(const std::string& stream) {
  for (const auto& record : test::Records(stream, 0))
    if (record.id == 0x0085) return test::U32At(record.data, 0);
  return stream.size();
}

// The sheets' bytes, without the zeros that fill a short stream.
std::string SheetsOf(const std::string& stream) {
  std::string sheets = stream.substr(FirstSheetAt(stream));
  return sheets.substr(0, sheets.find_last_not_of('\0') + 1);
}

// Hourly-looking rows: a label, readings that repeat, a missing mark, a
// weather text that wraps, and now and then a taller row.
void AppendRows(Grid& g, int rows) {
  int first = g.Rows();
  g.SetRows(first + rows);
  for (int r = first; r < first + rows; ++r) {
    g.SetCellText(r, 1, "row " + std::to_string(r));
    g.SetCellText(r, 2, std::to_string(r % 37 - 5));
    g.SetCellText(r, 3, r % 11 ? "-" : "");
    g.SetCellText(r, 4, r % 5 ? "雨,轻雾" : "");
    g.SetWrapText(r, 4, r % 3 == 0);
    if (r % 97 == 0) g.SetRowHeight(r, 40);
  }
}

Grid HeaderOnly() {
  Grid g;
  g.SetRows(2);
  g.SetCols(5);
  for (int c = 1; c < 5; ++c) g.SetCellText(1, c, "列" + std::to_string(c));
  g.SetColumnWidth(2, 60);
  return g;
}

TEST(StreamedWorkbookFile, WritesTheSheetsOfTheWholeSaveAheadOfItsGlobals) {
  struct Case {
    int rows;
    int chunk;  // rows made final at a time
  };
  // Blocks of 32 rows cut across chunks; 70,000 rows run over to a second sheet.
  for (Case c : {Case{0, 1}, Case{45, 1}, Case{100, 24}, Case{70000, 744}}) {
    test::TempFolder folder;
    Grid g = HeaderOnly();
    xls::StreamedWorkbookFile streamed;
    ASSERT_TRUE(streamed.Open((folder.Path() / "streamed.xls").string()).Ok());
    for (int done = 0; done < c.rows; done += c.chunk) {
      AppendRows(g, std::min(c.chunk, c.rows - done));
      if (done == 0) g.SetRangeAlignment(2, 1, 2, 4, 2);  // rows may have their own alignment
      streamed.AddRows(g, g.Rows() - 1);
    }
    ASSERT_TRUE(streamed.Commit(g).Ok()) << c.rows;
    ASSERT_TRUE(g.ExportToExcel((folder.Path() / "whole.xls").string()).Ok());

    std::string a = test::ReadFile(folder.Path() / "whole.xls");
    std::string b = test::ReadFile(folder.Path() / "streamed.xls");
    std::string wholeStream = test::CompoundStream(a, u"Workbook");
    std::string stream = test::CompoundStream(b, u"Workbook");
    size_t at = FirstSheetAt(stream);
    EXPECT_EQ(at % 512, 0u) << c.rows;
    EXPECT_TRUE(SheetsOf(stream) == SheetsOf(wholeStream)) << c.rows;
    test::XlsBook whole = test::ReadXls(a), book = test::ReadXls(b);
    EXPECT_EQ(book.strings, whole.strings) << c.rows;
    EXPECT_EQ(book.stringUses, whole.stringUses) << c.rows;
    ASSERT_EQ(book.sheets.size(), c.rows < 65535 ? 1u : 2u);
    EXPECT_EQ(book.sheets.back().cells, whole.sheets.back().cells) << c.rows;
  }
}

TEST(StreamedWorkbookFile, RefusesATooLongTextAndKeepsTheOldWorkbook) {
  test::TempFolder folder;
  fs::path path = folder.Path() / "book.xls";
  Grid g = HeaderOnly();
  ASSERT_TRUE(g.ExportToExcel(path.string()).Ok());
  std::string old = test::ReadFile(path);
  xls::StreamedWorkbookFile streamed;
  ASSERT_TRUE(streamed.Open(path.string()).Ok());
  AppendRows(g, 40);
  streamed.AddRows(g, g.Rows() - 1);
  AppendRows(g, 40);
  g.SetCellText(50, 3, std::string(40000, 'x'));
  streamed.AddRows(g, g.Rows() - 1);
  AppendRows(g, 40);
  streamed.AddRows(g, g.Rows() - 1);
  Status saved = streamed.Commit(g);
  ASSERT_FALSE(saved.Ok());
  EXPECT_EQ(ReasonOf(saved), ReasonOf(g.ExportToExcel(path.string())));
  EXPECT_EQ(test::ReadFile(path), old);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 1);
}

// A disk that fills during the run: the temporary file goes at once, so that
// it does not take the room the other workbook needs. Run in a child, whose
// file sizes are limited; it exits 0 when all went as expected.
[[noreturn]] void FillTheDiskAsChild(const fs::path& folder) {
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit{1 << 20, 1 << 20};
  if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(3);
  Grid g = HeaderOnly();
  xls::StreamedWorkbookFile streamed;
  if (!streamed.Open((folder / "book.xls").string()).Ok()) _exit(4);
  for (int file = 0; file < 40; ++file) {
    AppendRows(g, 744);
    streamed.AddRows(g, g.Rows() - 1);
  }
  bool tempGone = fs::is_empty(folder);
  Status saved = streamed.Commit(g);
  _exit(tempGone && ReasonOf(saved).starts_with("file too large for the disk") ? 0 : 1);
}

TEST(StreamedWorkbookFile, DropsItsTemporaryFileAsSoonAsTheDiskIsFull) {
  test::TempFolder folder;
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) FillTheDiskAsChild(folder.Path());
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

}  // namespace
}  // namespace quillon
