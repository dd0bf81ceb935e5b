// The daily and monthly statistics workbook: per file one row per day and six
// month rows, columns for the elements ticked for statistics.
#pragma once

#include <string>
#include <string_view>

#include "afile/element_table.h"
#include "afile/month_data.h"
#include "grid/grid.h"
#include "stats/statistics_results.h"

namespace quillon {

// Prepares the workbook grid: the header row "年月日" and the column titles of
// the elements ticked in column 3 of the element list.
void SetupStatsGrid(Grid& book, const Grid& elementList);

// Appends the block of the file just read: days + 6 rows, the day rows
// labelled year, month and day ("20080301"), then "2008年03月合计",
// "...月平均", "...月最高(大)", "...月最高(大)出现时间", "...月最低(小)" and
// "...月最低(小)出现时间". scratch is the run's table for derived columns.
void WriteStatsBlock(Grid& book, const MonthData& data, const StatisticsResults& results,
                     ElementTable& scratch);

// Which month mean a column shows: that of an hourly element (its table has
// more than 23 slots) or of a four-time one; 0 for none.
struct MonthMeanColumns {
  int hourly = 0;
  int fourTimes = 0;
};

// Writes the day rows of one column of the block at firstRow from
// values(d, valueColumn) ("" where values has no such cell), and its
// month-mean row from row 4 of periodStats, chosen by the width of bound.
void WriteStatsColumn(Grid& book, const ElementTable& bound, const ElementTable& values,
                      int valueColumn, const ElementTable& periodStats, MonthMeanColumns monthMean,
                      int days, int firstRow, int column);

}  // namespace quillon
