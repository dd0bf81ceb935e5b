// A table view over one of the window's grids: its model, its heading rows,
// its tick cells, the grid's font and column widths at the screen's scale.
#pragma once

#include <QTableView>

#include "grid/grid.h"
#include "gui/grid_header.h"
#include "gui/grid_model.h"

namespace quillon::gui {

class GridView : public QTableView {
 public:
  // scale: screen pixels per pixel of a 96-dpi screen.
  GridView(Grid& grid, double scale, QWidget* parent);

  GridModel* gridModel() const { return model_; }
  GridHeader* gridHeader() const { return header_; }
  // The cell's rectangle in the viewport, by grid row and column.
  QRect CellRect(int row, int col) const;

 private:
  void ApplyColumns();

  Grid& grid_;
  double scale_;
  GridModel* model_;
  GridHeader* header_;
};

// "Tahoma" where it is installed, else the system's own face; the grid's size.
QFont GridFont(const Grid& grid);

}  // namespace quillon::gui
