#include "stats/element_means.h"

#include <algorithm>
#include <vector>

#include "stats/reading_tally.h"
#include "util/number_text.h"

namespace quillon {
namespace {

constexpr int kHours = 24;
constexpr int kMonthRow = 4;
constexpr int kMonthMissingDays = 6;
constexpr int kDekadMissingDays = 2;

// Dekad index 0..2 of a day; the third runs to the month's end.
int DekadOf(int day) { return std::min((day - 1) / 10, 2); }

// Day count of dekad row 1..3.
int DekadDays(int row, int days) { return row < 3 ? 10 : days - 20; }

// Daily cloud means are already in tenths: their period means keep scale 1.
std::string_view DailyMeanLetter(std::string_view letter) { return letter == "N" ? "" : letter; }

bool IsEmptyOrMissing(std::string_view text) { return text.empty() || IsMissing(text); }

// Mean of n readings, reading k (1..n) given by at(k): the 02, 08, 14 and
// 20 h ones (6k) when n = 4 is taken from an hourly row.
template <class ReadingAt>
std::string MeanOf(ReadingAt at, int n, bool hourlyRow, std::string_view letter) {
  bool mainTimes = n == 4 && hourlyRow;
  ReadingTally tally;
  for (int k = 1; k <= n; ++k) tally.Add(at(mainTimes ? 6 * k : k));
  return TallyText(tally, n, n == kHours ? 5 : 0, letter, false);
}

// Mean of n slots of one row of a table, slot k read at offset + k.
std::string MeanOfSlots(const ElementTable& table, int row, int offset, int width, int n,
                        std::string_view letter) {
  auto at = [&](int k) { return ReadingOf(ReadingText(table.At(row, offset + k), letter)); };
  return MeanOf(at, n, width > 23, letter);
}

// Rows 1..4 of one period column from the readings at(d) of days 1..days.
template <class ReadingAt>
void WritePeriods(int days, ReadingAt at, ElementTable& periodStats, int target,
                  std::string_view letter, bool total) {
  ReadingTally month, dekad[3];
  for (int d = 1; d <= days; ++d) {
    Reading reading = at(d);
    month.Add(reading);
    dekad[DekadOf(d)].Add(reading);
  }
  periodStats.At(kMonthRow, target) = TallyText(month, days, kMonthMissingDays, letter, total);
  for (int row = 1; row <= 3; ++row)
    periodStats.At(row, target) =
        TallyText(dekad[row - 1], DekadDays(row, days), kDekadMissingDays, letter, total);
}

// The readings of hour slots 1..24 of days 1..days, read once: an hourly
// element counts each in its day, its hour and its period.
class HourGrid {
 public:
  HourGrid(const ElementTable& table, int days, std::string_view letter) {
    bool wind = letter == "F";
    readings_.reserve(static_cast<size_t>(days) * kHours);
    for (int d = 1; d <= days; ++d)
      for (int s = 1; s <= kHours; ++s)
        readings_.push_back(ReadingOf(ReadingText(table.At(d, s), wind)));
  }
  const Reading& At(int day, int slot) const {
    return readings_.at(static_cast<size_t>(day - 1) * kHours + static_cast<size_t>(slot - 1));
  }

 private:
  std::vector<Reading> readings_;
};

// Missing readings per period row (0..2 dekads, 3 the month) and hour slot.
struct MissingCounts {
  int count[kMonthRow][kHours + 1] = {};

  // Counts the day's missing hours; true when it has one.
  bool AddDay(const HourGrid& grid, int day) {
    bool any = false;
    for (int i = 1; i <= kHours; ++i) {
      if (grid.At(day, i).kind != Reading::kMissing) continue;
      ++count[DekadOf(day)][i];
      ++count[kMonthRow - 1][i];
      any = true;
    }
    return any;
  }
  int MainTimes(int row) const {
    const int* c = count[row - 1];
    return c[6] + c[12] + c[18] + c[24];
  }
  int AllHours(int row) const {
    const int* c = count[row - 1];
    int sum = 0;
    for (int i = 1; i <= kHours; ++i) sum += c[i];
    return sum;
  }
};

// A day with a missing hour takes its four-time mean as its daily mean; when
// a main time is missing, the mean of the other hours stands for both.
void FillMissingHourDay(std::string& fourTimes, std::string& allHours) {
  if (IsEmptyOrMissing(fourTimes) && IsNumeric(allHours))
    fourTimes = allHours;
  else
    allHours = fourTimes;
}

// A period with missing hours is better described by the mean of its hour
// means than by the mean of its complete days.
void CorrectForMissingHours(const MissingCounts& missing, ElementTable& periodStats, int s,
                            std::string_view letter) {
  for (int row = 1; row <= kMonthRow; ++row) {
    if (missing.MainTimes(row) > 0)
      periodStats.At(row, s + 24) = MeanOfSlots(periodStats, row, s - 1, kHours, 4, letter);
    if (missing.AllHours(row) > 0)
      periodStats.At(row, s + 25) = MeanOfSlots(periodStats, row, s - 1, kHours, kHours, letter);
    std::string& allHours = periodStats.At(row, s + 25);
    const std::string& fourTimes = periodStats.At(row, s + 24);
    if (IsMissing(allHours) && !IsEmptyOrMissing(fourTimes)) allHours = fourTimes;
  }
}

}  // namespace

std::string DailyMean(const ElementTable& table, int day, int n, std::string_view letter) {
  return MeanOfSlots(table, day, 0, table.LastSlot(), n, letter);
}

void PeriodMeans(int days, std::string_view letter, const ElementTable& table, int column,
                 ElementTable& periodStats, int target, bool total) {
  auto at = [&](int d) { return ReadingOf(ReadingText(table.At(d, column), letter)); };
  WritePeriods(days, at, periodStats, target, letter, total);
}

std::string MonthMean(int days, const ElementTable& table, int column, bool total) {
  ReadingTally month;
  for (int d = 1; d <= days; ++d) month.Add(ReadingText(table.At(d, column), "F"));
  return TallyText(month, days, kMonthMissingDays, "", total);
}

void ElementMeansHourly(int days, const ElementTable& table, ElementTable& dailyStats,
                        ElementTable& periodStats, int m, int s, std::string_view letter) {
  HourGrid grid(table, days, letter);
  MissingCounts missing;
  for (int d = 1; d <= days; ++d) {
    auto hour = [&](int k) -> const Reading& { return grid.At(d, k); };
    std::string& fourTimes = dailyStats.At(d, m);
    std::string& allHours = dailyStats.At(d, m + 1);
    fourTimes = MeanOf(hour, 4, true, letter);
    allHours = MeanOf(hour, kHours, true, letter);
    if (missing.AddDay(grid, d)) FillMissingHourDay(fourTimes, allHours);
  }
  for (int i = 1; i <= kHours; ++i) {
    auto day = [&](int d) -> const Reading& { return grid.At(d, i); };
    WritePeriods(days, day, periodStats, s + i - 1, letter, false);
  }
  std::string_view dailyLetter = DailyMeanLetter(letter);
  PeriodMeans(days, dailyLetter, dailyStats, m, periodStats, s + 24, false);
  PeriodMeans(days, dailyLetter, dailyStats, m + 1, periodStats, s + 25, false);
  CorrectForMissingHours(missing, periodStats, s, dailyLetter);
}

void ElementMeansFourTimes(int days, const ElementTable& table, ElementTable& dailyStats,
                           ElementTable& periodStats, int m, int s, std::string_view letter) {
  // An hourly table keeps its four main observations in the 02, 08, 14 and
  // 20 h slots: the time means read the slots the daily mean reads.
  bool hourlyTable = table.LastSlot() > 23;
  auto slotOfTime = [hourlyTable](int j) { return hourlyTable ? 6 * j : j; };
  int missing[kMonthRow] = {};  // missing readings of the four times per period row
  for (int d = 1; d <= days; ++d) {
    dailyStats.At(d, m) = DailyMean(table, d, 4, letter);
    for (int j = 1; j <= 4; ++j) {
      if (!IsMissing(ReadingText(table.At(d, slotOfTime(j)), letter))) continue;
      ++missing[DekadOf(d)];
      ++missing[kMonthRow - 1];
    }
  }
  for (int j = 1; j <= 4; ++j)
    PeriodMeans(days, letter, table, slotOfTime(j), periodStats, s + j - 1, false);
  std::string_view dailyLetter = DailyMeanLetter(letter);
  PeriodMeans(days, dailyLetter, dailyStats, m, periodStats, s + 4, false);
  // A period with a missing time: the mean of the four time means.
  for (int row = 1; row <= kMonthRow; ++row)
    if (missing[row - 1] > 0)
      periodStats.At(row, s + 4) = MeanOfSlots(periodStats, row, s - 1, 4, 4, dailyLetter);
}

}  // namespace quillon
