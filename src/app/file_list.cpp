#include "app/file_list.h"

#include <algorithm>
#include <filesystem>

#include "app/tick_column.h"
#include "grid/alignment.h"
#include "util/number_text.h"
#include "util/utf8_text.h"

namespace quillon {
namespace {

std::string Upper(std::string_view text) {
  std::string s(text);
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

// 1-based position and count, as the names are described.
std::string At(std::string_view name, size_t pos, size_t count) {
  return CharSub(name, pos - 1, count);
}

constexpr int kMinimumRows = 19;  // the heading row and 18 empty rows

}  // namespace

bool IsAcceptedAFileName(std::string_view name) {
  size_t length = CharLength(name);
  if (length != 17 && length != 19) return false;
  if (Upper(At(name, 1, 1)) != "A" || At(name, 7, 1) != "-") return false;
  std::string month = At(name, 12, 2);
  if (!IsNumeric(At(name, 3, 4)) || !IsNumeric(At(name, 8, 4)) || !IsNumeric(month)) return false;
  if (LeadingNumber(month) >= 13) return false;
  if (length == 17) return Upper(At(name, 14, 4)) == ".TXT";
  std::string suffix = At(name, 14, 2);
  return (suffix == "-0" || suffix == "-1" || suffix == "-9") && Upper(At(name, 16, 4)) == ".TXT";
}

std::string SourceFolderOf(std::string_view folderText) {
  std::string folder(folderText);
  const char separator = static_cast<char>(std::filesystem::path::preferred_separator);
  if (folder.empty() || folder.back() != separator) folder += separator;
  return folder;
}

Result<std::vector<FileEntry>> ScanFolder(const std::string& sourceFolder) {
  std::vector<FileEntry> entries;
  std::error_code ec;
  std::filesystem::directory_iterator it(sourceFolder, ec), end;
  if (ec) {
    return Error{ErrorKind::Unreadable, "cannot list " + sourceFolder + ": " + ec.message()};
  }
  for (; it != end; it.increment(ec)) {
    if (ec) break;
    if (it->is_directory(ec)) continue;
    std::string disk = it->path().filename().string();
    if (!IsAcceptedAFileName(disk)) continue;
    std::string upper = Upper(disk);
    entries.push_back(
        {disk, upper, At(upper, 2, 5), At(upper, 8, 4) + "年" + At(upper, 12, 2) + "月"});
  }
  std::sort(entries.begin(), entries.end(), [](const FileEntry& a, const FileEntry& b) {
    return a.name != b.name ? a.name < b.name : a.diskName < b.diskName;
  });
  return entries;
}

void SetupFileListGrid(Grid& g) {
  g.SetAutoRedraw(false);
  g.SetFont("Tahoma", 8);
  g.SetRows(kMinimumRows);
  g.SetCols(5);
  g.SetWrapText(0, kFileTickColumn, true);
  const int widths[] = {40, 120, 70, 80, 70};
  const char* headings[] = {"序号", "文件名", "区站号", "年月", "是否选取"};
  for (int c = 0; c < 5; ++c) {
    g.SetColumnWidth(c, widths[c]);
    g.SetCellText(0, c, headings[c]);
  }
  g.SetRangeAlignment(0, 0, 0, g.Cols() - 1, kCentred);
  g.SetColumnCellType(kFileTickColumn, Grid::kCheckBox);
  g.SetColumnAlignment(1, kLeftCentred);
  for (int c = 2; c <= 4; ++c) g.SetColumnAlignment(c, kCentred);
  for (int c = 1; c <= 3; ++c) g.SetColumnLocked(c, true);
  for (int r = 1; r < g.Rows(); ++r) g.SetCellFlag(r, kFileTickColumn, true);
  g.SetAutoRedraw(true);
  g.Refresh();
}

void FillFileList(Grid& g, const std::vector<FileEntry>& entries) {
  g.SetAutoRedraw(false);
  int n = static_cast<int>(entries.size());
  g.SetRows(std::max(n + 1, kMinimumRows));
  for (int r = 1; r < g.Rows(); ++r) {
    for (int c = 1; c < g.Cols(); ++c) g.SetCellText(r, c, "");
    g.SetCellFlag(r, g.Cols() - 1, true);
  }
  g.SetAutoRedraw(true);
  g.Refresh();
  for (int k = 1; k <= n; ++k) {
    const FileEntry& e = entries[static_cast<size_t>(k - 1)];
    g.SetCellText(k, 1, e.name);
    g.SetCellText(k, 2, e.station);
    g.SetCellText(k, 3, e.yearMonth);
    g.SetCellFlag(k, kFileTickColumn, false);
  }
}

void ToggleFileTicks(Grid& g, int activeRow, int activeCol) {
  if (activeRow != 0 || activeCol != kFileTickColumn) return;
  ToggleTickColumn(g, kFileTickColumn);
}

std::string WithBookExtension(std::string name, WorkbookFormat format) {
  if (!name.ends_with(ExtensionOf(format))) name += ExtensionOf(format);
  return name;
}

std::string SwitchedBookExtension(std::string name, WorkbookFormat from, WorkbookFormat to) {
  if (from == to || !name.ends_with(ExtensionOf(from))) return name;
  name.resize(name.size() - ExtensionOf(from).size());
  name += ExtensionOf(to);
  return name;
}

}  // namespace quillon
