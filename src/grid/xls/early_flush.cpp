#include "grid/xls/early_flush.h"

#include <unistd.h>

#include <cerrno>

namespace quillon::xls {
namespace {

// Fewer flushes cost less; smaller steps leave less for the last one, which
// the user waits for. A megabyte a step costs the run nothing measurable.
constexpr uint64_t kFlushStepBytes = uint64_t{1} << 20;

}  // namespace

EarlyFlush::EarlyFlush(int fd) : fd_(fd), thread_([this] { Run(); }) {}

EarlyFlush::~EarlyFlush() { Stop(); }

void EarlyFlush::Written(uint64_t written) {
  std::lock_guard lock(mutex_);
  written_ = written;
  if (written_ - flushed_ >= kFlushStepBytes) wake_.notify_one();
}

int EarlyFlush::Stop() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_one();
  if (thread_.joinable()) thread_.join();
  return error_;
}

void EarlyFlush::Run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return stopping_ || written_ - flushed_ >= kFlushStepBytes; });
    // A step's worth still waiting is flushed even when stopping: the last
    // flush would have it to do.
    if (written_ - flushed_ < kFlushStepBytes) return;
    flushed_ = written_;
    lock.unlock();
    int failed = ::fdatasync(fd_) == 0 ? 0 : errno;
    lock.lock();
    if (failed != 0 && error_ == 0) error_ = failed;
  }
}

}  // namespace quillon::xls
