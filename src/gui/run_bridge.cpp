#include "gui/run_bridge.h"

#include <QMetaObject>

#include "app/file_list.h"

namespace quillon::gui {
namespace {

std::vector<bool> TicksOf(const Grid& files) {
  std::vector<bool> ticks(static_cast<size_t>(files.Rows()), false);
  for (int r = 1; r < files.Rows(); ++r)
    ticks[static_cast<size_t>(r)] = !files.CellText(r, kFileTickColumn).empty();
  return ticks;
}

}  // namespace

ThreadedReporter::ThreadedReporter(QObject* window, RunDisplay display, const Grid& runFiles)
    : window_(window),
      display_(std::move(display)),
      runFiles_(runFiles),
      ticked_(TicksOf(runFiles)) {}

void ThreadedReporter::Post(std::function<void()> call) {
  QMetaObject::invokeMethod(window_, std::move(call), Qt::QueuedConnection);
}

void ThreadedReporter::SetStatus(const std::string& text) {
  Post([f = display_.status, t = QString::fromStdString(text)] { f(t); });
}

void ThreadedReporter::ShowMessage(const std::string& text, const std::string& title,
                                   MessageIcon icon, MessageButtons buttons) {
  MessageRequest request{QString::fromStdString(text), QString::fromStdString(title), icon,
                         buttons};
  QMetaObject::invokeMethod(
      window_, [this, &request] { display_.message(request); }, Qt::BlockingQueuedConnection);
}

void ThreadedReporter::SetBusy(bool busy) {
  Post([f = display_.busy, busy] { f(busy); });
}

void ThreadedReporter::RepaintFileList() {
  std::vector<bool> now = TicksOf(runFiles_);
  for (size_t r = 1; r < now.size() && r < ticked_.size(); ++r)
    if (now[r] != ticked_[r])
      Post([f = display_.fileTick, row = int(r), on = bool(now[r])] { f(row, on); });
  ticked_ = std::move(now);
}

void ThreadedReporter::FileStarting(int number, int count) {
  Post([f = display_.progress, number, count] { f(number, count); });
}

}  // namespace quillon::gui
