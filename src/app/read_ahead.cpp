#include "app/read_ahead.h"

#include <algorithm>

#include "afile/afile_reader.h"
#include "afile/line_source.h"

namespace quillon {

int RunThreads(int threads) {
  if (threads > 0) return threads;
  return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

int ReadAheadWorkers(int threads, size_t files) {
  if (threads <= 1 || files <= 1) return 0;
  return static_cast<int>(std::min<size_t>(static_cast<size_t>(threads - 1), files - 1));
}

ReadAhead::ReadAhead(std::vector<std::string> paths, bool statsWanted, int workers)
    : paths_(std::move(paths)), statsWanted_(statsWanted) {
  // A file in hand per reading thread and two more waiting keep every thread
  // busy while the run fills; more would only hold more months in memory,
  // so past a few threads the waiting room stops growing.
  size_t readers = static_cast<size_t>(workers) + 1;
  slots_.resize(workers > 0 ? readers + std::min<size_t>(2 * readers, 16) : 1);
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

bool ReadAhead::CanReadNext() const {
  // File i may go into its slot once the run has let go of file i - size.
  return nextToRead_ < paths_.size() && nextToRead_ < letGo_ + slots_.size();
}

void ReadAhead::ReadNext(std::unique_lock<std::mutex>& lock) {
  size_t index = nextToRead_++;
  Slot& slot = slots_[index % slots_.size()];
  // The disk reads the next files while this one is decoded: an archive
  // not read for years then costs the run little more than one in memory.
  constexpr size_t kFilesAhead = 8;
  size_t prefetchFrom = prefetched_;
  prefetched_ = std::max(prefetched_, std::min(paths_.size(), index + 1 + kFilesAhead));
  size_t prefetchTo = prefetched_;
  lock.unlock();
  for (size_t i = prefetchFrom; i < prefetchTo; ++i) PrefetchFile(paths_[i]);
  Read(slot, index);
  lock.lock();
  slot.ready = true;
}

void ReadAhead::Work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    freed_.wait(lock,
                [this] { return stopping_ || nextToRead_ >= paths_.size() || CanReadNext(); });
    if (stopping_ || nextToRead_ >= paths_.size()) return;
    ReadNext(lock);
    ready_.notify_one();
  }
}

MonthFile& ReadAhead::Next() {
  if (taken_ >= paths_.size()) throw std::out_of_range("no A file is left to read");
  Slot& slot = slots_[taken_ % slots_.size()];
  {
    std::unique_lock lock(mutex_);
    // Asking for the next file lets go of the one before.
    if (taken_ > letGo_) {
      slots_[(taken_ - 1) % slots_.size()].ready = false;
      letGo_ = taken_;
      freed_.notify_one();
    }
    while (!(slot.ready && slot.index == taken_)) {
      if (CanReadNext())
        ReadNext(lock);
      else
        ready_.wait(lock);
    }
    ++taken_;
  }
  if (slot.fault) std::rethrow_exception(slot.fault);
  return slot.file;
}

}  // namespace quillon
