// convert FOLDER and list FOLDER: the conversion run without a window.
#include <iostream>
#include <sstream>

#include "app/cli/commands.h"
#include "app/conversion_run.h"
#include "app/element_list.h"
#include "app/file_list.h"
#include "books/element_catalogue.h"

namespace quillon::cli {
namespace {

// Status texts become progress lines; message boxes become lines too, since
// nobody is there to press OK.
class ConsoleReporter : public RunReporter {
 public:
  void SetStatus(const std::string& text) override { std::cerr << text << "\n"; }
  void ShowMessage(const std::string& text, const std::string& title, MessageIcon,
                   MessageButtons) override {
    std::cerr << "[" << title << "] " << text << "\n";
  }
  void SetBusy(bool) override {}
  void RepaintFileList() override {}
};

std::vector<std::string> SplitList(const std::string& text) {
  std::vector<std::string> items;
  std::stringstream in(text);
  std::string item;
  while (std::getline(in, item, ','))
    if (!item.empty()) items.push_back(item);
  return items;
}

// Ticks the files named (display or disk name), or every listed file.
bool TickFiles(RunWindow& w, const std::vector<FileEntry>& entries,
               const std::vector<std::string>& names) {
  bool ok = true;
  for (const std::string& name : names) {
    bool found = false;
    for (size_t i = 0; i < entries.size(); ++i) {
      if (entries[i].name == name || entries[i].diskName == name) {
        w.fileList.SetCellText(static_cast<int>(i) + 1, kFileTickColumn, "1");
        found = true;
      }
    }
    if (!found) {
      std::cerr << "not an accepted A file in the folder: " << name << "\n";
      ok = false;
    }
  }
  if (names.empty())
    for (size_t i = 0; i < entries.size(); ++i)
      w.fileList.SetCellText(static_cast<int>(i) + 1, kFileTickColumn, "1");
  return ok;
}

bool TickElementColumn(RunWindow& w, int column, const std::string& choice) {
  if (choice.empty()) return true;
  std::vector<std::string> names;
  if (choice == "all")
    for (const Element& e : Elements()) names.emplace_back(e.name);
  else
    names = SplitList(choice);
  for (const std::string& unknown : TickElements(w.elementList, column, names)) {
    std::cerr << "not an element: " << unknown << "\n";
    return false;
  }
  return true;
}

void PrintSummary(const RunOutcome& outcome, std::ostream& out) {
  out << "converted " << outcome.converted << " file(s)\n";
  for (const auto& f : outcome.unreadFiles)
    out << "not read: " << f.path << ": " << f.reason << "\n";
  for (const auto& f : outcome.unwrittenFiles)
    out << "not written: " << f.path << ": " << f.reason << "\n";
  if (outcome.nothingSaved) out << "no workbook saved: no file was converted\n";
  for (const auto& book : outcome.savedBooks) out << "saved: " << book << "\n";
  for (const auto& book : outcome.unsavedBooks)
    out << "not saved: " << book.path << ": " << book.reason << "\n";
}

}  // namespace

int RunConvert(const ConvertOptions& options) {
  RunWindow w;
  w.sourceFolder = SourceFolderOf(options.folder);
  w.outputFolder = options.outFolder;
  w.threads = options.threads;
  Result<std::vector<FileEntry>> scan = ScanFolder(w.sourceFolder);
  if (!scan.Ok()) {
    std::cerr << scan.Failure().reason << "\n";
    return kExitUsage;
  }
  const std::vector<FileEntry>& entries = scan.Value();
  if (entries.empty()) {
    std::cerr << "no accepted A file in the folder: " << options.folder << "\n";
    return kExitUsage;
  }
  std::vector<std::string> names = SplitList(options.files);
  if (options.filesGiven && names.empty()) {
    std::cerr << "--files names no file\n";
    return kExitUsage;
  }
  SetupFileListGrid(w.fileList);
  FillFileList(w.fileList, entries);
  for (const FileEntry& e : entries) w.fileDiskNames.push_back(e.diskName);
  SetupElementGrid(w.elementList);
  // A workbook named without its elements gets them all.
  std::string hourlyElements = options.hourlyElements;
  std::string statsElements = options.statsElements;
  if (hourlyElements.empty() && !options.hourlyName.empty()) hourlyElements = "all";
  if (statsElements.empty() && !options.statsName.empty()) statsElements = "all";
  if (!TickFiles(w, entries, names) || !TickElementColumn(w, kTimedRecordColumn, hourlyElements) ||
      !TickElementColumn(w, kStatisticsColumn, statsElements))
    return kExitUsage;
  w.bookOptions.format = options.format == "xlsx" ? WorkbookFormat::kXlsx : WorkbookFormat::kXls;
  w.bookOptions.numericCells = options.numbers;
  WorkbookFormat format = w.bookOptions.format;
  if (!options.hourlyName.empty()) w.destination[0] = WithBookExtension(options.hourlyName, format);
  // The run always asks for the timed-record name, as the window's first box
  // does; a conversion that wants only statistics never writes that book, so
  // the command line does not make the user name it.
  if (options.hourlyName.empty() && hourlyElements.empty() && !options.statsName.empty())
    w.destination[0] = WithBookExtension("时记录", format);
  if (!options.statsName.empty()) w.destination[1] = WithBookExtension(options.statsName, format);
  ConsoleReporter reporter;
  RunOutcome outcome = ConversionRun(w, reporter).Run();
  if (outcome.stopped) return kExitUsage;
  PrintSummary(outcome, std::cout);
  if (!outcome.unsavedBooks.empty()) return kExitUsage;
  return outcome.unreadFiles.empty() && outcome.unwrittenFiles.empty() ? kExitDone
                                                                       : kExitFileFailed;
}

int RunList(const std::string& folder) {
  Result<std::vector<FileEntry>> scan = ScanFolder(SourceFolderOf(folder));
  if (!scan.Ok()) {
    std::cerr << scan.Failure().reason << "\n";
    return kExitUsage;
  }
  for (const FileEntry& e : scan.Value())
    std::cout << e.name << "\t" << e.station << "\t" << e.yearMonth << "\n";
  return kExitDone;
}

}  // namespace quillon::cli
