#include "stats/statistics_results.h"

#include <stdexcept>

namespace quillon {

void ThrowOutsideCube(int i, int j, int k) {
  throw std::out_of_range("entry (" + std::to_string(i) + ", " + std::to_string(j) + ", " +
                          std::to_string(k) + ") outside the statistics table");
}

StatisticsResults::StatisticsResults() {
  DailyStats.Resize(kStatsDays, 1, kDailyStatsColumns);
  PeriodStats.Resize(kPeriodRows, 1, kPeriodStatsColumns);
  MonthExtremes.Resize(1, kMonthExtremeEntries);
  VisibilityCounts.Resize(4, 1, 5);
  PhenomenonDays.Resize(1, 25);
  WindSpeedStats.Resize(1, 26);
  SunshineStats.Resize(1, 3);
}

namespace {

void ClearTable(ElementTable& table) {
  for (int i = 1; i <= table.Days(); ++i)
    for (int j = table.FirstSlot(); j <= table.LastSlot(); ++j) table.At(i, j).clear();
}

void ClearList(TextList& list) {
  for (int i = list.First(); i <= list.Last(); ++i) list.At(i).clear();
}

}  // namespace

void ClearStatistics(StatisticsResults& results) {
  ClearTable(results.DailyStats);
  ClearTable(results.PeriodStats);
  ClearList(results.MonthExtremes);
  results.CloudDayCounts.Clear();
  ClearTable(results.VisibilityCounts);
  ClearList(results.PhenomenonDays);
  results.HourlyPrecipTotal.clear();
  results.WindFrequency.Clear();
  ClearList(results.WindSpeedStats);
  ClearList(results.SunshineStats);
}

}  // namespace quillon
