#include "gui/grid_header.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionHeader>

namespace quillon::gui {

GridHeader::GridHeader(const Grid& grid, int rowHeight, QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent), grid_(grid), rowHeight_(rowHeight) {
  setSectionResizeMode(QHeaderView::Fixed);
  setSectionsClickable(false);
  setHighlightSections(false);
}

QSize GridHeader::sizeHint() const {
  return {QHeaderView::sizeHint().width(), rowHeight_ * grid_.FixedRows()};
}

CellRange GridHeader::RangeOf(int row, int col) const {
  for (const CellRange& merged : grid_.MergedRanges())
    if (merged.Contains(row, col)) return merged;
  return {row, col, row, col};
}

QRect GridHeader::CellRect(int row, int col) const {
  CellRange r = RangeOf(row, col);
  int left = sectionViewportPosition(r.firstCol);
  int right = sectionViewportPosition(r.lastCol) + sectionSize(r.lastCol);
  return QRect(left, r.firstRow * rowHeight_, right - left,
               (r.lastRow - r.firstRow + 1) * rowHeight_);
}

void GridHeader::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  for (int row = 0; row < grid_.FixedRows(); ++row) {
    for (int col = 0; col < std::min(count(), grid_.Cols()); ++col) {
      CellRange r = RangeOf(row, col);
      if (r.firstRow != row || r.firstCol != col) continue;  // drawn with its merge
      QStyleOptionHeader option;
      initStyleOption(&option);
      option.rect = CellRect(row, col);
      option.section = col;
      style()->drawControl(QStyle::CE_HeaderSection, &option, &painter, this);
      int flags = Qt::AlignCenter;  // headings sit centred whatever their column's alignment
      if (grid_.WrapText(row, col)) flags |= Qt::TextWordWrap;
      painter.setPen(palette().color(QPalette::ButtonText));
      painter.drawText(option.rect.adjusted(2, 0, -2, 0), flags,
                       QString::fromUtf8(grid_.CellText(row, col)));
    }
  }
}

void GridHeader::mousePressEvent(QMouseEvent* event) {
  int col = logicalIndexAt(event->position().toPoint().x());
  int row = event->position().toPoint().y() / rowHeight_;
  if (event->button() != Qt::LeftButton || col < 0 || row >= grid_.FixedRows()) return;
  CellRange r = RangeOf(row, col);
  emit cellClicked(r.firstRow, r.firstCol);
}

// Headings are not resized, moved or sorted: the press alone counts.
void GridHeader::mouseReleaseEvent(QMouseEvent*) {}
void GridHeader::mouseMoveEvent(QMouseEvent* event) { event->ignore(); }
void GridHeader::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

}  // namespace quillon::gui
