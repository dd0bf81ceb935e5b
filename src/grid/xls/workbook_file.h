// Saving a grid as an Excel 97-2003 workbook file: the workbook stream inside
// its container, written atomically.
#pragma once

#include <memory>
#include <string>

#include "grid/workbook_options.h"
#include "util/result.h"

namespace quillon {
class Grid;
}

namespace quillon::xls {

class AtomicFile;

// numericCells: plain decimal numbers become number cells.
Status WriteWorkbookFile(const Grid& grid, const std::string& path,
                         const WorkbookOptions& options = {}, const SaveControl& control = {});

// A workbook file written while its grid is filled (texts only): rows go to
// the disk as they are made final, so the save at the end has little left to
// write and wait for. Nothing replaces the file at path before Commit.
class StreamedWorkbookFile {
 public:
  StreamedWorkbookFile();
  ~StreamedWorkbookFile();
  StreamedWorkbookFile(const StreamedWorkbookFile&) = delete;
  StreamedWorkbookFile& operator=(const StreamedWorkbookFile&) = delete;

  // Checks the target and starts the temporary file.
  Status Open(const std::string& path);
  // Grid rows up to lastRow are final. A failure is kept for Commit.
  void AddRows(const Grid& grid, int lastRow);
  // The grid rows from 2 on that are written and never read again; 1 when
  // there are none.
  int RowsWrittenThrough() const;
  // Writes the rest and puts the file in place, as WriteWorkbookFile does.
  Status Commit(const Grid& grid, const SaveControl& control = {});

 private:
  struct Parts;
  std::unique_ptr<AtomicFile> file_;
  std::unique_ptr<Parts> parts_;  // declared after file_: gone before it
  std::string path_;
  Status failure_ = Done();
};

}  // namespace quillon::xls
