#include "gui/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <exception>

#include "app/element_list.h"
#include "app/file_list.h"
#include "gui/about_window.h"
#include "gui/grid_view.h"

namespace quillon::gui {
namespace {

constexpr double kTwipsPerPixel = 15.0;  // at 96 dpi
constexpr int kClientWidth = 11370, kClientHeight = 7665, kStatusBarHeight = 360;

// Where each control sits, in twips of a 96-dpi screen, relative to the
// window or to its frame.
struct Placement {
  const char* name;
  int left, top, width, height;
};
constexpr Placement kLayout[] = {
    {"fraSource", 60, 90, 6525, 6075},          {"lblSourceFilePath", 60, 390, 1485, 240},
    {"txtFilePath", 1560, 360, 4365, 315},      {"cmdexplorer", 5910, 350, 435, 315},
    {"grdFileList", 90, 780, 6255, 5205},       {"fraSelectElement", 6660, 90, 4605, 6075},
    {"grdSelectElement", 120, 420, 4395, 5475}, {"fraDestination", 60, 6270, 6525, 1005},
    {"lblDestination0", 540, 300, 1485, 195},   {"txtDestination0", 2040, 270, 4245, 285},
    {"lblDestination1", 150, 660, 1875, 210},   {"txtDestination1", 2040, 630, 4245, 285},
    {"cmdConfrim", 8520, 6810, 1185, 375},      {"cmdReturn", 10050, 6810, 1185, 375},
    {"cmdAbout", 10380, 30, 885, 315},          {"cboFormat", 6660, 6390, 2400, 315},
    {"chkNumbers", 9180, 6390, 2085, 315},
};
// cmdAbout's own rectangle: the pointer inside it (bounds exclusive) shows it.
constexpr int kAboutLeft = 10380, kAboutRight = 11265, kAboutTop = 30, kAboutBottom = 345;

constexpr const char* kChooseFolder = "请选择正确的文件路径！";
constexpr const char* kReadingFiles = "正在读取文件！";
constexpr const char* kFilesRead = "文件读取结束,请选择需要转换的文件和要素！";
constexpr const char* kNoFiles = "所选路径下没有需要的文件存在！";
constexpr const char* kWaitForRun = "正在转换,请等待转换结束后再退出!";

// The bare surface of the window: pointer moves that no control takes.
class Surface : public QWidget {
 public:
  Surface(std::function<void(QPoint)> onMove, QWidget* parent)
      : QWidget(parent), onMove_(std::move(onMove)) {
    setMouseTracking(true);
  }

 protected:
  void mouseMoveEvent(QMouseEvent* event) override { onMove_(event->position().toPoint()); }

 private:
  std::function<void(QPoint)> onMove_;
};

QMessageBox::Icon BoxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Error:
      return QMessageBox::Critical;
    case MessageIcon::Warning:
      return QMessageBox::Warning;
    case MessageIcon::Information:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

template <typename W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

}  // namespace

QString ClockText(const QDateTime& now, const QLocale& locale) {
  return locale.toString(now, QStringLiteral("yyyy年M月d日  ddd H时mm分ss秒"));
}

void CopyCells(const Grid& from, Grid& to) {
  to.SetAutoRedraw(false);
  to.SetRows(from.Rows());
  to.SetCols(from.Cols());
  for (int r = 0; r < from.Rows(); ++r) {
    for (int c = 0; c < from.Cols(); ++c) {
      to.SetCellText(r, c, from.CellText(r, c));
      to.SetCellFlag(r, c, from.CellFlag(r, c));
    }
  }
  to.SetAutoRedraw(true);
}

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), scale_(screen()->logicalDotsPerInch() / 96.0) {
  setObjectName("frmQuillon");
  setWindowTitle("Quillon");
  SetupFileListGrid(w_.fileList);
  SetupElementGrid(w_.elementList);
  BuildControls();
  PlaceControls();
  ConnectControls();
  SetStatus(kChooseFolder);
}

MainWindow::~MainWindow() {
  if (worker_) worker_->wait();
}

void MainWindow::BuildControls() {
  auto* surface = new Surface([this](QPoint pos) { SurfaceMouseMove(pos); }, this);
  setCentralWidget(Named(surface, "surface"));

  auto* source = Named(new QGroupBox("请选择A文件", surface), "fraSource");
  Named(new QLabel("A文件存放路径：", source), "lblSourceFilePath");
  txtFilePath_ = Named(new QLineEdit(source), "txtFilePath");
  txtFilePath_->setToolTip("Z文件存放路径");
  cmdexplorer_ = Named(new QToolButton(source), "cmdexplorer");
  cmdexplorer_->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
  grdFileList_ = Named(new GridView(w_.fileList, scale_, source), "grdFileList");

  auto* elements = Named(new QGroupBox("请选择转存到EXCEL的要素", surface), "fraSelectElement");
  grdSelectElement_ = Named(new GridView(w_.elementList, scale_, elements), "grdSelectElement");

  auto* destination =
      Named(new QGroupBox("转换目标文件名（Excel格式）", surface), "fraDestination");
  const char* labels[] = {"逐时记录文件名：", "日月统计值文件名："};
  for (int i = 0; i < 2; ++i) {
    QByteArray index = QByteArray::number(i);
    auto* label = new QLabel(labels[i], destination);
    label->setObjectName("lblDestination" + index);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtDestination_[i] = new QLineEdit(destination);
    txtDestination_[i]->setObjectName("txtDestination" + index);
    txtDestination_[i]->installEventFilter(this);
  }
  txtFilePath_->installEventFilter(this);
  // Beside the names: the format both workbooks are saved in, and whether
  // plain numbers go in as numbers a spreadsheet can sum and chart.
  cboFormat_ = Named(new QComboBox(surface), "cboFormat");
  cboFormat_->addItem("Excel 97-2003 (.xls)", int(WorkbookFormat::kXls));
  cboFormat_->addItem("Excel (.xlsx)", int(WorkbookFormat::kXlsx));
  cboFormat_->setToolTip("保存的EXCEL文件格式");
  chkNumbers_ = Named(new QCheckBox("数字存为数值", surface), "chkNumbers");
  chkNumbers_->setToolTip("勾选后纯数字的单元格存为数值,可求和、作图,显示的文字不变");

  cmdConfrim_ = Named(new QPushButton("确定", surface), "cmdConfrim");
  cmdConfrim_->setToolTip("点击则开始转换");
  cmdConfrim_->setEnabled(false);
  cmdReturn_ = Named(new QPushButton("返回", surface), "cmdReturn");
  cmdReturn_->setToolTip("退出程序");
  cmdAbout_ = Named(new QPushButton("关于", surface), "cmdAbout");
  cmdAbout_->hide();

  QStatusBar* bar = statusBar();
  bar->setObjectName("StaBar");
  bar->setSizeGripEnabled(false);
  statusPanel_ = Named(new QLabel("状态信息"), "StaBarPanel1");
  // A long path is cut off at the clock rather than pushing it away.
  statusPanel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  progress_ = Named(new QProgressBar, "prgFiles");
  progress_->setFormat("文件 %v / %m");
  progress_->hide();
  clockPanel_ = Named(new QLabel("日期和时间"), "StaBarPanel2");
  bar->addWidget(statusPanel_, 1);
  bar->addPermanentWidget(progress_);
  bar->addPermanentWidget(clockPanel_);

  auto* clock = Named(new QTimer(this), "TimerAbout");
  clock->setInterval(1000);
  connect(clock, &QTimer::timeout, this, &MainWindow::UpdateClock);
  clock->start();
}

void MainWindow::PlaceControls() {
  auto px = [this](int twips) { return int(twips / kTwipsPerPixel * scale_ + 0.5); };
  for (const Placement& p : kLayout) {
    auto* widget = findChild<QWidget*>(p.name);
    int height = px(p.height);
    // A label keeps its middle line but is never shorter than its text.
    if (qobject_cast<QLabel*>(widget)) height = std::max(height, widget->fontMetrics().height());
    int top = px(p.top) - (height - px(p.height)) / 2;
    widget->setGeometry(px(p.left), top, px(p.width), height);
  }
  cmdAbout_->raise();
  statusBar()->setFixedHeight(px(kStatusBarHeight));
  setFixedSize(px(kClientWidth), px(kClientHeight));
  QRect screenArea = screen()->availableGeometry();
  move(screenArea.center() - QPoint(width() / 2, height() / 2));
}

void MainWindow::ConnectControls() {
  connect(txtFilePath_, &QLineEdit::editingFinished, this, &MainWindow::CommitFolderText);
  connect(cmdexplorer_, &QToolButton::clicked, this, &MainWindow::BrowseFolder);
  connect(grdFileList_->gridHeader(), &GridHeader::cellClicked, this, [this](int row, int col) {
    w_.fileList.SetActiveCell(row, col);
    ToggleFileTicks(w_.fileList, w_.fileList.ActiveRow(), w_.fileList.ActiveCol());
  });
  connect(
      grdSelectElement_->gridHeader(), &GridHeader::cellClicked, this, [this](int row, int col) {
        w_.elementList.SetActiveCell(row, col);
        ToggleElementColumn(w_.elementList, w_.elementList.ActiveRow(), w_.elementList.ActiveCol());
      });
  connect(cboFormat_, &QComboBox::currentIndexChanged, this, &MainWindow::SwitchFormat);
  connect(cmdConfrim_, &QPushButton::clicked, this, &MainWindow::StartRun);
  connect(cmdReturn_, &QPushButton::clicked, this, &QWidget::close);
  connect(cmdAbout_, &QPushButton::clicked, this, &MainWindow::OpenAbout);
}

void MainWindow::SetStatus(const QString& text) {
  statusPanel_->setText(text);
  statusPanel_->setToolTip(text);
}

void MainWindow::SetMessageHook(std::function<void(const MessageRequest&)> hook) {
  messageHook_ = std::move(hook);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  auto* focus = dynamic_cast<QFocusEvent*>(event);
  // Focus that comes and goes with the whole window is not the user's move.
  bool userMove = focus && focus->reason() != Qt::ActiveWindowFocusReason &&
                  focus->reason() != Qt::PopupFocusReason;
  if (userMove && event->type() == QEvent::FocusIn && watched == txtFilePath_)
    SetStatus(kChooseFolder);
  for (QLineEdit* box : txtDestination_)
    if (userMove && event->type() == QEvent::FocusOut && watched == box)
      box->setText(
          QString::fromStdString(WithBookExtension(box->text().toStdString(), ChosenFormat())));
  return QMainWindow::eventFilter(watched, event);
}

WorkbookFormat MainWindow::ChosenFormat() const {
  return static_cast<WorkbookFormat>(cboFormat_->currentData().toInt());
}

// Names that carry the old format's extension take the new one, so that a
// name given before the format was chosen does not end in both.
void MainWindow::SwitchFormat() {
  WorkbookFormat chosen = ChosenFormat();
  for (QLineEdit* box : txtDestination_) {
    std::string name = box->text().toStdString();
    box->setText(QString::fromStdString(SwitchedBookExtension(name, shownFormat_, chosen)));
  }
  shownFormat_ = chosen;
}

// The folder is scanned when its text is committed (Enter or leaving the
// box), not after every keystroke, and only when it differs from the last.
void MainWindow::CommitFolderText() {
  if (txtFilePath_->text() == scannedText_) return;
  ScanFolderBox();
}

void MainWindow::BrowseFolder() {
  QString folder = QFileDialog::getExistingDirectory(
      this, "请选择要设置的文件夹：", txtFilePath_->text(), QFileDialog::ShowDirsOnly);
  if (folder.isEmpty() || folder == txtFilePath_->text()) return;
  txtFilePath_->setText(folder);
  ScanFolderBox();
}

void MainWindow::ScanFolderBox() {
  scannedText_ = txtFilePath_->text();
  SetStatus(kReadingFiles);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  std::vector<FileEntry> entries;
  w_.sourceFolder = SourceFolderOf(QFile::encodeName(scannedText_).toStdString());
  // An unreadable folder lists no files, as an empty one.
  if (!scannedText_.isEmpty()) {
    Result<std::vector<FileEntry>> scan = ScanFolder(w_.sourceFolder);
    if (scan.Ok()) entries = std::move(scan.Value());
  }
  FillFileList(w_.fileList, entries);
  w_.fileDiskNames.clear();
  for (const FileEntry& e : entries) w_.fileDiskNames.push_back(e.diskName);
  if (!w_.fileList.CellText(1, 1).empty()) {
    cmdConfrim_->setEnabled(true);
    SetStatus(kFilesRead);
  } else {
    SetStatus(kNoFiles);
  }
  QApplication::restoreOverrideCursor();
}

void MainWindow::SurfaceMouseMove(QPoint pos) {
  double x = pos.x() * kTwipsPerPixel / scale_, y = pos.y() * kTwipsPerPixel / scale_;
  bool inside = kAboutLeft < x && x < kAboutRight && kAboutTop < y && y < kAboutBottom;
  cmdAbout_->setVisible(inside);
}

void MainWindow::OpenAbout() {
  if (!about_) about_ = new AboutWindow(this);
  about_->show();
  about_->raise();
  about_->activateWindow();
}

void MainWindow::UpdateClock() {
  clockPanel_->setText(ClockText(QDateTime::currentDateTime(), QLocale()));
}

void MainWindow::StartRun() {
  if (worker_) return;
  run_ = std::make_unique<RunWindow>();
  SetupFileListGrid(run_->fileList);
  CopyCells(w_.fileList, run_->fileList);
  SetupElementGrid(run_->elementList);
  CopyCells(w_.elementList, run_->elementList);
  run_->fileDiskNames = w_.fileDiskNames;
  run_->sourceFolder = w_.sourceFolder;
  for (size_t i = 0; i < 2; ++i) run_->destination[i] = txtDestination_[i]->text().toStdString();
  run_->bookOptions = {ChosenFormat(), chkNumbers_->isChecked()};
  RunDisplay display{
      [this](const QString& text) { SetStatus(text); },
      [this](const MessageRequest& request) { ShowMessage(request); },
      [this](bool on) { SetBusy(on); },
      [this](int row, bool ticked) {
        w_.fileList.SetCellText(row, kFileTickColumn, ticked ? "1" : "");
      },
      [this](int number, int count) { ShowProgress(number, count); },
  };
  reporter_ = std::make_unique<ThreadedReporter>(this, display, run_->fileList);
  SetInputEnabled(false);
  worker_ = QThread::create([run = run_.get(), reporter = reporter_.get()] {
    try {
      ConversionRun(*run, *reporter).Run();
    } catch (const std::exception& e) {
      reporter->ShowMessage(std::string("转换意外中止:") + e.what(), kTitle, MessageIcon::Error,
                            MessageButtons::Ok);
    }
  });
  connect(worker_, &QThread::finished, this, &MainWindow::FinishRun);
  worker_->start();
}

void MainWindow::FinishRun() {
  worker_->wait();
  worker_->deleteLater();
  worker_ = nullptr;
  // The run's own list has the last word: a file that failed stays ticked.
  w_.fileList.SetAutoRedraw(false);
  for (int r = 1; r < std::min(w_.fileList.Rows(), run_->fileList.Rows()); ++r)
    w_.fileList.SetCellText(r, kFileTickColumn, run_->fileList.CellText(r, kFileTickColumn));
  w_.fileList.SetAutoRedraw(true);
  w_.fileList.Refresh();
  reporter_.reset();
  run_.reset();
  SetBusy(false);
  progress_->hide();
  SetInputEnabled(true);
}

void MainWindow::SetInputEnabled(bool on) {
  QWidget* inputs[] = {txtFilePath_,       cmdexplorer_,       grdFileList_, grdSelectElement_,
                       txtDestination_[0], txtDestination_[1], cboFormat_,   chkNumbers_,
                       cmdConfrim_,        cmdReturn_};
  for (QWidget* input : inputs) input->setEnabled(on);
}

void MainWindow::SetBusy(bool on) {
  if (on == busy_) return;
  busy_ = on;
  if (on)
    QApplication::setOverrideCursor(Qt::BusyCursor);
  else
    QApplication::restoreOverrideCursor();
}

void MainWindow::ShowMessage(const MessageRequest& request) {
  if (messageHook_) {
    messageHook_(request);
    return;
  }
  QMessageBox box(BoxIcon(request.icon), request.title, request.text,
                  request.buttons == MessageButtons::OkCancel
                      ? QMessageBox::Ok | QMessageBox::Cancel
                      : QMessageBox::Ok,
                  this);
  // The box wants the ordinary pointer even while the run is busy.
  if (busy_) QApplication::setOverrideCursor(Qt::ArrowCursor);
  box.exec();
  if (busy_) QApplication::restoreOverrideCursor();
}

void MainWindow::ShowProgress(int number, int count) {
  progress_->setRange(0, count);
  progress_->setValue(number);
  progress_->show();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // Leaving during a run would lose the workbooks it is about to save.
  if (IsRunning()) {
    SetStatus(kWaitForRun);
    event->ignore();
    return;
  }
  QMainWindow::closeEvent(event);
}

}  // namespace quillon::gui
