#include "app/conversion_run.h"

#include <exception>
#include <filesystem>
#include <future>

#include "app/element_list.h"
#include "app/file_list.h"
#include "books/hourly_book.h"
#include "books/stats_book.h"
#include "grid/xls/atomic_file.h"
#include "util/memory_reuse.h"

namespace quillon {
namespace {

bool AnyTicked(const Grid& elements, int column) {
  for (int r = 2; r < elements.Rows(); ++r)
    if (!elements.CellText(r, column).empty()) return true;
  return false;
}

constexpr const char* kNameMissingBox = "请输入保存为EXCEL格式的文件名!";
constexpr const char* kNameMissingStatus = "请输入保存为EXCEL格式的文件名！";
constexpr const char* kNoElement = "请选择需要转存到EXCEL格式文件中的要素!";
constexpr const char* kSameNames = "逐时记录文件名和日月统计值文件名不能相同!";

// Whether two workbook paths name one file: compared where they lead ("./b"
// and "sub/../b", links followed), and on the disk when both exist.
bool SameFile(const std::string& a, const std::string& b) {
  namespace fs = std::filesystem;
  std::error_code ea, eb, ec;
  fs::path pa = fs::weakly_canonical(a, ea), pb = fs::weakly_canonical(b, eb);
  if (ea) pa = fs::path(a).lexically_normal();
  if (eb) pb = fs::path(b).lexically_normal();
  return pa == pb || fs::equivalent(a, b, ec);
}

}  // namespace

std::string ConversionRun::BookPath(int index) const {
  std::string folder = w_.outputFolder.empty() ? w_.sourceFolder : SourceFolderOf(w_.outputFolder);
  return folder + w_.destination[static_cast<size_t>(index)];
}

std::string ConversionRun::FilePathOfRow(int row) const {
  size_t index = static_cast<size_t>(row - 1);
  std::string name = index < w_.fileDiskNames.size() ? w_.fileDiskNames[index]
                                                     : std::string(w_.fileList.CellText(row, 1));
  return w_.sourceFolder + name;
}

bool ConversionRun::InputIsComplete(bool hourlyWanted, bool statsWanted) {
  // The statistics name is checked too when statistics are wanted: an empty
  // name would make the folder itself the workbook's path.
  bool nameMissing = w_.destination[0].empty() || (statsWanted && w_.destination[1].empty());
  if (nameMissing) {
    ui_.ShowMessage(kNameMissingBox, kTitle, MessageIcon::Error, MessageButtons::Ok);
    ui_.SetStatus(kNameMissingStatus);
    return false;
  }
  if (!hourlyWanted && !statsWanted) {
    ui_.ShowMessage(kNoElement, kTitle, MessageIcon::None, MessageButtons::OkCancel);
    ui_.SetStatus(kNoElement);
    return false;
  }
  // Both books go into one folder: under one name, however written, the
  // statistics book would replace the timed records just saved.
  if (hourlyWanted && statsWanted && SameFile(BookPath(0), BookPath(1))) {
    ui_.ShowMessage(kSameNames, kTitle, MessageIcon::Error, MessageButtons::Ok);
    ui_.SetStatus(kSameNames);
    return false;
  }
  return true;
}

RunOutcome ConversionRun::Run() {
  outcome_ = RunOutcome{};
  ElementTable scratch = MakeScratchTable();
  bool hourlyWanted = AnyTicked(w_.elementList, kTimedRecordColumn);
  bool statsWanted = AnyTicked(w_.elementList, kStatisticsColumn);
  if (!InputIsComplete(hourlyWanted, statsWanted)) {
    outcome_.stopped = true;
    return outcome_;
  }
  ui_.SetBusy(true);
  KeepFreedMemoryForReuse();
  if (hourlyWanted) {
    SetupHourlyGrid(w_.books[0], w_.elementList);
    StartStream(0);
  }
  if (statsWanted) {
    SetupStatsGrid(w_.books[1], w_.elementList);
    StartStream(1);
  }
  std::vector<int> tickedRows;
  std::vector<std::string> paths;
  for (int row = 1; row < w_.fileList.Rows(); ++row) {
    if (w_.fileList.CellText(row, kFileTickColumn).empty()) continue;
    tickedRows.push_back(row);
    paths.push_back(FilePathOfRow(row));
  }
  int ticked = static_cast<int>(tickedRows.size());
  ReadAhead files(paths, statsWanted, ReadAheadWorkers(RunThreads(w_.threads), paths.size()));
  for (int k = 0; k < ticked; ++k) {
    ui_.FileStarting(k + 1, ticked);
    ConvertFile(tickedRows[static_cast<size_t>(k)], files.Next(), hourlyWanted, statsWanted,
                scratch);
  }
  // Header-only workbooks saved over good ones would lose their rows for
  // nothing; with no file ticked the empty workbooks are what was asked for.
  outcome_.nothingSaved = ticked > 0 && outcome_.converted == 0;
  if (!outcome_.nothingSaved) SaveBooks(hourlyWanted, statsWanted);
  for (auto& stream : streams_) stream.reset();  // unsaved, its temporary file goes
  // The rows of a book that could not be saved are nowhere: its files stay
  // ticked, so that pressing the button again converts them once more
  // instead of saving books without them over the ones there.
  if (!outcome_.unsavedBooks.empty()) {
    for (int row : tickedRows) w_.fileList.SetCellText(row, kFileTickColumn, "1");
    ui_.RepaintFileList();
  }
  ReportEnd();
  ui_.SetBusy(false);
  return outcome_;
}

void ConversionRun::ConvertFile(int row, MonthFile& file, bool hourlyWanted, bool statsWanted,
                                ElementTable& scratch) {
  MonthData& data = file.data;
  std::string path = FilePathOfRow(row);
  ui_.SetStatus("正在读取" + path + "文件!");
  const Status& read = file.read;
  if (!read.Ok()) {
    ui_.SetStatus(path + "文件格式错误,不能读取!");
    outcome_.unreadFiles.push_back({path, read.Failure().reason});
    return;
  }
  // A block is appended whole or not at all: should writing fail half way,
  // the rows added for this file are taken away again.
  int hourlyRows = w_.books[0].Rows(), statsRows = w_.books[1].Rows();
  try {
    if (hourlyWanted) {
      ui_.SetStatus("正在从" + path + "文件中写数据到" + w_.destination[0] + "文件!");
      WriteHourlyBlock(w_.books[0], data, scratch);
      w_.fileList.SetCellText(row, kFileTickColumn, "");
      ui_.RepaintFileList();
      ui_.SetStatus("完成" + path + "文件的读取!");
    }
    if (statsWanted) {
      ui_.SetStatus("正在从" + path + "文件中写日月统计数据到" + w_.destination[1] + "文件!");
      WriteStatsBlock(w_.books[1], data, file.results, scratch);
      w_.fileList.SetCellText(row, kFileTickColumn, "");
      ui_.RepaintFileList();
      ui_.SetStatus("完成" + path + "文件日月统计值的读取!");
    }
    ++outcome_.converted;
  } catch (const std::exception& e) {
    // The file itself was read: what failed is the writing (memory, a grid
    // limit), and the user is told that, not that the file is malformed.
    if (hourlyWanted) w_.books[0].SetRows(hourlyRows);
    if (statsWanted) w_.books[1].SetRows(statsRows);
    w_.fileList.SetCellText(row, kFileTickColumn, "1");
    std::string reason = dynamic_cast<const std::bad_alloc*>(&e) ? "out of memory" : e.what();
    ui_.SetStatus(path + "文件的数据未能写入工作簿:" + reason);
    outcome_.unwrittenFiles.push_back({path, reason});
    return;
  }
  // Only now are the file's rows sure to stay.
  StreamNewRows();
}

void ConversionRun::StreamNewRows() {
  for (size_t i = 0; i < streams_.size(); ++i) {
    if (!streams_[i]) continue;
    Grid& book = w_.books[i];
    streams_[i]->AddRows(book, book.Rows() - 1);
    // Rows on the disk are not held twice: memory stays flat over an archive.
    int written = streams_[i]->RowsWrittenThrough();
    if (written >= 2 && written < book.Rows()) book.ReleaseRows(2, written);
  }
}

std::string ConversionRun::ClashOf(const std::string& path) const {
  // A disk that ignores letter case, or a link made to a file not yet there,
  // shows two names to be one file only once the first book is saved.
  for (const std::string& saved : outcome_.savedBooks)
    if (SameFile(saved, path)) return "it is the same file as " + saved;
  // A workbook name that links to an A file would put the workbook in its
  // place. A name that leads to no file yet can be no A file: the thousands
  // of files of an archive are then not looked up one by one.
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return {};
  for (int row = 1; row < w_.fileList.Rows(); ++row)
    if (!w_.fileList.CellText(row, 1).empty() &&
        std::filesystem::equivalent(FilePathOfRow(row), path, ec))
      return "it is the A file " + FilePathOfRow(row);
  return {};
}

void ConversionRun::StartStream(int index) {
  auto& slot = streams_[static_cast<size_t>(index)];
  slot.reset();
  const WorkbookOptions& options = w_.bookOptions;
  if (options.format != WorkbookFormat::kXls || options.numericCells) return;
  auto stream = std::make_unique<xls::StreamedWorkbookFile>();
  // A name that cannot be written now is left to the save at the end, which
  // tells the user why.
  if (stream->Open(BookPath(index)).Ok()) slot = std::move(stream);
}

Status ConversionRun::WriteBook(int index, const BookSave& save) const {
  std::string path = BookPath(index);
  SaveControl control;
  control.threads = RunThreads(w_.threads);
  control.beforeReplacing = [&]() -> Status {
    if (save.waitForTurn) save.waitForTurn();
    std::string clash = ClashOf(path);
    if (!clash.empty()) return Error{ErrorKind::Unwritable, clash};
    return Done();
  };
  control.whileWritingBack = save.whileWritingBack;
  control.folderSyncedByCaller = save.folderSyncedLater;
  const Grid& book = w_.books[static_cast<size_t>(index)];
  if (const auto& stream = streams_[static_cast<size_t>(index)])
    return stream->Commit(book, control);
  return book.ExportToExcel(path, w_.bookOptions, control);
}

void ConversionRun::Record(int index, const Status& saved) {
  std::string path = BookPath(index);
  if (saved.Ok())
    outcome_.savedBooks.push_back(path);
  else
    outcome_.unsavedBooks.push_back({path, saved.Failure().reason});
}

void ConversionRun::SaveBooks(bool hourlyWanted, bool statsWanted) {
  if (hourlyWanted && statsWanted) {
    SaveBothBooks();
    // Both new names made to last at once: one wait on the disk, not two.
    xls::SyncFoldersOf(outcome_.savedBooks);
    return;
  }
  if (hourlyWanted) Record(0, WriteBook(0));
  if (statsWanted) Record(1, WriteBook(1));
}

void ConversionRun::SaveBothBooks() {
  BookSave later;
  later.folderSyncedLater = true;
  if (RunThreads(w_.threads) == 1) {
    // On one thread the small statistics book is made first; the timed
    // records are made and saved while the disk takes it, and it takes its
    // place after them, as on two threads.
    bool hourlySaved = false;
    auto saveHourly = [&] {
      if (hourlySaved) return;
      hourlySaved = true;
      Record(0, WriteBook(0, later));
    };
    BookSave first = later;
    first.whileWritingBack = saveHourly;
    Status stats = WriteBook(1, first);
    saveHourly();  // not yet when the statistics book failed before its bytes were out
    Record(1, stats);
    return;
  }
  // The statistics book is written while the timed records are, and takes
  // its place only after them: a name that turns out to be theirs (a disk
  // that ignores letter case, a link) is still caught as before.
  std::promise<void> hourlySaved;
  std::shared_future<void> turn = hourlySaved.get_future().share();
  BookSave after = later;
  after.waitForTurn = [turn] { turn.wait(); };
  auto stats = std::async(std::launch::async, [&] { return WriteBook(1, after); });
  {
    // Whatever happens here, the statistics book's thread must not wait forever.
    struct Release {
      std::promise<void>& done;
      ~Release() { done.set_value(); }
    } release{hourlySaved};
    Record(0, WriteBook(0, later));
  }
  Record(1, stats.get());
}

void ConversionRun::ReportEnd() {
  const auto& unread = outcome_.unreadFiles;
  const auto& unwritten = outcome_.unwrittenFiles;
  if (unread.empty() && unwritten.empty() && outcome_.unsavedBooks.empty()) {
    ui_.SetStatus(kAllConverted);
    return;
  }
  if (!unread.empty() || !unwritten.empty()) {
    std::string text;
    if (!unread.empty()) {
      text = "共有" + std::to_string(unread.size()) + "个文件格式错误,不能读取:";
      for (const auto& f : unread) text += "\n" + f.path;
    }
    if (!unwritten.empty()) {
      if (!text.empty()) text += "\n";
      text += "共有" + std::to_string(unwritten.size()) + "个文件的数据未能写入工作簿:";
      for (const auto& f : unwritten) text += "\n" + f.path + ": " + f.reason;
    }
    if (outcome_.nothingSaved) text += std::string("\n") + kNothingConverted;
    ui_.ShowMessage(text, kTitle, MessageIcon::Warning, MessageButtons::Ok);
    std::string status = text;
    for (char& c : status)
      if (c == '\n') c = ' ';
    ui_.SetStatus(status);
  }
  for (const auto& book : outcome_.unsavedBooks) {
    std::string text = "无法保存" + book.path + "文件:" + book.reason;
    ui_.ShowMessage(text, kTitle, MessageIcon::Error, MessageButtons::Ok);
    ui_.SetStatus(text);
  }
}

}  // namespace quillon
