// The count, precipitation, wind, phenomenon, sunshine and icing statistics
// of one hourly station-month (the bundled reference-station sample), in the
// order the statistics of a file run them.
#include <benchmark/benchmark.h>

#include <string>

#include "afile/afile_reader.h"
#include "afile/month_data.h"
#include "stats/class_counts.h"
#include "stats/phenomenon_days.h"
#include "stats/precipitation.h"
#include "stats/sunshine.h"
#include "stats/wind_extremes.h"
#include "stats/wind_frequency.h"
#include "stats/wire_icing.h"

namespace quillon {
namespace {

const MonthData& Sample() {
  static MonthData data = [] {
    MonthData d;
    ResetMonthData(d);
    d.Header.FilePath = std::string(QUILLON_SAMPLES_DIR) + "/A54511-200803.TXT";
    (void)ReadAFile(d);
    return d;
  }();
  return data;
}

void CountsOfAnHourlyMonth(benchmark::State& state) {
  const MonthData& d = Sample();
  if (!d.Header.ReadOk) {
    state.SkipWithError("sample not read");
    return;
  }
  int days = *d.Header.DaysInMonth;
  StatisticsResults r;
  r.PeriodStats.At(4, 458) = "2050";
  for (auto _ : state) {
    CloudClassDays(days, d.TableN, r.DailyStats, r.CloudDayCounts, 1);
    CloudClassDays(days, d.TableN2, r.DailyStats, r.CloudDayCounts, 2);
    VisibilityClassCounts(days, d.TableV, r.VisibilityCounts);
    PrecipitationStatistics(d.Header, d.TableR, d.TableR4, r.DailyStats, r.PeriodStats,
                            r.MonthExtremes);
    PhenomenonDayCounts(days, d.TableW, r.DailyStats, r.PhenomenonDays);
    HourlyPrecipitationTotals(days, d.TableR2, r.DailyStats, r.HourlyPrecipTotal);
    RecordedWindSpeedMeans(days, d.TableF2, r.DailyStats, r.WindSpeedStats);
    MonthWindExtreme(days, d.TableF3, r.MonthExtremes, 1);
    MonthWindExtreme(days, d.TableF3, r.MonthExtremes, 3);
    WireIcingMaximum(days, d.TableG, r.MonthExtremes, 4);
    WireIcingMaximum(days, d.TableG, r.MonthExtremes, 7);
    ObservedWindMaximum(days, d.TableF, r.MonthExtremes);
    WindDirectionFrequencies(days, d.TableF, r.WindFrequency, r.MonthExtremes);
    SunshinePercentages(days, d.TableS, d.Header, r.PeriodStats, r.SunshineStats);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(CountsOfAnHourlyMonth)->Unit(benchmark::kMicrosecond);

// One family at a time, to see where the time goes.
template <typename Routine>
void OneFamily(benchmark::State& state, Routine routine) {
  const MonthData& d = Sample();
  StatisticsResults r;
  r.PeriodStats.At(4, 458) = "2050";
  for (auto _ : state) {
    routine(d, *d.Header.DaysInMonth, r);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK_CAPTURE(OneFamily, Classes, [](const MonthData& d, int days, StatisticsResults& r) {
  CloudClassDays(days, d.TableN, r.DailyStats, r.CloudDayCounts, 1);
  CloudClassDays(days, d.TableN2, r.DailyStats, r.CloudDayCounts, 2);
  VisibilityClassCounts(days, d.TableV, r.VisibilityCounts);
})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(OneFamily, Precipitation, [](const MonthData& d, int days, StatisticsResults& r) {
  PrecipitationStatistics(d.Header, d.TableR, d.TableR4, r.DailyStats, r.PeriodStats,
                          r.MonthExtremes);
  HourlyPrecipitationTotals(days, d.TableR2, r.DailyStats, r.HourlyPrecipTotal);
})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(OneFamily, TenMinuteWind, [](const MonthData& d, int days, StatisticsResults& r) {
  RecordedWindSpeedMeans(days, d.TableF2, r.DailyStats, r.WindSpeedStats);
})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(OneFamily, WindFrequencies,
                  [](const MonthData& d, int days, StatisticsResults& r) {
                    WindDirectionFrequencies(days, d.TableF, r.WindFrequency, r.MonthExtremes);
                  })
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(OneFamily, Others, [](const MonthData& d, int days, StatisticsResults& r) {
  PhenomenonDayCounts(days, d.TableW, r.DailyStats, r.PhenomenonDays);
  MonthWindExtreme(days, d.TableF3, r.MonthExtremes, 1);
  ObservedWindMaximum(days, d.TableF, r.MonthExtremes);
  WireIcingMaximum(days, d.TableG, r.MonthExtremes, 4);
  SunshinePercentages(days, d.TableS, d.Header, r.PeriodStats, r.SunshineStats);
})->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillon

BENCHMARK_MAIN();
