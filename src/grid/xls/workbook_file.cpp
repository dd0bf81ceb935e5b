#include "grid/xls/workbook_file.h"

#include <exception>

#include "grid/grid.h"
#include "grid/xls/atomic_file.h"
#include "grid/xls/compound_file.h"
#include "grid/xls/workbook_stream.h"

namespace quillon::xls {

namespace {

ExportResult Write(const Grid& grid, const std::string& path) {
  WorkbookPlan plan = PlanWorkbook(grid);
  if (!plan.error.empty()) return {false, plan.error};
  AtomicFile file;
  if (ExportResult opened = file.Open(path); !opened.ok) return opened;
  CompoundFileWriter container(file, u"Workbook");
  WriteWorkbookStream(grid, plan, container);
  container.Finish();
  if (container.TooLarge()) return {false, "workbook over 4 GB, too large to save: " + path};
  return file.Commit();
}

}  // namespace

ExportResult WriteWorkbookFile(const Grid& grid, const std::string& path) {
  // A save that runs out of memory is a failed save, not the end of the run;
  // the temporary file is gone by the time the exception arrives here.
  try {
    return Write(grid, path);
  } catch (const std::exception& e) {
    return {false, "cannot save " + path + ": " + e.what()};
  }
}

}  // namespace quillon::xls
