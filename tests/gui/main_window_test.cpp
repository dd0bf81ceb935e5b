// The main window driven as a user drives it: widgets found by name, clicks on
// headings, texts committed, the run started from the confirm button.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/file_list.h"
#include "books/element_catalogue.h"
#include "gui/grid_view.h"
#include "gui/main_window.h"

using namespace quillon::gui;

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<MainWindow> window;
  std::vector<MessageRequest> boxes;

  template <typename W = QWidget>
  W* Find(const char* name) {
    auto* widget = window->findChild<W*>(name);
    if (!widget) qFatal("no widget %s", name);
    return widget;
  }
  QString Status() { return Find<QLabel>("StaBarPanel1")->text(); }
  QString Cell(const char* grid, int row, int col) {
    auto* view = Find<GridView>(grid);
    return view->model()->index(row, col).data().toString();
  }
  // Ticks per column: the number of checked cells.
  int Ticked(const char* grid, int col) {
    auto* view = Find<GridView>(grid);
    int n = 0;
    for (int r = 0; r < view->model()->rowCount(); ++r)
      n += view->model()->index(r, col).data(Qt::CheckStateRole).toInt() == Qt::Checked;
    return n;
  }
  void Tick(const char* grid, int row, int col) {
    auto* model = Find<GridView>(grid)->model();
    model->setData(model->index(row, col), Qt::Checked, Qt::CheckStateRole);
  }
  void ClickHeading(const char* grid, int row, int col) {
    GridHeader* header = Find<GridView>(grid)->gridHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, header->CellRect(row, col).center());
  }
  void Scan(const QString& folder) {
    auto* box = Find<QLineEdit>("txtFilePath");
    box->setText(folder);
    QTest::keyClick(box, Qt::Key_Return);
  }
  // A copy of the sample A files, so a run writes nowhere in the checkout.
  void CopySamples(const QTemporaryDir& dir) {
    QDir samples(QUILLON_SAMPLES_DIR);
    for (const QString& name : samples.entryList({"A*.TXT"}, QDir::Files))
      QVERIFY(QFile::copy(samples.filePath(name), dir.filePath(name)));
  }

 private slots:
  void init() {
    window = std::make_unique<MainWindow>();
    boxes.clear();
    window->SetMessageHook([this](const MessageRequest& r) { boxes.push_back(r); });
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  }
  void cleanup() { window.reset(); }

  void startUp() {
    QCOMPARE(window->windowTitle(), "Quillon");
    const std::pair<const char*, const char*> captions[] = {
        {"fraSource", "请选择A文件"},
        {"fraSelectElement", "请选择转存到EXCEL的要素"},
        {"fraDestination", "转换目标文件名（Excel格式）"}};
    for (auto [name, caption] : captions) QCOMPARE(Find<QGroupBox>(name)->title(), caption);
    QCOMPARE(Find<QLabel>("lblDestination0")->text(), "逐时记录文件名：");
    QCOMPARE(Find<QLabel>("lblDestination1")->text(), "日月统计值文件名：");
    QVERIFY(!Find("cmdConfrim")->isEnabled());
    QCOMPARE(Find("cmdConfrim")->toolTip(), "点击则开始转换");
    QCOMPARE(Find("cmdReturn")->toolTip(), "退出程序");
    QVERIFY(!Find("cmdAbout")->isVisible());
    QCOMPARE(Status(), "请选择正确的文件路径！");
    QCOMPARE(Find<QLabel>("StaBarPanel2")->text(), "日期和时间");
    QCOMPARE(window->size(), QSize(758, 511));  // 11370 x 7665 twips at 96 dpi

    auto* files = Find<GridView>("grdFileList")->model();
    QCOMPARE(files->rowCount(), 18);
    for (int r = 0; r < 18; ++r) {
      QCOMPARE(Cell("grdFileList", r, 1), "");
      QVERIFY(!(files->index(r, 4).flags() & Qt::ItemIsUserCheckable));
    }
    QCOMPARE(Find<GridView>("grdSelectElement")->model()->rowCount(), 28);
    for (int r = 0; r < 28; ++r)
      QCOMPARE(Cell("grdSelectElement", r, 1),
               QString::fromUtf8(quillon::Elements()[static_cast<size_t>(r)].name));
    QCOMPARE(Ticked("grdSelectElement", 2) + Ticked("grdSelectElement", 3), 0);
  }

  void elementToggle_data() {
    QTest::addColumn<int>("col");
    QTest::addColumn<QList<int>>("ticked");  // rows ticked beforehand
    QTest::newRow("timed records, none ticked") << 2 << QList<int>{};
    QTest::newRow("statistics, none ticked") << 3 << QList<int>{};
    QTest::newRow("timed records, partly ticked") << 2 << QList<int>{0, 5, 27};
    QTest::newRow("statistics, partly ticked") << 3 << QList<int>{3};
  }
  void elementToggle() {
    QFETCH(int, col);
    QFETCH(QList<int>, ticked);
    for (int row : ticked) Tick("grdSelectElement", row, col);
    ClickHeading("grdSelectElement", 0, 2);  // "选取内容" changes nothing
    QCOMPARE(Ticked("grdSelectElement", col), ticked.size());
    ClickHeading("grdSelectElement", 1, col);
    QCOMPARE(Ticked("grdSelectElement", col), 28);
    QCOMPARE(Ticked("grdSelectElement", 5 - col), 0);
    ClickHeading("grdSelectElement", 1, col);
    QCOMPARE(Ticked("grdSelectElement", col), 0);
  }

  void fileToggle() {
    ClickHeading("grdFileList", 0, 4);
    QCOMPARE(Ticked("grdFileList", 4), 0);  // no file listed: nothing to tick
    QTemporaryDir dir;
    CopySamples(dir);
    Scan(dir.path());
    auto* view = Find<GridView>("grdFileList");
    for (int row : {2, 9})  // a file's box ticks; the box of a row without a file does not
      QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->CellRect(row, 4).center());
    QCOMPARE(Ticked("grdFileList", 4), 1);
    ClickHeading("grdFileList", 0, 4);
    QCOMPARE(Ticked("grdFileList", 4), 4);
    ClickHeading("grdFileList", 0, 4);
    QCOMPARE(Ticked("grdFileList", 4), 0);
  }

  void xlsRule_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("no extension") << "时记录"
                                  << "时记录.xls";
    QTest::newRow("already .xls") << "时记录.xls"
                                  << "时记录.xls";
    QTest::newRow("upper case") << "a.XLS"
                                << "a.XLS.xls";
    QTest::newRow("newer workbook") << "a.xlsx"
                                    << "a.xlsx.xls";
    QTest::newRow("empty") << ""
                           << ".xls";
    QTest::newRow("shorter than .xls") << "xls"
                                       << "xls.xls";
  }
  void xlsRule() {
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    for (const char* name : {"txtDestination0", "txtDestination1"}) {
      auto* box = Find<QLineEdit>(name);
      box->setText(typed);
      QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
      QApplication::sendEvent(box, &leave);
      QCOMPARE(box->text(), kept);
    }
  }

  // The format beside the names: .xls at start; choosing .xlsx swaps the
  // extension a name carries, the name rule then appends ".xlsx", and a run
  // saves an .xlsx workbook, with numbers when the box is ticked.
  void bookFormat() {
    auto* format = Find<QComboBox>("cboFormat");
    QCOMPARE(format->count(), 2);
    QCOMPARE(format->currentText(), "Excel 97-2003 (.xls)");
    QCOMPARE(format->itemText(1), "Excel (.xlsx)");
    QVERIFY(!Find<QCheckBox>("chkNumbers")->isChecked());
    auto* hourly = Find<QLineEdit>("txtDestination0");
    auto* stats = Find<QLineEdit>("txtDestination1");
    hourly->setText("时记录.xls");
    stats->setText("日月统计值");
    format->setCurrentIndex(1);
    QCOMPARE(hourly->text(), "时记录.xlsx");
    QCOMPARE(stats->text(), "日月统计值");
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(stats, &leave);
    QCOMPARE(stats->text(), "日月统计值.xlsx");

    QTemporaryDir dir;
    CopySamples(dir);
    Scan(dir.path());
    auto* view = Find<GridView>("grdFileList");
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->CellRect(1, 4).center());
    ClickHeading("grdSelectElement", 1, 2);
    Find<QCheckBox>("chkNumbers")->setChecked(true);
    QTest::mouseClick(Find("cmdConfrim"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!window->IsRunning(), 120000);
    QCOMPARE(Status(), "完成全部文件的转换!");
    QProcess openpyxl;
    openpyxl.start(
        "/usr/bin/python3",
        {"-c",
         "import sys, openpyxl\n"
         "s = openpyxl.load_workbook(sys.argv[1]).worksheets[0]\n"
         "print(s.cell(1, 2).value, s.cell(7, 1).value,\n"
         "      sum(isinstance(c.value, (int, float)) for r in s.iter_rows() for c in r) > 100)\n",
         dir.filePath("时记录.xlsx")});
    QVERIFY(openpyxl.waitForFinished(60000));
    QCOMPARE(openpyxl.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(openpyxl.readAllStandardOutput()).trimmed(),
             "本站气压 20080201 02 True");
  }

  void scanSamples() {
    QTemporaryDir dir;
    CopySamples(dir);
    QFile::copy(QString(QUILLON_SAMPLES_DIR) + "/A54511-200803.TXT",
                dir.filePath("a54511-200804.txt"));
    QFile(dir.filePath("A54511-200813.TXT")).open(QIODevice::WriteOnly);  // month 13: not listed
    Scan(dir.path());
    const QStringList expected[] = {{"A52866-200802.TXT", "52866", "2008年02月"},
                                    {"A54511-200803.TXT", "54511", "2008年03月"},
                                    {"A54511-200804.TXT", "54511", "2008年04月"},
                                    {"A57036-200807.TXT", "57036", "2008年07月"},
                                    {"A58362-200709.TXT", "58362", "2007年09月"}};
    for (int r = 0; r < 5; ++r)
      for (int c = 0; c < 3; ++c) QCOMPARE(Cell("grdFileList", r, c + 1), expected[r][c]);
    QCOMPARE(Cell("grdFileList", 5, 1), "");
    QCOMPARE(Status(), "文件读取结束,请选择需要转换的文件和要素！");
    QVERIFY(Find("cmdConfrim")->isEnabled());
  }

  void scanEmptyFolder() {
    QTemporaryDir dir;
    Scan(dir.path());
    QCOMPARE(Find<GridView>("grdFileList")->model()->rowCount(), 18);
    QCOMPARE(Cell("grdFileList", 0, 1), "");
    QCOMPARE(Status(), "所选路径下没有需要的文件存在！");
    QVERIFY(!Find("cmdConfrim")->isEnabled());
  }

  void stopMessages_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("buttons");
    QTest::newRow("no name") << ""
                             << "请输入保存为EXCEL格式的文件名!"
                             << "请输入保存为EXCEL格式的文件名！"
                             << int(quillon::MessageIcon::Error)
                             << int(quillon::MessageButtons::Ok);
    QTest::newRow("no element") << "a.xls"
                                << "请选择需要转存到EXCEL格式文件中的要素!"
                                << "请选择需要转存到EXCEL格式文件中的要素!"
                                << int(quillon::MessageIcon::None)
                                << int(quillon::MessageButtons::OkCancel);
  }
  void stopMessages() {
    QFETCH(QString, name);
    QTemporaryDir dir;
    CopySamples(dir);
    Scan(dir.path());
    Find<QLineEdit>("txtDestination0")->setText(name);
    QTest::mouseClick(Find("cmdConfrim"), Qt::LeftButton);
    QTRY_VERIFY(!window->IsRunning());
    QCOMPARE(boxes.size(), size_t(1));
    QTEST(boxes[0].text, "text");
    QCOMPARE(boxes[0].title, "提示");
    QTEST(int(boxes[0].icon), "icon");
    QTEST(int(boxes[0].buttons), "buttons");
    QTEST(Status(), "status");
    QVERIFY(Find("txtFilePath")->isEnabled());
  }

  void wholeRun() {
    QTemporaryDir dir;
    CopySamples(dir);
    Scan(dir.path());
    ClickHeading("grdFileList", 0, 4);
    ClickHeading("grdSelectElement", 1, 2);
    ClickHeading("grdSelectElement", 1, 3);
    Find<QLineEdit>("txtDestination0")->setText("时记录.xls");
    Find<QLineEdit>("txtDestination1")->setText("日月统计值.xls");
    QTest::mouseClick(Find("cmdConfrim"), Qt::LeftButton);
    QVERIFY(window->IsRunning());
    for (const char* input :
         {"txtFilePath", "cmdexplorer", "grdFileList", "grdSelectElement", "txtDestination0",
          "txtDestination1", "cboFormat", "chkNumbers", "cmdConfrim"})
      QVERIFY2(!Find(input)->isEnabled(), input);
    int beats = 0;  // the window's event loop goes on while the files are converted
    QTimer beat;
    connect(&beat, &QTimer::timeout, [&] { beats += window->IsRunning(); });
    beat.start(1);
    QTRY_VERIFY_WITH_TIMEOUT(!window->IsRunning(), 120000);
    QVERIFY(beats > 0);
    QCOMPARE(Find<QProgressBar>("prgFiles")->maximum(), 4);
    QVERIFY(!Find("prgFiles")->isVisible());
    QVERIFY(boxes.empty());
    QCOMPARE(Status(), "完成全部文件的转换!");
    QCOMPARE(Ticked("grdFileList", 4), 0);
    QVERIFY(Find("txtFilePath")->isEnabled() && Find("cmdConfrim")->isEnabled());

    QProcess xlrd;
    xlrd.start("/usr/bin/python3", {"-c",
                                    "import sys, xlrd\n"
                                    "for p in sys.argv[1:]:\n"
                                    "  s = xlrd.open_workbook(p).sheet_by_index(0)\n"
                                    "  print(s.nrows, s.cell_value(0, 1))\n",
                                    dir.filePath("时记录.xls"), dir.filePath("日月统计值.xls")});
    QVERIFY(xlrd.waitForFinished(60000));
    QCOMPARE(xlrd.exitCode(), 0);
    QStringList lines = QString::fromUtf8(xlrd.readAllStandardOutput()).split('\n');
    QCOMPARE(lines[0], "2905 本站气压");  // 121 days of 24 hours under the heading row
    QVERIFY(lines[1].endsWith("本站气压"));
  }

  // A workbook that cannot take its name (a folder stands there) holds the
  // run's rows nowhere: the files' ticks come back for the next press.
  void unsavedBookKeepsTheTicks() {
    QTemporaryDir dir;
    CopySamples(dir);
    QVERIFY(QDir(dir.path()).mkdir("时记录.xls"));
    Scan(dir.path());
    ClickHeading("grdFileList", 0, 4);
    ClickHeading("grdSelectElement", 1, 2);
    Find<QLineEdit>("txtDestination0")->setText("时记录.xls");
    QTest::mouseClick(Find("cmdConfrim"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!window->IsRunning(), 120000);
    QCOMPARE(boxes.size(), size_t{1});
    QVERIFY(boxes[0].text.startsWith("无法保存"));
    QCOMPARE(Ticked("grdFileList", 4), 4);
  }

  // The run's reports reach the window through its event loop: a consumed
  // tick as soon as the run repaints its list, and each file's number.
  void runBridge() {
    quillon::Grid files;
    quillon::SetupFileListGrid(files);
    files.SetCellText(2, quillon::kFileTickColumn, "1");
    files.SetCellText(3, quillon::kFileTickColumn, "1");
    std::vector<std::pair<int, bool>> ticks;
    std::vector<QString> shown;
    RunDisplay display{[&](const QString& s) { shown.push_back(s); },
                       {},
                       {},
                       [&](int row, bool on) {
                         ticks.push_back({row, on});
                       },
                       [&](int k, int n) { shown.push_back(QString("%1/%2").arg(k).arg(n)); }};
    ThreadedReporter reporter(this, display, files);
    reporter.FileStarting(1, 2);
    reporter.SetStatus("a");
    files.SetCellText(3, quillon::kFileTickColumn, "");
    reporter.RepaintFileList();
    reporter.RepaintFileList();               // nothing new
    QVERIFY(ticks.empty() && shown.empty());  // nothing before the window's loop runs
    QCoreApplication::processEvents();
    QCOMPARE(ticks, (std::vector<std::pair<int, bool>>{{3, false}}));
    QCOMPARE(shown, (std::vector<QString>{"1/2", "a"}));
  }

  void aboutButton_data() {
    QTest::addColumn<QPoint>("pos");  // pixels at 96 dpi: the button spans x 692-751, y 2-23
    QTest::addColumn<bool>("shown");
    QTest::newRow("left edge") << QPoint(692, 10) << false;
    QTest::newRow("inside left") << QPoint(693, 10) << true;
    QTest::newRow("inside right") << QPoint(750, 10) << true;
    QTest::newRow("right edge") << QPoint(751, 10) << false;
    QTest::newRow("top edge") << QPoint(720, 2) << false;
    QTest::newRow("inside top") << QPoint(720, 3) << true;
    QTest::newRow("inside bottom") << QPoint(720, 22) << true;
    QTest::newRow("bottom edge") << QPoint(720, 23) << false;
  }
  void aboutButton() {
    QFETCH(QPoint, pos);
    QFETCH(bool, shown);
    QWidget* about = Find("cmdAbout");
    about->setVisible(!shown);
    // Sent to the bare window's surface: over the element frame, which covers
    // most of the rectangle, the frame keeps the pointer's moves to itself.
    QMouseEvent move(QEvent::MouseMove, pos, Find("surface")->mapToGlobal(pos), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(Find("surface"), &move);
    QCOMPARE(about->isVisible(), shown);
  }

  void clock() {
    QDateTime at(QDate(2008, 3, 5), QTime(9, 5, 7));
    QCOMPARE(ClockText(at, QLocale(QLocale::Chinese, QLocale::China)),
             "2008年3月5日  周三 9时05分07秒");
    QCOMPARE(ClockText(at, QLocale(QLocale::English)), "2008年3月5日  Wed 9时05分07秒");
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
