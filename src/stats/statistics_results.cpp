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

void ClearStatistics(StatisticsResults& results) { results = StatisticsResults{}; }

}  // namespace quillon
