// The timed-record workbook: one row per observation hour of every day of
// every converted file, one column per ticked element.
#pragma once

#include "afile/element_table.h"
#include "afile/month_data.h"
#include "grid/grid.h"

namespace quillon {

// The run's scratch table, days 1..31 x slots 1..24, for the columns that are
// rearranged from a table rather than copied (timed rain).
ElementTable MakeScratchTable();

// Prepares the workbook grid: the header row "年月日时" and the names of the
// elements ticked for timed records in column 2 of the element list.
void SetupHourlyGrid(Grid& book, const Grid& elementList);

// Appends 24 x days rows for the file just read: the time labels and every
// element column. Fills TableW slots 1..24 when the weather column is shown.
void WriteHourlyBlock(Grid& book, MonthData& data, ElementTable& scratch);

// Writes one table into one column of the block starting at firstRow: every
// hour from a table of 24 or more slots, the 02/08/14/20 rows from a
// four-time table, the 14 h row from a one-value table.
void WriteElementColumn(Grid& book, const ElementTable& table, int days, int firstRow, int column);

// "2008010121 21"-style label: year, month, day "00", a blank, hour "00".
std::string HourLabel(std::string_view year, std::string_view month, int day, int hour);

}  // namespace quillon
