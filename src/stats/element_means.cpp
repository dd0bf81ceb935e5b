#include "stats/element_means.h"

#include "stats/hour_tallies.h"
#include "stats/reading_tally.h"
#include "util/number_text.h"

namespace quillon {
namespace {

// Daily cloud means are already in tenths: their period means keep scale 1.
std::string_view DailyMeanLetter(std::string_view letter) { return letter == "N" ? "" : letter; }

bool IsEmptyOrMissing(std::string_view text) { return text.empty() || IsMissing(text); }

// Mean of n slots of one row of a table, slot k read at offset + k; the 02,
// 08, 14 and 20 h slots (6k) when n = 4 is taken from an hourly row.
std::string MeanOfSlots(const ElementTable& table, int row, int offset, int width, int n,
                        std::string_view letter) {
  bool mainTimes = n == 4 && width > 23;
  ReadingTally tally;
  for (int k = 1; k <= n; ++k)
    tally.Add(ReadingOf(ReadingText(table.At(row, offset + (mainTimes ? 6 * k : k)), letter)));
  return TallyText(tally, n, n == kHours ? 5 : 0, letter, false);
}

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
void CorrectForMissingHours(const PeriodTallies (&hours)[kHours + 1], ElementTable& periodStats,
                            int s, std::string_view letter) {
  for (int row = 1; row <= kMonthRow; ++row) {
    int mainMissing = 0, allMissing = 0;
    for (int i = 1; i <= kHours; ++i) {
      int missing = hours[i].Row(row).missing;
      allMissing += missing;
      if (IsMainHour(i)) mainMissing += missing;
    }
    if (mainMissing > 0)
      periodStats.At(row, s + 24) = MeanOfSlots(periodStats, row, s - 1, kHours, 4, letter);
    if (allMissing > 0)
      periodStats.At(row, s + 25) = MeanOfSlots(periodStats, row, s - 1, kHours, kHours, letter);
    std::string& allHours = periodStats.At(row, s + 25);
    const std::string& fourTimes = periodStats.At(row, s + 24);
    if (IsMissing(allHours) && !IsEmptyOrMissing(fourTimes)) allHours = fourTimes;
  }
}

// A day's four-time and 24-hour means; a day with a missing hour takes its
// four-time mean as its daily mean.
void WriteDayMeans(int d, const ReadingTally& fourTimesTally, const ReadingTally& allHoursTally,
                   ElementTable& dailyStats, int m, std::string_view letter) {
  std::string& fourTimes = dailyStats.At(d, m);
  std::string& allHours = dailyStats.At(d, m + 1);
  AssignTallyText(fourTimes, fourTimesTally, 4, 0, letter, false);
  AssignTallyText(allHours, allHoursTally, kHours, 5, letter, false);
  if (allHoursTally.missing > 0) FillMissingHourDay(fourTimes, allHours);
}

// The means of each hour slot, then the period means of the two daily means.
void WriteHourPeriodMeans(int days, const PeriodTallies (&hours)[kHours + 1],
                          ElementTable& dailyStats, ElementTable& periodStats, int m, int s,
                          std::string_view letter) {
  for (int i = 1; i <= kHours; ++i) hours[i].Write(days, periodStats, s + i - 1, letter, false);
  std::string_view dailyLetter = DailyMeanLetter(letter);
  PeriodMeans(days, dailyLetter, dailyStats, m, periodStats, s + 24, false);
  PeriodMeans(days, dailyLetter, dailyStats, m + 1, periodStats, s + 25, false);
  CorrectForMissingHours(hours, periodStats, s, dailyLetter);
}

}  // namespace

std::string DailyMean(const ElementTable& table, int day, int n, std::string_view letter) {
  return MeanOfSlots(table, day, 0, table.LastSlot(), n, letter);
}

void PeriodMeans(int days, std::string_view letter, const ElementTable& table, int column,
                 ElementTable& periodStats, int target, bool total) {
  bool wind = letter == "F";
  PeriodTallies tallies;
  for (int d = 1; d <= days; ++d) tallies.Add(d, ReadingOf(ReadingText(table.At(d, column), wind)));
  tallies.Write(days, periodStats, target, letter, total);
}

std::string MonthMean(int days, const ElementTable& table, int column, bool total) {
  ReadingTally month;
  for (int d = 1; d <= days; ++d) month.Add(ReadingOf(ReadingText(table.At(d, column), true)));
  return TallyText(month, days, kMonthMissingDays, "", total);
}

void ElementMeansHourlyChecked(int days, const ElementTable& table, ElementTable& dailyStats,
                               ElementTable& periodStats, int m, int s, std::string_view letter) {
  // One pass over the month: each hour counts in its day, its hour slot and
  // its periods; a day's means are written as soon as it is counted.
  bool wind = letter == "F";
  PeriodTallies hours[kHours + 1];
  for (int d = 1; d <= days; ++d) {
    ReadingTally fourTimesTally, allHoursTally;
    int dekad = DekadOf(d);
    for (int i = 1; i <= kHours; ++i) {
      Reading reading = ReadingOf(ReadingText(table.At(d, i), wind));
      allHoursTally.Add(reading);
      if (IsMainHour(i)) fourTimesTally.Add(reading);
      hours[i].AddInDekad(dekad, reading);
    }
    WriteDayMeans(d, fourTimesTally, allHoursTally, dailyStats, m, letter);
  }
  WriteHourPeriodMeans(days, hours, dailyStats, periodStats, m, s, letter);
}

void ElementMeansHourly(int days, const ElementTable& table, ElementTable& dailyStats,
                        ElementTable& periodStats, int m, int s, std::string_view letter) {
  HourTallies month;
  if (!CountSmallHours(days, table, letter == "F", month))
    return ElementMeansHourlyChecked(days, table, dailyStats, periodStats, m, s, letter);
  for (int d = 1; d <= days; ++d)
    WriteDayMeans(d, month.fourTimes[d], month.allHours[d], dailyStats, m, letter);
  WriteHourPeriodMeans(days, month.hours, dailyStats, periodStats, m, s, letter);
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
