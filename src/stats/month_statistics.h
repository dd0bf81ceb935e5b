// The statistics driver: which routine runs on which table, in which order.
#pragma once

#include "afile/month_data.h"
#include "stats/statistics_results.h"

namespace quillon {

// Fills the results from one station-month. False when a step met a fault
// (an index outside a table, a value that does not convert); the results
// written before the fault stay.
bool ComputeMonthStatistics(const MonthData& data, StatisticsResults& results);

}  // namespace quillon
