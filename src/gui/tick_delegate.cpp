#include "gui/tick_delegate.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace quillon::gui {
namespace {

bool IsTickCell(const QModelIndex& index) { return index.data(Qt::CheckStateRole).isValid(); }

}  // namespace

void TickDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
  if (!IsTickCell(index)) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  QStyleOptionViewItem box(option);
  initStyleOption(&box, index);
  const QWidget* widget = option.widget;
  QStyle* style = widget ? widget->style() : QApplication::style();
  QRect natural = style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &box, widget);
  box.text.clear();
  box.features &= ~QStyleOptionViewItem::HasCheckIndicator;
  style->drawControl(QStyle::CE_ItemViewItem, &box, painter, widget);

  QStyleOptionViewItem indicator(option);
  indicator.rect = QRect(QPoint(), natural.size());
  indicator.rect.moveCenter(option.rect.center());
  bool ticked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
  indicator.state = (option.state & ~(QStyle::State_On | QStyle::State_Off)) |
                    (ticked ? QStyle::State_On : QStyle::State_Off);
  if (!(index.flags() & Qt::ItemIsUserCheckable)) indicator.state &= ~QStyle::State_Enabled;
  style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &indicator, painter, widget);
}

bool TickDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                               const QStyleOptionViewItem& option, const QModelIndex& index) {
  if (!IsTickCell(index)) return QStyledItemDelegate::editorEvent(event, model, option, index);
  if (!(index.flags() & Qt::ItemIsUserCheckable)) return false;
  bool toggle = false;
  switch (event->type()) {
    case QEvent::MouseButtonRelease:
      toggle = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
               option.rect.contains(static_cast<QMouseEvent*>(event)->position().toPoint());
      break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      return true;  // the release ticks; a double click is two ticks, not an edit
    case QEvent::KeyPress: {
      int key = static_cast<QKeyEvent*>(event)->key();
      toggle = key == Qt::Key_Space || key == Qt::Key_Select;
      break;
    }
    default:
      break;
  }
  if (!toggle) return false;
  bool ticked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
  return model->setData(index, ticked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
}

}  // namespace quillon::gui
