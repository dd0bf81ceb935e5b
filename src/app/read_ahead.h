// Reading ahead: the ticked A files are read, decoded and their statistics
// computed on worker threads while the run fills the workbooks with the files
// before them. The run takes the files back strictly in list order, so the
// workbooks and the status texts come out as from one thread. A run whose
// next file is not ready yet reads a later one itself rather than wait: a
// waiting thread leaves its core idle, and waking it costs more than a file.
#pragma once

#include <condition_variable>
#include <exception>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "afile/month_data.h"
#include "stats/month_statistics.h"
#include "util/result.h"

namespace quillon {

// One A file as the run takes it: read, and with its statistics when wanted.
struct MonthFile {
  MonthData data;
  StatisticsResults results;
  Status read = Done();
};

class ReadAhead {
 public:
  // workers 0: each file is read on the caller's thread when it is asked for.
  ReadAhead(std::vector<std::string> paths, bool statsWanted, int workers);
  ~ReadAhead();
  ReadAhead(const ReadAhead&) = delete;
  ReadAhead& operator=(const ReadAhead&) = delete;

  // The next file of the list, read; it stays valid until the next call.
  // What went wrong on a worker outside the reader's own checks (memory)
  // is thrown here, as it would have been on one thread.
  MonthFile& Next();

 private:
  struct Slot {
    MonthFile file;
    size_t index = 0;
    bool ready = false;
    std::exception_ptr fault;
  };

  void Work();
  void Read(Slot& slot, size_t index);
  // True when file nextToRead_ exists and its slot is free. Under mutex_.
  bool CanReadNext() const;
  // Reads file nextToRead_ and marks it ready; called and returns with lock held.
  void ReadNext(std::unique_lock<std::mutex>& lock);

  std::vector<std::string> paths_;
  bool statsWanted_;
  std::vector<Slot> slots_;  // file i is read into slot i % size
  std::mutex mutex_;
  std::condition_variable ready_;  // a slot was filled (only the run waits on it)
  std::condition_variable freed_;  // the run let go of a slot, or the end came
  size_t nextToRead_ = 0;
  size_t taken_ = 0;       // files handed to the run
  size_t letGo_ = 0;       // files the run is done with: their slots are free
  size_t prefetched_ = 0;  // files the disk was asked to read ahead
  bool stopping_ = false;
  std::vector<std::thread> workers_;
};

// The threads a run uses when asked for threads: 0 asks for one per
// processor core.
int RunThreads(int threads);
// The workers that read ahead: one per thread beside the run's own, which
// reads too; none on a single thread or for a single file.
int ReadAheadWorkers(int threads, size_t files);

}  // namespace quillon
