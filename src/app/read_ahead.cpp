#include "app/read_ahead.h"

#include <algorithm>

#include "afile/afile_reader.h"

namespace quillon {

int RunThreads(int threads) {
  if (threads > 0) return threads;
  return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

int ReadAheadWorkers(int threads, size_t files) {
  if (threads <= 1 || files <= 1) return 0;
  return static_cast<int>(std::min<size_t>(static_cast<size_t>(threads), files));
}

ReadAhead::ReadAhead(std::vector<std::string> paths, bool statsWanted, int workers)
    : paths_(std::move(paths)), statsWanted_(statsWanted) {
  // Two files in hand per worker keep every worker busy while the run fills;
  // more would only hold more months in memory.
  slots_.resize(workers > 0 ? static_cast<size_t>(workers) * 2 : 1);
  for (int i = 0; i < workers; ++i) workers_.emplace_back([this] { Work(); });
}

ReadAhead::~ReadAhead() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  freed_.notify_all();
  for (std::thread& t : workers_) t.join();
}

void ReadAhead::Read(Slot& slot, size_t index) {
  slot.index = index;
  slot.fault = nullptr;
  try {
    MonthData& data = slot.file.data;
    ResetMonthData(data);
    data.Header.FilePath = paths_[index];
    slot.file.read = ReadAFile(data);
    // A file that did not read is reported as such; its statistics are never used.
    if (statsWanted_ && slot.file.read.Ok()) {
      ClearStatistics(slot.file.results);
      ComputeMonthStatistics(data, slot.file.results);
    }
  } catch (...) {
    slot.fault = std::current_exception();
  }
}

void ReadAhead::Work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    // File i may go into its slot once the run has let go of file i - size.
    freed_.wait(lock, [this] {
      return stopping_ || nextToRead_ >= paths_.size() || nextToRead_ < taken_ + slots_.size() - 1;
    });
    if (stopping_ || nextToRead_ >= paths_.size()) return;
    size_t index = nextToRead_++;
    Slot& slot = slots_[index % slots_.size()];
    lock.unlock();
    Read(slot, index);
    lock.lock();
    slot.ready = true;
    ready_.notify_all();
  }
}

MonthFile& ReadAhead::Next() {
  if (taken_ >= paths_.size()) throw std::out_of_range("no A file is left to read");
  Slot* slot = &slots_[taken_ % slots_.size()];
  if (workers_.empty()) {
    Read(*slot, taken_++);
  } else {
    std::unique_lock lock(mutex_);
    // Asking for the next file lets go of the one before.
    if (taken_ > 0) slots_[(taken_ - 1) % slots_.size()].ready = false;
    freed_.notify_all();
    ready_.wait(lock, [&] { return slot->ready && slot->index == taken_; });
    ++taken_;
  }
  if (slot->fault) std::rethrow_exception(slot->fault);
  return slot->file;
}

}  // namespace quillon
