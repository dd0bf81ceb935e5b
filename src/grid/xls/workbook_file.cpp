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

}  // namespace quillon::xls
