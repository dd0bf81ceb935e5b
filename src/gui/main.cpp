// quillon: the desktop window for converting a station's A files.
#include <QApplication>

#include "gui/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  quillon::gui::MainWindow window;
  window.show();
  return app.exec();
}
