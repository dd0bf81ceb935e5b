// The conversion run behind the confirm button: checks the user's input,
// converts every ticked A file in list order into the wanted workbooks, and
// saves them.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/read_ahead.h"
#include "app/run_reporter.h"
#include "grid/grid.h"
#include "grid/xls/workbook_file.h"

namespace quillon {

// The window's models the run reads and writes.
struct RunWindow {
  Grid fileList;                           // grdFileList: names in column 1, ticks in column 4
  std::vector<std::string> fileDiskNames;  // row r's file as the folder holds it, at r - 1
  Grid elementList;                        // grdSelectElement
  std::array<std::string, 2> destination;  // txtDestination: timed-record and statistics names
  std::string sourceFolder;                // SourceFolder, ending in the path separator
  std::string outputFolder;                // where the workbooks go; empty: the source folder
  std::array<Grid, 2> books;               // grdDestination: HourlyBook and StatsBook
  WorkbookOptions bookOptions;             // the format both workbooks are saved in
  int threads = 0;                         // threads the run may use; 0: one per processor core
};

// What a run did, for a summary and an exit status.
struct RunOutcome {
  bool stopped = false;  // stopped at an input check before changing anything
  int converted = 0;
  struct Failure {
    std::string path;
    std::string reason;
  };
  std::vector<Failure> unreadFiles;     // not A files as the format has them, or not readable
  std::vector<Failure> unwrittenFiles;  // read, but their rows could not be written
  std::vector<std::string> savedBooks;
  std::vector<Failure> unsavedBooks;
  // Files were ticked and none converted: no workbook was written, so the
  // ones already there keep their rows.
  bool nothingSaved = false;
};

// How the save of one of the two books fits with the other's.
struct BookSave {
  std::function<void()> waitForTurn;       // returns once it may take its place
  std::function<void()> whileWritingBack;  // the other book, made meanwhile
  bool folderSyncedLater = false;          // once for both books, at the end
};

class ConversionRun {
 public:
  ConversionRun(RunWindow& window, RunReporter& reporter) : w_(window), ui_(reporter) {}
  // cmdConfrim_Click: the whole run.
  RunOutcome Run();

 private:
  bool InputIsComplete(bool hourlyWanted, bool statsWanted);
  void ConvertFile(int row, MonthFile& file, bool hourlyWanted, bool statsWanted,
                   ElementTable& scratch);
  // Book index, written; it replaces the file at its name only once its turn
  // has come and no clash stands in the way.
  Status WriteBook(int index, const BookSave& save = {}) const;
  void Record(int index, const Status& saved);
  void SaveBooks(bool hourlyWanted, bool statsWanted);
  void SaveBothBooks();
  // Why the workbook must not be written at path; empty when nothing stands in the way.
  std::string ClashOf(const std::string& path) const;
  void ReportEnd();
  std::string FilePathOfRow(int row) const;
  std::string BookPath(int index) const;
  // Starts writing book index to the disk as each file's rows are in, where
  // the format allows; the save at the end then finishes that file.
  void StartStream(int index);
  // Hands the rows of the file just converted to the streams, and lets the
  // grids go of what is written. Never fails: a stream keeps its own failure.
  void StreamNewRows();

  RunWindow& w_;
  RunReporter& ui_;
  RunOutcome outcome_;
  std::array<std::unique_ptr<xls::StreamedWorkbookFile>, 2> streams_;
};

// The user's words of the run's texts.
inline constexpr const char* kTitle = "提示";
inline constexpr const char* kAllConverted = "完成全部文件的转换!";
inline constexpr const char* kNothingConverted = "没有文件转换成功,未保存EXCEL格式的文件!";

}  // namespace quillon
