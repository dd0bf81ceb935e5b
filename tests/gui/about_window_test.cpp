// The about window as the main window's hidden button opens it.
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "gui/build_info.h"
#include "gui/main_window.h"

using namespace quillon::gui;

class AboutWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<MainWindow> window;

  void ClickAbout() {
    auto* button = window->findChild<QPushButton*>("cmdAbout");
    button->show();
    QTest::mouseClick(button, Qt::LeftButton);
  }
  int OpenAboutWindows() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
      n += w->objectName() == "frmAbout" && w->isVisible();
    return n;
  }

 private slots:
  void init() {
    window = std::make_unique<MainWindow>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  }
  void cleanup() { window.reset(); }

  void titleAndLinks() {
    ClickAbout();
    AboutWindow* about = window->About();
    QVERIFY(about && about->isVisible());
    QCOMPARE(about->windowTitle(), "关于...");
    QCOMPARE(about->findChild<QLabel*>("lblItem0")->text(), QString("Quillon V") + kVersion);
    QCOMPARE(AboutWindow::MailLink().toString(),
             QString("mailto:%1?subject=%2").arg(kMail, kMailSubject));
    std::vector<QUrl> opened;
    about->SetLinkOpener([&](const QUrl& url) { opened.push_back(url); });
    for (const char* link : {"lblItem3", "lblItem4", "lblItem1"})
      QTest::mouseClick(about->findChild<QLabel*>(link), Qt::LeftButton);
    QCOMPARE(opened, (std::vector<QUrl>{AboutWindow::WebLink(), AboutWindow::MailLink()}));
  }

  // A link turns blue under the pointer and gets its colour back only over
  // the bare window, not over another control.
  void linkColours() {
    ClickAbout();
    AboutWindow* about = window->About();
    auto colour = [&](const char* name) {
      return about->findChild<QLabel*>(name)->palette().color(QPalette::WindowText);
    };
    auto move = [](QWidget* over) {
      QMouseEvent e(QEvent::MouseMove, QPointF(1, 1), over->mapToGlobal(QPointF(1, 1)),
                    Qt::NoButton, Qt::NoButton, Qt::NoModifier);
      QApplication::sendEvent(over, &e);
    };
    move(about->findChild<QLabel*>("lblItem3"));
    QCOMPARE(colour("lblItem3"), QColor(0, 0, 255));
    move(about->findChild<QLabel*>("lblItem4"));
    QCOMPARE(colour("lblItem4"), QColor(0, 0, 255));
    QCOMPARE(colour("lblItem3"), QColor(0, 0, 255));
    move(about);
    QCOMPARE(colour("lblItem3"), QColor(255, 255, 0));
    QCOMPARE(colour("lblItem4"), QColor(255, 128, 255));
  }

  void oneInstance() {
    ClickAbout();
    AboutWindow* first = window->About();
    ClickAbout();
    QCOMPARE(window->About(), first);
    QCOMPARE(OpenAboutWindows(), 1);
  }

  void closeLeavesMainWindow() {
    ClickAbout();
    QTest::mouseClick(window->About()->findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
    QTRY_VERIFY(window->About() == nullptr);
    QVERIFY(window->isVisible());
    ClickAbout();  // a new one after the old has gone
    QVERIFY(window->About() && window->About()->isVisible());
  }
};

QTEST_MAIN(AboutWindowTest)
#include "about_window_test.moc"
