#include "gui/about_window.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QUrlQuery>
#include <QVBoxLayout>

#include "gui/build_info.h"

namespace quillon::gui {
namespace {

const QColor kLinkHover(0, 0, 255);
const QColor kWebColour(255, 255, 0);
const QColor kMailColour(255, 128, 255);
const QColor kBackground(64, 64, 72);  // dark enough for the yellow and pink links
constexpr int kWebItem = 3, kMailItem = 4;

void SetColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(role, colour);
  widget->setPalette(palette);
}

}  // namespace

QUrl AboutWindow::WebLink() { return QUrl(kWebUrl); }

QUrl AboutWindow::MailLink() {
  QUrl url;
  url.setScheme("mailto");
  url.setPath(kMail);
  QUrlQuery query;
  query.addQueryItem("subject", kMailSubject);
  url.setQuery(query);
  return url;
}

AboutWindow::AboutWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), open_([](const QUrl& url) { QDesktopServices::openUrl(url); }) {
  setObjectName("frmAbout");
  setWindowTitle("关于...");
  setAttribute(Qt::WA_DeleteOnClose);
  setMouseTracking(true);
  setAutoFillBackground(true);
  SetColour(this, QPalette::Window, kBackground);
  SetColour(this, QPalette::WindowText, Qt::white);

  const QString texts[] = {QString("Quillon V") + kVersion, kCreditMaker, kCreditDesigner,
                           WebLink().toString(), QString(kMail)};
  auto* layout = new QVBoxLayout(this);
  for (int i = 0; i < 5; ++i) {
    items_[i] = new QLabel(texts[i], this);
    items_[i]->setObjectName("lblItem" + QString::number(i));
    items_[i]->setAlignment(Qt::AlignCenter);
    layout->addWidget(items_[i]);
  }
  QFont title = items_[0]->font();
  title.setPointSize(title.pointSize() + 4);
  title.setBold(true);
  items_[0]->setFont(title);
  for (int i : {kWebItem, kMailItem}) {
    items_[i]->setMouseTracking(true);
    items_[i]->setCursor(Qt::PointingHandCursor);
    items_[i]->installEventFilter(this);
  }
  SetColour(items_[kWebItem], QPalette::WindowText, kWebColour);
  SetColour(items_[kMailItem], QPalette::WindowText, kMailColour);

  auto* close = new QPushButton("返回", this);
  close->setObjectName("cmdClose");
  close->setToolTip("退出程序");
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  layout->addWidget(close, 0, Qt::AlignHCenter);

  adjustSize();
  move(screen()->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event) {
  int index = watched == items_[kWebItem]    ? kWebItem
              : watched == items_[kMailItem] ? kMailItem
                                             : -1;
  if (index < 0) return QWidget::eventFilter(watched, event);
  if (event->type() == QEvent::MouseMove) {
    SetColour(items_[index], QPalette::WindowText, kLinkHover);
    return true;  // kept from the window, which would give the links their colours back
  }
  if (event->type() == QEvent::MouseButtonRelease) {
    open_(index == kWebItem ? WebLink() : MailLink());
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

// Back over the bare window, each link gets its own colour again.
void AboutWindow::mouseMoveEvent(QMouseEvent*) {
  SetColour(items_[kWebItem], QPalette::WindowText, kWebColour);
  SetColour(items_[kMailItem], QPalette::WindowText, kMailColour);
}

// A click on the bare window closes it, as the close button does.
void AboutWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && !childAt(event->position().toPoint())) close();
}

}  // namespace quillon::gui
