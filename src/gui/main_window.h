// frmQuillon: the station user's window. The folder box and its browse button
// fill the file list; the element list picks what goes into each workbook;
// the confirm button runs the conversion on a worker thread while the window
// keeps answering; the status bar reports and shows the clock.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

#include "app/conversion_run.h"
#include "gui/about_window.h"
#include "gui/run_bridge.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QThread;
class QToolButton;

namespace quillon::gui {

class GridView;

class MainWindow : public QMainWindow {
 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  bool IsRunning() const { return worker_ != nullptr; }
  // Replaces the message box, e.g. for a test that must not wait for a click.
  void SetMessageHook(std::function<void(const MessageRequest&)> hook);
  // The about window while it is open.
  AboutWindow* About() const { return about_; }

  void SetStatus(const QString& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  void PlaceControls();
  void ConnectControls();
  void CommitFolderText();
  void BrowseFolder();
  void ScanFolderBox();
  void SurfaceMouseMove(QPoint pos);
  void OpenAbout();
  void StartRun();
  void FinishRun();
  void SetInputEnabled(bool on);
  void SetBusy(bool on);
  void ShowMessage(const MessageRequest& request);
  void ShowProgress(int number, int count);
  WorkbookFormat ChosenFormat() const;
  void SwitchFormat();
  void UpdateClock();

  double scale_;
  RunWindow w_;  // the window's lists; a run works on a copy of them
  QString scannedText_;
  bool busy_ = false;
  std::function<void(const MessageRequest&)> messageHook_;

  QLineEdit* txtFilePath_;
  QToolButton* cmdexplorer_;
  GridView* grdFileList_;
  GridView* grdSelectElement_;
  QLineEdit* txtDestination_[2];
  QComboBox* cboFormat_;
  QCheckBox* chkNumbers_;
  WorkbookFormat shownFormat_ = WorkbookFormat::kXls;  // the extension the names carry
  QPushButton* cmdConfrim_;
  QPushButton* cmdReturn_;
  QPushButton* cmdAbout_;
  QLabel* statusPanel_;
  QLabel* clockPanel_;
  QProgressBar* progress_;
  QPointer<AboutWindow> about_;

  std::unique_ptr<RunWindow> run_;
  std::unique_ptr<ThreadedReporter> reporter_;
  QThread* worker_ = nullptr;
};

// The clock panel's text: "2008年3月5日  周三 9时05分07秒" in a Chinese locale.
QString ClockText(const QDateTime& now, const QLocale& locale);

// Copies every cell's text and flag; the target takes the source's size.
void CopyCells(const Grid& from, Grid& to);

}  // namespace quillon::gui
