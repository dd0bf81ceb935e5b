#include "gui/grid_model.h"

#include <QApplication>
#include <QPalette>

#include "grid/alignment.h"

namespace quillon::gui {

GridModel::GridModel(Grid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), rows_(grid.Rows()), cols_(grid.Cols()) {
  grid_.AddRefreshListener([this] { GridChanged(); });
}

void GridModel::GridChanged() {
  if (grid_.Rows() != rows_ || grid_.Cols() != cols_) {
    beginResetModel();
    rows_ = grid_.Rows();
    cols_ = grid_.Cols();
    endResetModel();
    return;
  }
  if (rowCount() > 0 && cols_ > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, cols_ - 1));
}

int GridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_ - grid_.FixedRows();
}

int GridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : cols_; }

bool GridModel::IsTickable(const QModelIndex& index) const {
  int row = GridRow(index.row()), col = index.column();
  return grid_.ColumnCellType(col) == Grid::kCheckBox && !grid_.CellFlag(row, col);
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  int row = GridRow(index.row()), col = index.column();
  bool checkBox = grid_.ColumnCellType(col) == Grid::kCheckBox;
  switch (role) {
    case Qt::DisplayRole:
      if (col == 0) return index.row() + 1;
      if (checkBox) return {};
      return QString::fromUtf8(grid_.CellText(row, col));
    case Qt::CheckStateRole:
      if (!checkBox || col == 0) return {};
      return grid_.CellText(row, col).empty() ? Qt::Unchecked : Qt::Checked;
    case Qt::TextAlignmentRole:
      return col == 0 ? int(Qt::AlignCenter) : int(AlignmentOf(grid_.CellAlignment(row, col)));
    case Qt::BackgroundRole:
      // Column 0 is the grid's own fixed heading column.
      if (col == 0) return QApplication::palette().button();
      return {};
    default:
      return {};
  }
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::CheckStateRole || !index.isValid() || !IsTickable(index)) return false;
  bool ticked = value.toInt() == Qt::Checked;
  grid_.SetCellText(GridRow(index.row()), index.column(), ticked ? "1" : "");
  emit dataChanged(index, index, {Qt::CheckStateRole});
  return true;
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  if (grid_.ColumnCellType(index.column()) != Grid::kCheckBox) return Qt::ItemIsEnabled;
  return IsTickable(index) ? Qt::ItemIsEnabled | Qt::ItemIsUserCheckable : Qt::NoItemFlags;
}

Qt::Alignment AlignmentOf(int code) {
  Qt::Alignment h = Qt::AlignLeft, v = Qt::AlignVCenter;
  switch (HorizontalOf(code)) {
    case Horizontal::Center:
      h = Qt::AlignHCenter;
      break;
    case Horizontal::Right:
      h = Qt::AlignRight;
      break;
    default:
      break;
  }
  switch (VerticalOf(code)) {
    case Vertical::Top:
      v = Qt::AlignTop;
      break;
    case Vertical::Bottom:
      v = Qt::AlignBottom;
      break;
    default:
      break;
  }
  return h | v;
}

}  // namespace quillon::gui
