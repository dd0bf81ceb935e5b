// How a grid is saved as a workbook: the file format, and whether cells that
// hold plain numbers are written as numbers that spreadsheets can compute
// with (off by default, so the workbooks look as station users know them).
#pragma once

#include <functional>
#include <string_view>

#include "util/result.h"

namespace quillon {

enum class WorkbookFormat {
  kXls,   // Excel 97-2003, at most 65,536 rows a sheet
  kXlsx,  // Office Open XML, at most 1,048,576 rows a sheet
};

struct WorkbookOptions {
  WorkbookFormat format = WorkbookFormat::kXls;
  bool numericCells = false;
};

// How a save goes about its work, set by the conversion run.
struct SaveControl {
  // Asked once the new workbook is complete, just before it takes the place
  // of the file at its name; a failure keeps that file as it was.
  std::function<Status()> beforeReplacing;
  // Run once the workbook's bytes are all written and on their way to the
  // disk, before the save waits for them to arrive: time to make another
  // workbook instead of waiting.
  std::function<void()> whileWritingBack;
  // The caller makes the new name last a power cut (SyncFoldersOf) once all
  // its workbooks are in place: one wait on the disk for the folder they share.
  bool folderSyncedByCaller = false;
  // Threads that may turn rows into records at once (.xls).
  int threads = 1;
};

constexpr std::string_view ExtensionOf(WorkbookFormat format) {
  return format == WorkbookFormat::kXlsx ? ".xlsx" : ".xls";
}

}  // namespace quillon
