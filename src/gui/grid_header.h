// The heading of a grid view: the grid's fixed rows drawn above the columns,
// merged cells drawn as one. A click reports the heading cell under the
// pointer, in grid rows and columns.
#pragma once

#include <QHeaderView>

#include "grid/grid.h"

namespace quillon::gui {

class GridHeader : public QHeaderView {
  Q_OBJECT
 public:
  GridHeader(const Grid& grid, int rowHeight, QWidget* parent);

  QSize sizeHint() const override;
  // The heading cell's rectangle in the viewport; a merged cell's whole area.
  QRect CellRect(int row, int col) const;

 signals:
  void cellClicked(int row, int col);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  // The merged range that holds the cell, or the cell alone.
  CellRange RangeOf(int row, int col) const;

  const Grid& grid_;
  int rowHeight_;
};

}  // namespace quillon::gui
