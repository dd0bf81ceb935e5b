// Carries what a conversion run reports from its worker thread to the window:
// everything the user sees is handed to the user-interface thread, so message
// boxes, the pointer and the widgets are only ever touched there.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "app/run_reporter.h"
#include "grid/grid.h"

namespace quillon::gui {

struct MessageRequest {
  QString text;
  QString title;
  MessageIcon icon = MessageIcon::None;
  MessageButtons buttons = MessageButtons::Ok;
};

// What the window does with each report; each is called on the window's thread.
struct RunDisplay {
  std::function<void(const QString&)> status;
  std::function<void(const MessageRequest&)> message;
  std::function<void(bool)> busy;
  std::function<void(int row, bool ticked)> fileTick;
  std::function<void(int number, int count)> progress;
};

class ThreadedReporter : public RunReporter {
 public:
  // runFiles: the file list the run works on, read only from the run's thread.
  ThreadedReporter(QObject* window, RunDisplay display, const Grid& runFiles);

  void SetStatus(const std::string& text) override;
  // Waits for the user's answer, as a message box does.
  void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon,
                   MessageButtons buttons) override;
  void SetBusy(bool busy) override;
  // Passes on the rows whose tick the run changed since the last repaint.
  void RepaintFileList() override;
  void FileStarting(int number, int count) override;

 private:
  void Post(std::function<void()> call);

  QObject* window_;
  RunDisplay display_;
  const Grid& runFiles_;
  std::vector<bool> ticked_;
};

}  // namespace quillon::gui
