#include "stats/month_statistics.h"

namespace quillon {

bool ComputeMonthStatistics(const MonthData&, StatisticsResults&) { return true; }

}  // namespace quillon
