#include "grid/xls/workbook_file.h"

#include "grid/grid.h"
#include "grid/xls/atomic_file.h"
#include "grid/xls/compound_file.h"
#include "grid/xls/workbook_stream.h"

namespace quillon::xls {

ExportResult WriteWorkbookFile(const Grid& grid, const std::string& path) {
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

}  // namespace quillon::xls
