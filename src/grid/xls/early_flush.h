// A file's bytes flushed to the disk while more are still being written.
// On a disk whose cache is made safe only by a flush, the flush before a
// workbook takes its place would otherwise wait for every byte at once; here
// a thread of its own flushes each few megabytes as they come, and the last
// flush waits for little more than the last part.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

namespace quillon::xls {

class EarlyFlush {
 public:
  // Flushes fd, which must stay open until Stop.
  explicit EarlyFlush(int fd);
  ~EarlyFlush();
  EarlyFlush(const EarlyFlush&) = delete;
  EarlyFlush& operator=(const EarlyFlush&) = delete;

  // written bytes of the file are written so far.
  void Written(uint64_t written);
  // Flushes what waits, when a step's worth, and ends; returns the error
  // number of the first flush that failed, 0 when none did. Such an error is told once only, so
  // the caller's own flush would not see it again.
  int Stop();

 private:
  void Run();

  int fd_;
  std::mutex mutex_;
  std::condition_variable wake_;
  uint64_t written_ = 0;
  uint64_t flushed_ = 0;  // written when the last flush began
  bool stopping_ = false;
  int error_ = 0;
  std::thread thread_;
};

}  // namespace quillon::xls
