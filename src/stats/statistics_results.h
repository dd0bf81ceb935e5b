// The statistics of one station-month: daily, dekad, pentad and monthly
// values derived from the data store and written into the statistics workbook.
#pragma once

#include <array>
#include <string>

#include "afile/element_table.h"

namespace quillon {

// A three-dimensional text table with 1-based indices, bounds-checked like
// ElementTable: an index outside the table throws std::out_of_range.
template <int N1, int N2, int N3>
class TextCube {
 public:
  std::string& At(int i, int j, int k) { return cells_[IndexOf(i, j, k)]; }
  const std::string& At(int i, int j, int k) const { return cells_[IndexOf(i, j, k)]; }
  static bool Contains(int i, int j, int k) {
    return i >= 1 && i <= N1 && j >= 1 && j <= N2 && k >= 1 && k <= N3;
  }
  // Every cell back to "", keeping the cells' storage for the next file.
  void Clear() {
    for (std::string& cell : cells_) cell.clear();
  }

 private:
  static size_t IndexOf(int i, int j, int k);
  std::array<std::string, static_cast<size_t>(N1) * N2 * N3> cells_{};
};

[[noreturn]] void ThrowOutsideCube(int i, int j, int k);

template <int N1, int N2, int N3>
size_t TextCube<N1, N2, N3>::IndexOf(int i, int j, int k) {
  if (!Contains(i, j, k)) ThrowOutsideCube(i, j, k);
  return (static_cast<size_t>(i - 1) * N2 + static_cast<size_t>(j - 1)) * N3 +
         static_cast<size_t>(k - 1);
}

// Sizes: every index the statistics and the workbook use fits.
inline constexpr int kStatsDays = 31;
inline constexpr int kDailyStatsColumns = 45;
inline constexpr int kPeriodRows = 4;  // dekads 1..3, row 4 the month
inline constexpr int kPeriodStatsColumns = 500;
inline constexpr int kMonthExtremeEntries = 100;

// All text in the A file's integer units; "" nothing in the file, "-" missing.
// Cleared to "" before every file.
struct StatisticsResults {
  StatisticsResults();

  ElementTable DailyStats;   // [day 1..31][column]: daily means and totals
  ElementTable PeriodStats;  // [row 1..4][column]: dekad and month means and totals
  TextList MonthExtremes;    // [1..]: monthly extremes with their days, pentads, spells, wind
  TextCube<2, 5, 3> CloudDayCounts;   // [layer 1 total, 2 low][time 1..5][class 1..3]
  ElementTable VisibilityCounts;      // [time 1..4][class 1..5]
  TextList PhenomenonDays;            // [1..25]: days with each weather phenomenon
  std::string HourlyPrecipTotal;      // the month's total of hourly precipitation
  TextCube<28, 17, 3> WindFrequency;  // [column 1..28][direction 1..17][kind 1..3]
  TextList WindSpeedStats;            // [1..26]: monthly means of 10-minute wind by hour
  TextList SunshineStats;             // [1..3]: days >= 60 %, days <= 20 %, the month's percentage
};

// Empties every result before the next file, in place: no cell is
// allocated anew.
void ClearStatistics(StatisticsResults& results);

}  // namespace quillon
