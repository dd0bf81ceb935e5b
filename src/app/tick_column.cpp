#include "app/tick_column.h"

namespace quillon {

void ToggleTickColumn(Grid& g, int column) {
  bool allTicked = true;
  for (int r = 1; r < g.Rows(); ++r)
    if (!g.CellText(r, 1).empty() && g.CellText(r, column).empty()) allTicked = false;
  for (int r = 1; r < g.Rows(); ++r)
    if (!g.CellText(r, 1).empty()) g.SetCellText(r, column, allTicked ? "" : "1");
  g.Refresh();
}

}  // namespace quillon
