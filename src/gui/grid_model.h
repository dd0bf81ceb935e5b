// A Qt table model over one of the window's grids: no copy of the cells, the
// grid stays the only store. The grid's fixed heading rows are left to the
// heading (GridHeader); column 0 shows each row's number.
#pragma once

#include <QAbstractTableModel>

#include "grid/grid.h"

namespace quillon::gui {

class GridModel : public QAbstractTableModel {
 public:
  GridModel(Grid& grid, QObject* parent);

  Grid& grid() const { return grid_; }
  int GridRow(int modelRow) const { return modelRow + grid_.FixedRows(); }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // A tick cell of a row that may be ticked (a check-box column, not flagged).
  bool IsTickable(const QModelIndex& index) const;

 private:
  void GridChanged();

  Grid& grid_;
  int rows_ = 0;
  int cols_ = 0;
};

// Qt's alignment for one of the grid's alignment codes.
Qt::Alignment AlignmentOf(int code);

}  // namespace quillon::gui
