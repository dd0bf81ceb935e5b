// Feeds arbitrary bytes through everything one A file goes through in a
// conversion: the header, the sections, the decoders, the statistics and the
// blocks of both workbooks, into grids held in memory. A fault the run
// reports (ReadOk false, an exception from a block) is a good answer; a
// crash, a sanitizer report or an exception escaping is not.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>

#include "afile/afile_reader.h"
#include "afile/line_source.h"
#include "app/element_list.h"
#include "books/hourly_book.h"
#include "books/stats_book.h"
#include "stats/month_statistics.h"

namespace {

using namespace quillon;

// Every element ticked for both workbooks, as a run that wants everything.
const Grid& AllElements() {
  static Grid* elements = [] {
    auto* g = new Grid;
    SetupElementGrid(*g);
    ToggleElementColumn(*g, 1, kTimedRecordColumn);
    ToggleElementColumn(*g, 1, kStatisticsColumn);
    return g;
  }();
  return *elements;
}

struct State {
  MonthData data;
  StatisticsResults results;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  static State* state = new State;  // as large as a run's, and reused as a run reuses it
  MonthData& data = state->data;
  ResetMonthData(data);
  data.Header.FilePath = "A54511-200801.TXT";
  LineSource lines(std::string(reinterpret_cast<const char*>(bytes), size));
  Status read = ReadAFileLines(lines, data);
  ClearStatistics(state->results);
  ComputeMonthStatistics(data, state->results);
  if (!read.Ok()) return 0;
  Grid hourly, stats;
  ElementTable scratch = MakeScratchTable();
  SetupHourlyGrid(hourly, AllElements());
  SetupStatsGrid(stats, AllElements());
  try {
    WriteHourlyBlock(hourly, data, scratch);
    WriteStatsBlock(stats, data, state->results, scratch);
  } catch (const std::exception&) {
    // The run takes the block back and names the file; nothing more to check.
  }
  return 0;
}
