// The readings of a month counted by period: a column's dekads (days 1-10,
// 11-20, 21 to the month's end) and month, and for an hourly table each
// day's four main times and 24 hours in one pass.
#pragma once

#include <algorithm>

#include "afile/element_table.h"
#include "stats/reading_tally.h"

namespace quillon {

inline constexpr int kHours = 24;
inline constexpr int kLongestMonth = 31;
inline constexpr int kMonthRow = 4;          // period rows 1..3 are the dekads
inline constexpr int kMonthMissingDays = 6;  // the most a monthly mean may lack
inline constexpr int kDekadMissingDays = 2;

// Dekad index 0..2 of a day; the third dekad runs to the month's end.
inline int DekadOf(int day) { return std::min((day - 1) / 10, 2); }

inline bool IsMainHour(int slot) { return slot % 6 == 0; }  // 02, 08, 14 and 20 h

// The readings of one column counted by period row.
struct PeriodTallies {
  ReadingTally rows[kMonthRow];

  void Add(int day, const Reading& reading) { AddInDekad(DekadOf(day), reading); }
  void AddInDekad(int dekad, const Reading& reading) {
    rows[dekad].Add(reading);
    rows[kMonthRow - 1].Add(reading);
  }
  const ReadingTally& Row(int row) const { return rows[row - 1]; }

  // Means (or totals) into rows 1..4 of column target; a dekad may lack 2
  // days, the month 6.
  void Write(int days, ElementTable& periodStats, int target, std::string_view letter,
             bool total) const;
};

// An hourly month counted: by day (1..31) and by hour slot (1..24).
struct HourTallies {
  ReadingTally fourTimes[kLongestMonth + 1], allHours[kLongestMonth + 1];
  PeriodTallies hours[kHours + 1];
};

// Counts slots 1..24 of days 1..days when every reading is a whole number
// small enough that no sum of 31 can leave 32 bits, as nearly every month's
// are: nothing then needs checking as it is added. False when a reading is
// not, or the table is short of the month; the caller then takes its
// checked way, which stops where a sum leaves the range.
bool CountSmallHours(int days, const ElementTable& table, bool wind, HourTallies& month);

}  // namespace quillon
