#include "app/read_ahead.h"

#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <thread>

namespace quillon {
namespace {

// Every month comes back in list order and stays as read while the run holds
// it, however far the readers get ahead; the run pauses now and then so that
// they do get ahead. Missing files read fast, so the readers race the run.
TEST(ReadAhead, HandsBackEveryMonthInOrderAndLeavesTheHeldOneAlone) {
  std::vector<std::string> paths;
  for (int i = 0; i < 40; ++i) paths.push_back("/nonexistent/A54511-" + std::to_string(i) + ".TXT");
  for (int threads : {1, 2, 4}) {
    ReadAhead files(paths, true, ReadAheadWorkers(threads, paths.size()));
    for (size_t i = 0; i < paths.size(); ++i) {
      MonthFile& file = files.Next();
      if (i % 8 == 0) std::this_thread::sleep_for(std::chrono::milliseconds(2));
      EXPECT_EQ(file.data.Header.FilePath.value_or(""), paths[i]) << threads << " threads";
      EXPECT_FALSE(file.read.Ok());
    }
    EXPECT_THROW(files.Next(), std::out_of_range);
  }
}

}  // namespace
}  // namespace quillon
