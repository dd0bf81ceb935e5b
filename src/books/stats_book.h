// The daily and monthly statistics workbook: per file one row per day and six
// month rows, columns for the elements ticked for statistics.
#pragma once

#include "afile/element_table.h"
#include "afile/month_data.h"
#include "grid/grid.h"
#include "stats/statistics_results.h"

namespace quillon {

// Prepares the workbook grid: the header row "年月日" and the column titles of
// the elements ticked in column 3 of the element list.
void SetupStatsGrid(Grid& book, const Grid& elementList);

// Appends the block of the file just read. The statistics are not computed
// yet, so no rows are added.
void WriteStatsBlock(Grid& book, const MonthData& data, const StatisticsResults& results,
                     ElementTable& scratch);

}  // namespace quillon
