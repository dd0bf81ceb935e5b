// Daily means, per-observation-time means and dekad and monthly means or
// totals of one element, with fixed limits on how many missing readings a
// mean may lack.
//
// The element letter selects the scale and the format: "N" (cloud amount, in
// tenths of the sky) multiplies a mean by 10, so a cloud mean keeps one
// decimal in tenths; "U" (relative humidity) is written "0", every other
// element "00" (5 as 05, -5 as -05). In wind tables ("F") a cell holds
// direction and speed joined by "/"; only the speed behind the first "/" is
// read, for the sums and for the empty and missing tests alike.
#pragma once

#include <string>
#include <string_view>

#include "afile/element_table.h"

namespace quillon {

// Mean of n slots (4 or 24) of one day: "" when every slot is empty, "-" when
// every slot is empty or missing with at least one missing, or when more than
// 5 of 24 hours or any of 4 times are missing. n = 4 on a table of more than
// 23 slots reads the 02, 08, 14 and 20 h slots (6, 12, 18, 24).
std::string DailyMean(const ElementTable& table, int day, int n, std::string_view letter);

// Rows 1..3 (dekads: days 1-10, 11-20, 21 to the last day) and row 4 (the
// month) of one periodStats column from one table column over days 1..days.
// A dekad may lack 2 days, the month 6. With total the sum is written.
void PeriodMeans(int days, std::string_view letter, const ElementTable& table, int column,
                 ElementTable& periodStats, int target, bool total);

// The month's mean or total of one column alone (at most 6 missing days),
// always "00", factor 1, reading the text behind "/" when a cell holds one.
std::string MonthMean(int days, const ElementTable& table, int column, bool total);

// An hourly element: dailyStats m = the four-time daily mean, m + 1 = the
// 24-hour daily mean; periodStats s .. s + 23 = the means of each hour slot,
// s + 24 and s + 25 the period means of the two daily means. A day or period
// with missing hours takes its mean from the hours that were observed.
void ElementMeansHourly(int days, const ElementTable& table, ElementTable& dailyStats,
                        ElementTable& periodStats, int m, int s, std::string_view letter);
// The same with every sum checked against the 32-bit range as it grows, so a
// month stopped by a sum outside it keeps the days written before: the way
// ElementMeansHourly takes for a month with large or fractional readings.
void ElementMeansHourlyChecked(int days, const ElementTable& table, ElementTable& dailyStats,
                               ElementTable& periodStats, int m, int s, std::string_view letter);

// A four-time element: dailyStats m = the daily mean; periodStats s .. s + 3 =
// the means of the four times (the 02, 08, 14 and 20 h slots of an hourly
// table), s + 4 = the period mean of the daily mean, or the mean of the time
// means for a period with a missing time.
void ElementMeansFourTimes(int days, const ElementTable& table, ElementTable& dailyStats,
                           ElementTable& periodStats, int m, int s, std::string_view letter);

}  // namespace quillon
