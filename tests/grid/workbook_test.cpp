// Grids saved as workbook files and read back with the structural reader.
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

#include "grid/grid.h"
#include "grid/xls/atomic_file.h"
#include "grid/xls_inspect.h"
#include "support/temp_folder.h"

namespace quillon {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> FolderContent(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

test::XlsBook Exported(const Grid& g) {
  test::TempFolder folder;
  auto path = folder.Path() / "book.xls";
  Status result = g.ExportToExcel(path.string());
  EXPECT_TRUE(result.Ok()) << ReasonOf(result);
  EXPECT_EQ(FolderContent(folder.Path()), std::vector<std::string>{"book.xls"});
  return test::ReadXls(test::ReadFile(path));
}

TEST(ExportToExcel, WritesEveryCellAsTextFromRowAndColumnOne) {
  Grid g;
  g.SetRows(5);
  g.SetCols(5);
  std::string longText;
  for (int i = 0; i < 9000; ++i) longText += i % 3 ? "雨" : ",";
  const char* texts[5][5] = {
      {"corner", "fixed", "fixed", "fixed", "fixed"},
      {"fixed", "年月日时", "气温", "天气现象", ""},
      {"fixed", "2008010121 21", "05", "雨,轻雾", "-"},
      {"fixed", "", "  1013 ", "", "45/23"},
      {"fixed", "😀", "0", "long", "-5"},
  };
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 5; ++c) g.SetCellText(r, c, r == 4 && c == 3 ? longText : texts[r][c]);
  g.SetColumnWidth(1, 90);
  g.SetRowHeight(1, 45);
  test::XlsBook book = Exported(g);
  ASSERT_EQ(book.sheets.size(), 1u);
  const test::XlsSheet& sheet = book.sheets[0];
  std::map<std::pair<int, int>, std::string> expected;
  for (int r = 1; r < 5; ++r)
    for (int c = 1; c < 5; ++c)
      if (!g.CellText(r, c).empty()) expected[{r - 1, c - 1}] = g.CellText(r, c);
  EXPECT_EQ(sheet.cells, expected);
  EXPECT_EQ(sheet.dimensionRows, 4u);
  EXPECT_EQ(sheet.dimensionCols, 4u);
  EXPECT_EQ(sheet.colWidths.at(0), 3291u);
  EXPECT_EQ(sheet.colWidths.at(1), 2341u);
  EXPECT_EQ(sheet.rowTwips.at(0), 675u);
  EXPECT_EQ(sheet.rowTwips.at(1), 270u);
  EXPECT_GE(book.stringsSplit, 1) << "the long text crosses into a CONTINUE record";
}

TEST(ExportToExcel, RowsWithoutCellsOrHeightHaveNoRecordAndCellsKeepTheirFormats) {
  Grid g;
  g.SetRows(6);
  g.SetCols(4);
  for (int c = 1; c < 4; ++c) g.SetColumnAlignment(c, 6);
  g.SetRangeAlignment(3, 2, 3, 3, 10);
  g.SetCellText(1, 1, "a");
  g.SetCellText(1, 3, "b");
  g.SetCellText(3, 1, "c");
  g.SetCellText(3, 2, "d");
  g.SetCellText(3, 3, "e");
  g.SetWrapText(3, 3, true);
  g.SetRowHeight(4, 30);
  g.SetCellText(5, 2, "f");
  const test::XlsSheet sheet = Exported(g).sheets.at(0);
  // A cell's format: 16 + 2 x its alignment code, one more when it wraps.
  struct Cell {
    int row, col;
    std::string text;
    uint32_t xf;
  };
  const Cell cells[] = {{0, 0, "a", 28}, {0, 2, "b", 28}, {2, 0, "c", 28},
                        {2, 1, "d", 36}, {2, 2, "e", 37}, {4, 1, "f", 28}};
  for (const Cell& c : cells) {
    EXPECT_EQ(sheet.cells.at({c.row, c.col}), c.text) << c.row << "," << c.col;
    EXPECT_EQ(sheet.cellXf.at(c.row * 256 + c.col), c.xf) << c.row << "," << c.col;
  }
  EXPECT_EQ(sheet.cells.size(), std::size(cells));
  EXPECT_EQ(sheet.rowTwips, (std::map<int, uint32_t>{{0, 270}, {2, 270}, {3, 450}, {4, 270}}));
}

TEST(ExportToExcel, ContinuesLongGridsOnSheetsHeadedByRowOne) {
  struct Case {
    int dataRows;  // grid rows from 1, the header row included
    std::vector<size_t> sheetRows;
  };
  const Case cases[] = {{65536, {65536}}, {65537, {65536, 2}}};
  for (const auto& c : cases) {
    Grid g;
    g.SetCols(3);
    g.SetRows(c.dataRows + 1);
    g.SetCellText(1, 1, "年月日时");
    g.SetCellText(1, 2, "气温");
    for (int r = 2; r < g.Rows(); ++r) {
      g.SetCellText(r, 1, std::to_string(r));
      g.SetCellText(r, 2, r % 2 ? "05" : "");
    }
    test::XlsBook book = Exported(g);
    ASSERT_EQ(book.sheets.size(), c.sheetRows.size()) << c.dataRows;
    int gridRow = 2;
    for (size_t k = 0; k < book.sheets.size(); ++k) {
      const auto& cells = book.sheets[k].cells;
      EXPECT_EQ(book.sheets[k].name, "Sheet" + std::to_string(k + 1));
      EXPECT_EQ(book.sheets[k].dimensionRows, c.sheetRows[k]);
      EXPECT_EQ(cells.at({0, 0}), "年月日时");
      EXPECT_EQ(cells.at({0, 1}), "气温");
      for (size_t i = 1; i < c.sheetRows[k]; ++i, ++gridRow) {
        int row = static_cast<int>(i);
        ASSERT_EQ(cells.at({row, 0}), std::to_string(gridRow));
        ASSERT_EQ(cells.count({row, 1}), gridRow % 2 ? 1u : 0u);
      }
    }
    EXPECT_EQ(gridRow, g.Rows()) << "no row lost";
  }
}

TEST(ExportToExcel, RefusesWhatAWorkbookCannotHoldBeforeWritingAnything) {
  struct Case {
    int cols;
    int textCol;
    size_t textLength;
    const char* reason;  // empty: saved
  };
  const Case cases[] = {
      {257, 1, 1, ""},
      {258, 1, 1, "the grid has 257 columns to save; a workbook sheet holds at most 256"},
      {3, 1, 32767, ""},
      {3, 1, 32768, "cell (1, 1) holds more than 32767 characters"},
      {5, 3, 32768, "cell (1, 3) holds more than 32767 characters"},
  };
  for (const auto& c : cases) {
    Grid g;
    g.SetRows(2);
    g.SetCols(c.cols);
    g.SetCellText(1, 1, "first");
    g.SetCellText(1, c.textCol, std::string(c.textLength, 'a'));
    g.SetCellText(1, c.cols - 1, "last");
    test::TempFolder folder;
    Status result = g.ExportToExcel((folder.Path() / "a.xls").string());
    if (*c.reason == '\0') {
      EXPECT_TRUE(result.Ok()) << ReasonOf(result);
      auto book = test::ReadXls(test::ReadFile(folder.Path() / "a.xls"));
      EXPECT_EQ(book.sheets[0].cells.at({0, c.cols - 2}), "last");
    } else {
      EXPECT_FALSE(result.Ok());
      EXPECT_EQ(ReasonOf(result).rfind(c.reason, 0), 0u) << ReasonOf(result);
      EXPECT_TRUE(FolderContent(folder.Path()).empty());
    }
  }
}

TEST(ExportToExcel, ReportsAFailedSaveAndLeavesNothingBehind) {
  struct Case {
    std::function<std::string(const fs::path&)> target;
    std::string reason;
  };
  const Case cases[] = {
      {[](const fs::path& f) { return (f / "missing" / "a.xls").string(); },
       "folder does not exist: "},
      {[](const fs::path& f) {
         fs::create_directory(f / "book.xls");
         return (f / "book.xls").string();
       },
       "target is a folder: "},
      {[](const fs::path& f) { return f.string() + "/"; }, "target is a folder: "},
      {[](const fs::path& f) {
         std::ofstream(f / "plain") << "x";
         return (f / "plain" / "a.xls").string();
       },
       "not a folder: "},
  };
  Grid g;
  g.SetRows(3);
  g.SetCols(3);
  g.SetCellText(1, 1, "年月日");
  for (const auto& c : cases) {
    test::TempFolder folder;
    std::string target = c.target(folder.Path());
    auto before = FolderContent(folder.Path());
    Status result = g.ExportToExcel(target);
    EXPECT_FALSE(result.Ok()) << target;
    EXPECT_EQ(ReasonOf(result).rfind(c.reason, 0), 0u) << ReasonOf(result);
    EXPECT_EQ(FolderContent(folder.Path()), before) << target;
  }
}

// The export in a child process without root's right to write anywhere and
// with a limit on file sizes; exits 0 when it failed with the reason expected.
[[noreturn]] void ExportAsChild(const std::string& target, long maxFileBytes,
                                const std::string& reason, WorkbookFormat format) {
  if (geteuid() == 0) {
    const gid_t nobody = 65534;
    if (setgroups(0, nullptr) || setgid(nobody) || setuid(nobody)) _exit(3);
  }
  if (maxFileBytes > 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{static_cast<rlim_t>(maxFileBytes), static_cast<rlim_t>(maxFileBytes)};
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  Grid g;
  g.SetRows(3000);
  g.SetCols(3);
  for (int r = 1; r < 3000; ++r) g.SetCellText(r, 1, "2008010121 " + std::to_string(r));
  Status result = g.ExportToExcel(target, {format, false});
  fprintf(stderr, "%s\n", ReasonOf(result).c_str());
  _exit(!result.Ok() && ReasonOf(result).rfind(reason, 0) == 0 ? 0 : 1);
}

TEST(ExportToExcel, KeepsTheOldWorkbookWhenTheNewOneCannotBeWritten) {
  struct Case {
    const char* what;
    fs::perms folderPerms, filePerms;
    long maxFileBytes;
    std::string reason;
    WorkbookFormat format = WorkbookFormat::kXls;
  };
  const fs::perms all = fs::perms::all, readOnly = fs::perms::owner_read | fs::perms::group_read |
                                                   fs::perms::others_read | fs::perms::owner_exec |
                                                   fs::perms::group_exec | fs::perms::others_exec;
  const Case cases[] = {
      {"read-only folder", readOnly, all, 0, "no permission to write in folder: "},
      {"read-only workbook", all, fs::perms::owner_read | fs::perms::others_read, 0,
       "no permission to replace: "},
      {"write fails half-way", all, all, 20000, "file too large for the disk: "},
      {".xlsx: read-only folder", readOnly, all, 0,
       "no permission to write in folder: ", WorkbookFormat::kXlsx},
      {".xlsx: write fails half-way", all, all, 5000, "cannot write ", WorkbookFormat::kXlsx},
      // The library's scratch files fail, its small zip output does not.
      {".xlsx: scratch write fails", all, all, 100000, "the workbook came out damaged",
       WorkbookFormat::kXlsx},
  };
  for (const auto& c : cases) {
    test::TempFolder temp;
    fs::path folder = temp.Path() / "out";
    fs::create_directory(folder);
    fs::permissions(temp.Path(), all);
    temp.Write("out/book.xls", "the old workbook");
    fs::permissions(folder / "book.xls", c.filePerms);
    fs::permissions(folder, c.folderPerms);
    EXPECT_EXIT(ExportAsChild((folder / "book.xls").string(), c.maxFileBytes, c.reason, c.format),
                testing::ExitedWithCode(0), "")
        << c.what;
    fs::permissions(folder, all);
    EXPECT_EQ(FolderContent(folder), std::vector<std::string>{"book.xls"}) << c.what;
    EXPECT_EQ(test::ReadFile(folder / "book.xls"), "the old workbook") << c.what;
  }
}

TEST(ExportToExcel, ReplacesAnExistingWorkbookWhole) {
  test::TempFolder folder;
  std::string target = folder.Write("book.xls", std::string(100000, 'z'));
  Grid g;
  g.SetRows(2);
  g.SetCols(2);
  g.SetCellText(1, 1, "年月日");
  ASSERT_TRUE(g.ExportToExcel(target).Ok());
  EXPECT_EQ(test::ReadXls(test::ReadFile(target)).sheets[0].cells.at({0, 0}), "年月日");
  EXPECT_EQ(FolderContent(folder.Path()), std::vector<std::string>{"book.xls"});
}

TEST(ExportToExcel, XlsxRefusesWhatASheetCannotHoldAndKeepsTheOldWorkbook) {
  struct Case {
    int cols;
    size_t textLength;
    const char* reason;  // found in the reason; empty: saved
  };
  const Case cases[] = {
      {3, 32767, ""},
      {3, 32768, "cell (1, 1) holds more than 32767 characters"},
      {16386, 1, "the grid has 16385 columns to save; a workbook sheet holds at most 16384"},
  };
  for (const auto& c : cases) {
    Grid g;
    g.SetRows(3);
    g.SetCols(c.cols);
    g.SetCellText(1, 1, std::string(c.textLength, 'a'));
    g.SetRowHeight(2, 30);  // a last row with a height and no cell
    test::TempFolder folder;
    std::string target = folder.Write("book.xlsx", "the old workbook");
    Status result = g.ExportToExcel(target, {WorkbookFormat::kXlsx, false});
    EXPECT_EQ(FolderContent(folder.Path()), std::vector<std::string>{"book.xlsx"});
    if (*c.reason == '\0') {
      EXPECT_TRUE(result.Ok()) << ReasonOf(result);
      EXPECT_TRUE(test::ReadFile(target).starts_with("PK")) << "a zip container";
    } else {
      EXPECT_NE(ReasonOf(result).find(c.reason), std::string::npos) << ReasonOf(result);
      EXPECT_EQ(test::ReadFile(target), "the old workbook");
    }
  }
}

// A save killed half way: its temporary file stays behind.
void KilledSave(const fs::path& target) {
  pid_t child = fork();
  if (child == 0) {
    xls::AtomicFile file;
    if (!file.Open(target.string()).Ok()) _exit(1);
    file.Write("half a workbook");
    _exit(0);  // no destructor: as if killed
  }
  waitpid(child, nullptr, 0);
}

TEST(ExportToExcel, ReplacingKeepsWhatTheUserGaveTheWorkbook) {
  struct Case {
    const char* what;
    std::string name;
    std::function<void(const fs::path&)> before;  // given the workbook's path
    std::string reason;                           // empty: saved
    std::function<void(const fs::path&)> after;
  };
  const bool root = geteuid() == 0;
  const Case cases[] = {
      {"mode and owner", "book.xls",
       [&](const fs::path& b) {
         std::ofstream(b) << "old";
         ASSERT_EQ(chmod(b.c_str(), 0640), 0);
         if (root) {
           ASSERT_EQ(chown(b.c_str(), 65534, 65534), 0);
         }
       },
       "",
       [&](const fs::path& b) {
         struct stat info;
         ASSERT_EQ(stat(b.c_str(), &info), 0);
         EXPECT_EQ(info.st_mode & 07777, 0640u);
         if (root) {
           EXPECT_EQ(info.st_uid, 65534u);
         }
       }},
      {"link", "book.xls",
       [](const fs::path& b) {
         fs::create_directory(b.parent_path() / "kept");
         std::ofstream(b.parent_path() / "kept" / "real.xls") << "old";
         fs::create_symlink("kept/real.xls", b);
       },
       "",
       [](const fs::path& b) {
         EXPECT_TRUE(fs::is_symlink(b));
         EXPECT_TRUE(
             test::ReadFile(b.parent_path() / "kept" / "real.xls").starts_with("\xD0\xCF\x11\xE0"));
       }},
      {"read-only, even to root", "book.xls",
       [](const fs::path& b) {
         std::ofstream(b) << "old";
         fs::permissions(b, fs::perms::owner_read | fs::perms::group_read);
       },
       "no permission to replace: ",
       [](const fs::path& b) { EXPECT_TRUE(test::ReadFile(b) == "old"); }},
      {"long name", std::string(251, 'a') + ".xls", [](const fs::path&) {}, "",
       [](const fs::path& b) { EXPECT_TRUE(fs::exists(b)); }},
      {"left by a killed save", "book.xls",
       [](const fs::path& b) {
         KilledSave(b);
         auto left = FolderContent(b.parent_path());
         ASSERT_EQ(left.size(), 1u);
         EXPECT_FALSE(left[0].ends_with(".xls")) << left[0];
       },
       "", [](const fs::path& b) { EXPECT_EQ(FolderContent(b.parent_path()).size(), 1u); }},
  };
  Grid g;
  g.SetRows(2);
  g.SetCols(2);
  g.SetCellText(1, 1, "年月日");
  for (const Case& c : cases) {
    test::TempFolder folder;
    fs::path book = folder.Path() / c.name;
    c.before(book);
    Status result = g.ExportToExcel(book.string());
    EXPECT_EQ(result.Ok(), c.reason.empty()) << c.what << ": " << ReasonOf(result);
    EXPECT_EQ(ReasonOf(result).rfind(c.reason, 0), 0u) << c.what << ": " << ReasonOf(result);
    c.after(book);
  }
}

// Saves of one workbook at once (the timed records and a statistics book
// named through a link to them): one save's clearing of killed saves'
// temporary files never takes another's that is still being written.
TEST(ExportToExcel, SavesAtOnceNeverTakeEachOthersTemporaryFile) {
  test::TempFolder folder;
  std::string target = (folder.Path() / "book.xls").string();
  std::atomic<int> failures = 0;
  std::vector<std::thread> saves;
  for (int t = 0; t < 4; ++t) {
    saves.emplace_back([&] {
      for (int i = 0; i < 100; ++i) {
        xls::AtomicFile file;
        Status opened = file.Open(target);
        if (opened.Ok()) file.Write("a workbook");
        if (!(opened.Ok() ? file.Commit() : opened).Ok()) ++failures;
      }
    });
  }
  for (std::thread& save : saves) save.join();
  EXPECT_EQ(failures, 0);
  EXPECT_EQ(FolderContent(folder.Path()), std::vector<std::string>{"book.xls"});
}

}  // namespace
}  // namespace quillon
