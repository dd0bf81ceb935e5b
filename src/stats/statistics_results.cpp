#include "stats/statistics_results.h"

namespace quillon {

void ClearStatistics(StatisticsResults& results) { results = StatisticsResults{}; }

bool ComputeMonthStatistics(const MonthData&, StatisticsResults&) { return true; }

}  // namespace quillon
