// The source folder's A files: which names are accepted, the scan, and the
// file list grid in which the user ticks the files to convert.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "grid/grid.h"
#include "util/result.h"

namespace quillon {

inline constexpr int kFileTickColumn = 4;

// One accepted A file.
struct FileEntry {
  std::string diskName;   // as the folder holds it, for opening the file
  std::string name;       // upper case, as the list shows it
  std::string station;    // characters 2-6
  std::string yearMonth;  // "2008年01月"
};

// "A54511-200801.TXT" and "A54511-200801-1.TXT" (suffix -0, -1 or -9); the
// month must be below 13; the extension in any letter case.
bool IsAcceptedAFileName(std::string_view name);

// The folder text with the path separator appended when it is missing.
std::string SourceFolderOf(std::string_view folderText);

// The accepted A files of the folder, sorted by their upper-case names.
// An unreadable folder is an error with the reason.
Result<std::vector<FileEntry>> ScanFolder(const std::string& sourceFolder);

// Lays out the empty file list: headings, widths, 18 empty rows.
void SetupFileListGrid(Grid& files);

// Replaces the list with the entries: at least 18 rows, nothing ticked.
void FillFileList(Grid& files, const std::vector<FileEntry>& entries);

// A click on the heading "是否选取" ticks every listed file, or unticks them
// all when all are ticked. Rows without a file never change.
void ToggleFileTicks(Grid& files, int activeRow, int activeCol);

// Appends the format's extension (".xls", ".xlsx") unless the name already
// ends in exactly that text.
std::string WithBookExtension(std::string name, WorkbookFormat format = WorkbookFormat::kXls);

// The name for another format: a name that ends in the old format's
// extension gets the new one in its place; any other name stays as it is.
std::string SwitchedBookExtension(std::string name, WorkbookFormat from, WorkbookFormat to);

}  // namespace quillon
