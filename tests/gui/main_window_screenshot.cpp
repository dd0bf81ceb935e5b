// Saves a picture of the main window with a folder listed, two files and
// some elements ticked: main_window_screenshot FOLDER OUT.png
#include <QApplication>
#include <QLineEdit>
#include <QTimer>

#include "gui/grid_view.h"
#include "gui/main_window.h"

using quillon::gui::GridView;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 3) return 2;
  quillon::gui::MainWindow window;
  window.show();
  auto* folder = window.findChild<QLineEdit*>("txtFilePath");
  folder->setText(QString::fromLocal8Bit(argv[1]));
  emit folder->editingFinished();
  window.findChild<QLineEdit*>("txtDestination0")->setText("时记录.xls");
  window.findChild<QLineEdit*>("txtDestination1")->setText("日月统计值.xls");
  auto tick = [](GridView* view, int row, int col) {
    view->model()->setData(view->model()->index(row, col), Qt::Checked, Qt::CheckStateRole);
  };
  auto* files = window.findChild<GridView*>("grdFileList");
  for (int row : {0, 2}) tick(files, row, 4);
  auto* elements = window.findChild<GridView*>("grdSelectElement");
  for (int row : {0, 2, 4, 10, 17}) tick(elements, row, 2);
  for (int row : {2, 4, 12}) tick(elements, row, 3);
  QTimer::singleShot(
      1500, [&] { app.exit(window.grab().save(QString::fromLocal8Bit(argv[2])) ? 0 : 1); });
  return app.exec();
}
