// The statistics of one station-month, derived from the data store and
// written into the statistics workbook.
#pragma once

#include "afile/month_data.h"

namespace quillon {

// Daily, period and monthly results; all text, cleared before every file.
// The statistics themselves are not computed yet: the results stay empty.
struct StatisticsResults {};

// Empties every result before the next file.
void ClearStatistics(StatisticsResults& results);

// Fills the results from the store; false when the statistics stopped early.
bool ComputeMonthStatistics(const MonthData& data, StatisticsResults& results);

}  // namespace quillon
