#include "gui/grid_view.h"

#include <QApplication>
#include <QFontDatabase>

#include "gui/tick_delegate.h"

namespace quillon::gui {

QFont GridFont(const Grid& grid) {
  QString name = QString::fromStdString(grid.FontName());
  QFont font = QFontDatabase::hasFamily(name) ? QFont(name) : QApplication::font();
  font.setPointSize(grid.FontSize());
  return font;
}

GridView::GridView(Grid& grid, double scale, QWidget* parent)
    : QTableView(parent), grid_(grid), scale_(scale) {
  int rowHeight = int(Grid::kDefaultRowHeight * scale + 0.5);
  model_ = new GridModel(grid, this);
  header_ = new GridHeader(grid, rowHeight, this);
  setHorizontalHeader(header_);
  setModel(model_);
  setItemDelegate(new TickDelegate(this));
  setFont(GridFont(grid));
  header_->setFont(font());
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(rowHeight);
  setSelectionMode(QAbstractItemView::NoSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setWordWrap(true);
  ApplyColumns();
  // A new scan may change the number of rows; widths stay the grid's.
  connect(model_, &QAbstractItemModel::modelReset, this, [this] { ApplyColumns(); });
}

void GridView::ApplyColumns() {
  for (int c = 0; c < grid_.Cols(); ++c)
    setColumnWidth(c, int(grid_.ColumnWidth(c) * scale_ + 0.5));
}

QRect GridView::CellRect(int row, int col) const {
  return visualRect(model_->index(row - grid_.FixedRows(), col));
}

}  // namespace quillon::gui
