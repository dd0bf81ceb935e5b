// Flushing a growing workbook on a thread of its own.
#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>

#include "grid/xls/early_flush.h"
#include "support/temp_folder.h"

namespace quillon::xls {
namespace {

TEST(EarlyFlush, TellsTheFirstFailedFlushWhenStopped) {
  test::TempFolder folder;
  std::string file = (folder.Path() / "book.tmp").string();
  int pipeEnds[2];
  ASSERT_EQ(::pipe(pipeEnds), 0);
  struct Case {
    int fd;
    int error;  // what Stop tells
  };
  // A pipe cannot be flushed: the failure must reach the save, which would
  // not see it again in its own flush.
  for (Case c :
       {Case{::open(file.c_str(), O_WRONLY | O_CREAT, 0644), 0}, Case{pipeEnds[1], EINVAL}}) {
    ASSERT_GE(c.fd, 0);
    EarlyFlush flush(c.fd);
    for (uint64_t written = 1; written <= 3; ++written) flush.Written(written << 22);
    // Stopping flushes what waits; a second stop tells the same.
    EXPECT_EQ(flush.Stop(), c.error);
    EXPECT_EQ(flush.Stop(), c.error);
    ::close(c.fd);
  }
  ::close(pipeEnds[0]);
}

}  // namespace
}  // namespace quillon::xls
