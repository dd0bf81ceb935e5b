#include "app/element_list.h"

#include <string>

#include "app/tick_column.h"
#include "books/element_catalogue.h"
#include "grid/alignment.h"

namespace quillon {

void SetupElementGrid(Grid& g) {
  g.SetAutoRedraw(false);
  g.SetFont("Tahoma", 8);
  g.SetRows(30);
  g.SetCols(4);
  g.SetFixedRows(2);
  const int widths[] = {40, 110, 60, 60};
  for (int c = 0; c < 4; ++c) g.SetColumnWidth(c, widths[c]);
  g.SetCellText(0, 0, "序号");
  g.SetCellText(0, 1, "要素");
  g.SetCellText(0, 2, "选取内容");
  g.SetCellText(1, 2, "时记录");
  g.SetCellText(1, 3, "日月统计值");
  g.MergeRange(0, 0, 1, 0);
  g.MergeRange(0, 1, 1, 1);
  g.MergeRange(0, 2, 0, 3);
  g.SetColumnAlignment(1, kCentred);
  for (size_t i = 0; i < Elements().size(); ++i)
    g.SetCellText(static_cast<int>(i) + 2, 1, Elements()[i].name);
  g.SetColumnLocked(1, true);
  for (int c : {kTimedRecordColumn, kStatisticsColumn}) {
    g.SetColumnAlignment(c, kCentred);
    g.SetColumnCellType(c, Grid::kCheckBox);
  }
  g.SetAutoRedraw(true);
  g.Refresh();
}

void ToggleElementColumn(Grid& g, int activeRow, int activeCol) {
  if (activeRow != 1 || activeCol <= 1 || activeCol >= g.Cols()) return;
  ToggleTickColumn(g, activeCol);
}

std::vector<std::string> TickElements(Grid& g, int column, const std::vector<std::string>& names) {
  std::vector<std::string> unknown;
  for (const std::string& name : names) {
    bool found = false;
    for (int r = 2; r < g.Rows(); ++r) {
      if (g.CellText(r, 1) == name) {
        g.SetCellText(r, column, "1");
        found = true;
      }
    }
    if (!found) unknown.push_back(name);
  }
  return unknown;
}

}  // namespace quillon
