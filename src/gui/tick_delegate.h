// Draws a tick cell as a check box in the middle of the cell and lets a click
// anywhere in the cell (or the space bar) tick or untick it.
#pragma once

#include <QStyledItemDelegate>

namespace quillon::gui {

class TickDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;
};

}  // namespace quillon::gui
