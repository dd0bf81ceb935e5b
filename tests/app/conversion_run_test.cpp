#include "app/conversion_run.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <new>

#include "app/element_list.h"
#include "app/file_list.h"
#include "support/temp_folder.h"

namespace quillon {
namespace {

namespace fs = std::filesystem;

// Everything the run tells the user, in order.
struct RecordingReporter : RunReporter {
  std::vector<std::string> statuses;
  struct Box {
    std::string text, title;
    MessageIcon icon;
    MessageButtons buttons;
  };
  std::vector<Box> boxes;
  int busy = 0;
  std::string failAt;  // a status text start at which memory runs out
  void SetStatus(const std::string& text) override {
    statuses.push_back(text);
    if (!failAt.empty() && text.starts_with(failAt)) throw std::bad_alloc();
  }
  void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon,
                   MessageButtons buttons) override {
    boxes.push_back({text, title, icon, buttons});
  }
  void SetBusy(bool on) override { busy += on ? 1 : -1; }
  void RepaintFileList() override {}
};

// A window over a folder holding copies of the sample files and, when asked,
// a file that is not an A file at all.
class ConversionRunTest : public ::testing::Test {
 protected:
  void SetUpFolder(bool withBadFile) {
    for (const auto& entry : fs::directory_iterator(QUILLON_SAMPLES_DIR))
      if (IsAcceptedAFileName(entry.path().filename().string()))
        fs::copy_file(entry.path(), folder.Path() / entry.path().filename());
    if (withBadFile) folder.Write("A00000-200001.TXT", "not an A file\r\n");
    w.sourceFolder = SourceFolderOf(folder.Path().string());
    entries = ScanFolder(w.sourceFolder).Value();
    ASSERT_GE(entries.size(), 2u);
    SetupFileListGrid(w.fileList);
    FillFileList(w.fileList, entries);
    for (const auto& e : entries) w.fileDiskNames.push_back(e.diskName);
    SetupElementGrid(w.elementList);
  }
  void TickAllFiles() { ToggleFileTicks(w.fileList, 0, kFileTickColumn); }
  int TickedFiles() const {
    int n = 0;
    for (int r = 1; r < w.fileList.Rows(); ++r)
      n += !w.fileList.CellText(r, kFileTickColumn).empty();
    return n;
  }
  RunOutcome Run() { return ConversionRun(w, ui).Run(); }

  test::TempFolder folder;
  RunWindow w;
  RecordingReporter ui;
  std::vector<FileEntry> entries;
};

TEST_F(ConversionRunTest, EmptyTimedRecordNameStopsBeforeAnything) {
  SetUpFolder(false);
  TickAllFiles();
  ToggleElementColumn(w.elementList, 1, kTimedRecordColumn);
  RunOutcome outcome = Run();
  EXPECT_TRUE(outcome.stopped);
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text, "请输入保存为EXCEL格式的文件名!");
  EXPECT_EQ(ui.boxes[0].title, "提示");
  EXPECT_EQ(ui.boxes[0].icon, MessageIcon::Error);
  EXPECT_EQ(ui.statuses, std::vector<std::string>{"请输入保存为EXCEL格式的文件名！"});
  EXPECT_EQ(TickedFiles(), static_cast<int>(entries.size()));
  EXPECT_EQ(w.books[0].Rows(), 1);
}

TEST_F(ConversionRunTest, EmptyStatisticsNameStopsWhenStatisticsAreWanted) {
  SetUpFolder(false);
  TickAllFiles();
  w.destination[0] = "hourly.xls";
  ToggleElementColumn(w.elementList, 1, kStatisticsColumn);
  RunOutcome outcome = Run();
  EXPECT_TRUE(outcome.stopped);
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text, "请输入保存为EXCEL格式的文件名!");
  EXPECT_TRUE(fs::is_empty(folder.Path()) == false);
  EXPECT_FALSE(fs::exists(folder.Path() / "hourly.xls"));
}

TEST_F(ConversionRunTest, NoElementTickedStops) {
  SetUpFolder(false);
  TickAllFiles();
  w.destination = {"hourly.xls", "stats.xls"};
  RunOutcome outcome = Run();
  EXPECT_TRUE(outcome.stopped);
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text, "请选择需要转存到EXCEL格式文件中的要素!");
  EXPECT_EQ(ui.boxes[0].icon, MessageIcon::None);
  EXPECT_EQ(ui.boxes[0].buttons, MessageButtons::OkCancel);
  EXPECT_EQ(ui.statuses.back(), "请选择需要转存到EXCEL格式文件中的要素!");
}

TEST_F(ConversionRunTest, OneNameForBothBooksStopsWhenBothAreWanted) {
  // Saving both books under one name would leave only the second one.
  struct Case {
    std::array<std::string, 2> names;
    std::vector<int> tickedColumns;
    bool stops;
  };
  const Case cases[] = {
      {{"book.xls", "book.xls"}, {kTimedRecordColumn, kStatisticsColumn}, true},
      {{"book.xls", "./book.xls"}, {kTimedRecordColumn, kStatisticsColumn}, true},
      {{"book.xls", "book.xls"}, {kTimedRecordColumn}, false},
      {{"book.xls", "book.xls"}, {kStatisticsColumn}, false},
      {{"hourly.xls", "stats.xls"}, {kTimedRecordColumn, kStatisticsColumn}, false},
  };
  SetUpFolder(false);
  for (const Case& c : cases) {
    w.elementList = Grid{};
    SetupElementGrid(w.elementList);
    for (int column : c.tickedColumns) ToggleElementColumn(w.elementList, 1, column);
    w.destination = c.names;
    ui = RecordingReporter{};
    RunOutcome outcome = Run();
    EXPECT_EQ(outcome.stopped, c.stops) << c.names[0] << " " << c.tickedColumns.size();
    if (!c.stops) continue;
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "逐时记录文件名和日月统计值文件名不能相同!");
    EXPECT_EQ(ui.boxes[0].title, "提示");
    EXPECT_EQ(ui.statuses, std::vector<std::string>{"逐时记录文件名和日月统计值文件名不能相同!"});
    EXPECT_FALSE(fs::exists(folder.Path() / "book.xls"));
  }
}

TEST_F(ConversionRunTest, NoFileTickedSavesHeaderOnlyBooks) {
  SetUpFolder(false);
  w.destination = {"hourly.xls", ""};
  ToggleElementColumn(w.elementList, 1, kTimedRecordColumn);
  RunOutcome outcome = Run();
  EXPECT_FALSE(outcome.stopped);
  EXPECT_EQ(w.books[0].Rows(), 2);
  EXPECT_TRUE(fs::exists(folder.Path() / "hourly.xls"));
  EXPECT_EQ(ui.statuses.back(), "完成全部文件的转换!");
  EXPECT_EQ(ui.busy, 0);
}

TEST_F(ConversionRunTest, ConvertsEveryTickedFileAndUnticksIt) {
  SetUpFolder(false);
  TickAllFiles();
  w.destination = {"hourly.xls", ""};
  ToggleElementColumn(w.elementList, 1, kTimedRecordColumn);
  RunOutcome outcome = Run();
  EXPECT_EQ(outcome.converted, static_cast<int>(entries.size()));
  EXPECT_EQ(TickedFiles(), 0);
  EXPECT_EQ(ui.statuses.back(), "完成全部文件的转换!");
  std::string first = w.sourceFolder + entries[0].diskName;
  EXPECT_EQ(ui.statuses[0], "正在读取" + first + "文件!");
  EXPECT_EQ(ui.statuses[1], "正在从" + first + "文件中写数据到hourly.xls文件!");
  EXPECT_EQ(ui.statuses[2], "完成" + first + "文件的读取!");
  EXPECT_TRUE(ui.boxes.empty());
  // Confirmed again in the same window, with both books: the grids start
  // anew from their titles and the timed records come out the same.
  std::string hourly = test::ReadFile(folder.Path() / "hourly.xls");
  TickAllFiles();
  ToggleElementColumn(w.elementList, 1, kStatisticsColumn);
  w.destination = {"hourly.xls", "stats.xls"};
  EXPECT_EQ(Run().converted, static_cast<int>(entries.size()));
  EXPECT_EQ(test::ReadFile(folder.Path() / "hourly.xls"), hourly);
  EXPECT_TRUE(fs::exists(folder.Path() / "stats.xls"));
}

TEST_F(ConversionRunTest, RowsThatCannotBeWrittenAreNotCalledAFormatError) {
  SetUpFolder(false);
  TickAllFiles();
  w.destination = {"hourly.xls", ""};
  ToggleElementColumn(w.elementList, 1, kTimedRecordColumn);
  ui.failAt = "正在从";  // as the first file's rows are written
  RunOutcome outcome = Run();
  EXPECT_TRUE(outcome.unreadFiles.empty());
  ASSERT_EQ(outcome.unwrittenFiles.size(), entries.size());
  EXPECT_EQ(outcome.unwrittenFiles[0].reason, "out of memory");
  std::string first = w.sourceFolder + entries[0].diskName;
  EXPECT_EQ(ui.statuses[2], first + "文件的数据未能写入工作簿:out of memory");
  EXPECT_EQ(TickedFiles(), static_cast<int>(entries.size()));
  EXPECT_NE(ui.statuses.back(), "完成全部文件的转换!");
  for (const std::string& status : ui.statuses)
    EXPECT_EQ(status.find("文件格式错误"), std::string::npos) << status;
}

TEST_F(ConversionRunTest, BadFirstFileStaysTickedAndIsNamedAtTheEnd) {
  SetUpFolder(true);  // the bad file sorts first
  TickAllFiles();
  w.destination = {"hourly.xls", ""};
  ToggleElementColumn(w.elementList, 1, kTimedRecordColumn);
  RunOutcome outcome = Run();
  std::string bad = w.sourceFolder + "A00000-200001.TXT";
  ASSERT_EQ(outcome.unreadFiles.size(), 1u);
  EXPECT_EQ(outcome.unreadFiles[0].path, bad);
  EXPECT_FALSE(outcome.unreadFiles[0].reason.empty());
  EXPECT_EQ(outcome.converted, static_cast<int>(entries.size()) - 1);
  EXPECT_EQ(TickedFiles(), 1);
  EXPECT_EQ(w.fileList.CellText(1, kFileTickColumn), "1");
  EXPECT_EQ(ui.statuses[1], bad + "文件格式错误,不能读取!");
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].title, "提示");
  EXPECT_NE(ui.boxes[0].text.find("共有1个文件格式错误,不能读取:"), std::string::npos);
  EXPECT_NE(ui.boxes[0].text.find(bad), std::string::npos);
  EXPECT_NE(ui.statuses.back(), "完成全部文件的转换!");
  EXPECT_NE(ui.statuses.back().find(bad), std::string::npos);
}

// Files read ahead on worker threads go into the workbooks in list order: the
// books and every status text are those of a run on one thread, a bad file
// among them included.
TEST_F(ConversionRunTest, ReadingAheadChangesNoByteAndNoStatusText) {
  SetUpFolder(true);
  // More months than the workers hold at once.
  for (int m = 1; m <= 12; ++m)
    fs::copy_file(fs::path(w.sourceFolder) / entries[static_cast<size_t>(m % 3 + 1)].diskName,
                  folder.Path() / ("A99999-2010" + std::string(m < 10 ? "0" : "") +
                                   std::to_string(m) + ".TXT"));
  auto convert = [&](int threads, const std::string& suffix) {
    RunWindow window;
    window.sourceFolder = w.sourceFolder;
    window.threads = threads;
    std::vector<FileEntry> all = ScanFolder(window.sourceFolder).Value();
    SetupFileListGrid(window.fileList);
    FillFileList(window.fileList, all);
    for (const auto& e : all) window.fileDiskNames.push_back(e.diskName);
    ToggleFileTicks(window.fileList, 0, kFileTickColumn);
    SetupElementGrid(window.elementList);
    ToggleElementColumn(window.elementList, 1, kTimedRecordColumn);
    ToggleElementColumn(window.elementList, 1, kStatisticsColumn);
    window.destination = {"hourly" + suffix + ".xls", "stats" + suffix + ".xls"};
    RecordingReporter reporter;
    RunOutcome outcome = ConversionRun(window, reporter).Run();
    EXPECT_EQ(outcome.unreadFiles.size(), 1u);
    return reporter.statuses;
  };
  std::vector<std::string> alone = convert(1, "1");
  for (int threads : {2, 5}) {
    std::string suffix = std::to_string(threads);
    std::vector<std::string> statuses = convert(threads, suffix);
    for (std::string& s : statuses) {
      for (std::string book : {"hourly", "stats"}) {
        size_t at = s.find(book + suffix + ".xls");
        if (at != std::string::npos) s.replace(at, book.size() + suffix.size(), book + "1");
      }
    }
    EXPECT_EQ(statuses, alone) << threads << " threads";
    EXPECT_EQ(test::ReadFile(folder.Path() / ("hourly" + suffix + ".xls")),
              test::ReadFile(folder.Path() / "hourly1.xls"));
    EXPECT_EQ(test::ReadFile(folder.Path() / ("stats" + suffix + ".xls")),
              test::ReadFile(folder.Path() / "stats1.xls"));
  }
}

TEST_F(ConversionRunTest, OnlyStatisticsTickedSavesOnlyTheStatisticsBook) {
  SetUpFolder(false);
  TickAllFiles();
  w.destination = {"hourly.xls", "stats.xls"};
  ToggleElementColumn(w.elementList, 1, kStatisticsColumn);
  RunOutcome outcome = Run();
  EXPECT_FALSE(outcome.stopped);
  EXPECT_TRUE(fs::exists(folder.Path() / "stats.xls"));
  EXPECT_FALSE(fs::exists(folder.Path() / "hourly.xls"));
  EXPECT_EQ(w.books[1].CellText(1, 1), "年月日");
  EXPECT_EQ(TickedFiles(), 0);
  EXPECT_EQ(ui.statuses.back(), "完成全部文件的转换!");
}

TEST_F(ConversionRunTest, FailedSaveIsReportedNotClaimedDone) {
  SetUpFolder(false);
  TickAllFiles();
  w.destination = {"hourly.xls", ""};
  w.outputFolder = (folder.Path() / "missing").string();
  ToggleElementColumn(w.elementList, 1, kTimedRecordColumn);
  int ticked = TickedFiles();
  RunOutcome outcome = Run();
  ASSERT_EQ(outcome.unsavedBooks.size(), 1u);
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].title, "提示");
  EXPECT_NE(ui.boxes[0].text.find("hourly.xls"), std::string::npos);
  EXPECT_NE(ui.statuses.back(), "完成全部文件的转换!");
  EXPECT_NE(ui.statuses.back().find("hourly.xls"), std::string::npos);
  // Nothing of the run reached a workbook: once the folder is there, the
  // button converts the same files again.
  EXPECT_EQ(TickedFiles(), ticked);
  fs::create_directory(folder.Path() / "missing");
  EXPECT_EQ(Run().converted, ticked);
  EXPECT_TRUE(fs::exists(folder.Path() / "missing" / "hourly.xls"));
}

TEST_F(ConversionRunTest, NothingConvertedKeepsTheWorkbooksThere) {
  SetUpFolder(true);
  w.fileList.SetCellText(1, kFileTickColumn, "1");  // the bad file only
  w.destination = {"hourly.xls", ""};
  folder.Write("hourly.xls", "the old workbook");
  ToggleElementColumn(w.elementList, 1, kTimedRecordColumn);
  RunOutcome outcome = Run();
  EXPECT_TRUE(outcome.nothingSaved);
  EXPECT_TRUE(outcome.savedBooks.empty());
  EXPECT_EQ(fs::file_size(folder.Path() / "hourly.xls"), 16u);
  EXPECT_NE(ui.statuses.back().find("没有文件转换成功,未保存EXCEL格式的文件!"), std::string::npos);
  EXPECT_EQ(ui.busy, 0);
}

// On one thread the statistics book is made before the timed records and
// takes its place after them; on two they are made side by side. Either way
// a statistics book that cannot be saved costs the timed records nothing,
// and one whose name turns out to be theirs never replaces them.
TEST_F(ConversionRunTest, StatisticsBookThatCannotBeSavedLeavesTheTimedRecords) {
  SetUpFolder(false);
  fs::create_directory(folder.Path() / "a folder.xls");
  fs::create_symlink(folder.Path() / "hourly.xls", folder.Path() / "link.xls");
  auto convert = [&](std::array<std::string, 2> names, int threads) {
    if (TickedFiles() == 0) TickAllFiles();  // an unsaved book leaves them ticked
    w.elementList = Grid{};
    SetupElementGrid(w.elementList);
    ToggleElementColumn(w.elementList, 1, kTimedRecordColumn);
    if (!names[1].empty()) ToggleElementColumn(w.elementList, 1, kStatisticsColumn);
    w.destination = names;
    w.threads = threads;
    ui = RecordingReporter{};
    return Run();
  };
  convert({"alone.xls", ""}, 1);
  std::string timedRecords = test::ReadFile(folder.Path() / "alone.xls");
  for (int threads : {1, 2}) {
    for (std::string statsName : {"a folder.xls", "link.xls"}) {
      fs::remove(folder.Path() / "hourly.xls");
      RunOutcome outcome = convert({"hourly.xls", statsName}, threads);
      std::string label = statsName + " on " + std::to_string(threads) + " threads";
      ASSERT_EQ(outcome.savedBooks.size(), 1u) << label;
      EXPECT_EQ(fs::path(outcome.savedBooks[0]).filename(), "hourly.xls") << label;
      ASSERT_EQ(outcome.unsavedBooks.size(), 1u) << label;
      EXPECT_EQ(fs::path(outcome.unsavedBooks[0].path).filename(), statsName) << label;
      EXPECT_EQ(test::ReadFile(folder.Path() / "hourly.xls"), timedRecords) << label;
    }
  }
}

}  // namespace
}  // namespace quillon
