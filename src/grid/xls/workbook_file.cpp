#include "grid/xls/workbook_file.h"

#include <exception>

#include "grid/grid.h"
#include "grid/xls/atomic_file.h"
#include "grid/xls/compound_file.h"
#include "grid/xls/workbook_stream.h"

namespace quillon::xls {

namespace {

Status Write(const Grid& grid, const std::string& path, const WorkbookOptions& options,
             const SaveControl& control) {
  Result<WorkbookPlan> planned = PlanWorkbook(grid, options.numericCells);
  if (!planned.Ok()) return planned.Failure();
  const WorkbookPlan& plan = planned.Value();
  AtomicFile file;
  if (Status opened = file.Open(path); !opened.Ok()) return opened;
  CompoundFileWriter container(file, u"Workbook");
  WriteWorkbookStream(grid, plan, container, control.threads);
  container.Finish();
  if (container.TooLarge())
    return Error{ErrorKind::TooLarge, "workbook over 4 GB, too large to save: " + path};
  return file.Commit(control);
}

}  // namespace

Status WriteWorkbookFile(const Grid& grid, const std::string& path, const WorkbookOptions& options,
                         const SaveControl& control) {
  // A save that runs out of memory is a failed save, not the end of the run;
  // the temporary file is gone by the time the exception arrives here.
  try {
    return Write(grid, path, options, control);
  } catch (const std::exception& e) {
    return Error{ErrorKind::Unexpected, "cannot save " + path + ": " + e.what()};
  }
}

// Made once the temporary file is open: the container writes its first
// sector at once.
struct StreamedWorkbookFile::Parts {
  explicit Parts(AtomicFile& opened) : container(opened, u"Workbook"), sheets(container) {}
  CompoundFileWriter container;
  SheetStreamer sheets;
};

StreamedWorkbookFile::StreamedWorkbookFile() : file_(std::make_unique<AtomicFile>()) {}
StreamedWorkbookFile::~StreamedWorkbookFile() = default;

Status StreamedWorkbookFile::Open(const std::string& path) {
  path_ = path;
  if (Status opened = file_->Open(path); !opened.Ok()) return opened;
  parts_ = std::make_unique<Parts>(*file_);
  return Done();
}

void StreamedWorkbookFile::AddRows(const Grid& grid, int lastRow) {
  if (!failure_.Ok()) return;
  if (!parts_) {
    failure_ = Error{ErrorKind::Unexpected, "cannot save " + path_ + ": not started"};
    return;
  }
  try {
    failure_ = parts_->sheets.AddRows(grid, lastRow);
    // A full disk: the temporary file goes now, so that it does not take
    // the room of the other workbook too.
    if (failure_.Ok()) failure_ = file_->WriteStatus();
  } catch (const std::exception& e) {
    failure_ = Error{ErrorKind::Unexpected, "cannot save " + path_ + ": " + e.what()};
  }
  if (!failure_.Ok()) {
    parts_.reset();
    file_.reset();  // the temporary file goes at once
  }
}

int StreamedWorkbookFile::RowsWrittenThrough() const {
  return parts_ ? parts_->sheets.RowsWrittenThrough() : 1;
}

Status StreamedWorkbookFile::Commit(const Grid& grid, const SaveControl& control) {
  AddRows(grid, grid.Rows() - 1);
  if (!failure_.Ok()) return failure_;
  try {
    Result<std::string> globals = parts_->sheets.Finish(grid);
    if (!globals.Ok()) return globals.Failure();
    parts_->container.Finish(globals.Value());
    if (parts_->container.TooLarge())
      return Error{ErrorKind::TooLarge, "workbook over 4 GB, too large to save: " + path_};
    return file_->Commit(control);
  } catch (const std::exception& e) {
    return Error{ErrorKind::Unexpected, "cannot save " + path_ + ": " + e.what()};
  }
}

}  // namespace quillon::xls
