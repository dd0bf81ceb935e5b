// The statistics of one 31-day hourly station-month: the driver alone, and
// the clearing of the results that comes before it for every file.
//
// Run: build/bench/stats_bench
#include <benchmark/benchmark.h>

#include <filesystem>

#include "afile/afile_reader.h"
#include "stats/month_statistics.h"

namespace fs = std::filesystem;
using namespace quillon;

namespace {

// The bundled hourly reference-station month of 31 days with every section.
const MonthData& HourlyMonth() {
  static MonthData data = [] {
    MonthData d;
    ResetMonthData(d);
    d.Header.FilePath = (fs::path(QUILLON_SAMPLES_DIR) / "A54511-200803.TXT").string();
    (void)ReadAFile(d);
    return d;
  }();
  return data;
}

void BM_ComputeMonthStatistics(benchmark::State& state) {
  const MonthData& data = HourlyMonth();
  if (!data.Header.ReadOk || data.Header.DaysInMonth != 31) state.SkipWithError("sample not read");
  StatisticsResults results;
  for (auto _ : state) {
    bool ok = ComputeMonthStatistics(data, results);
    benchmark::DoNotOptimize(ok);
    if (!ok) state.SkipWithError("statistics stopped");
  }
}

void BM_ClearStatistics(benchmark::State& state) {
  StatisticsResults results;
  for (auto _ : state) {
    ClearStatistics(results);
    benchmark::ClobberMemory();
  }
}

}  // namespace

BENCHMARK(BM_ComputeMonthStatistics)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClearStatistics)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
