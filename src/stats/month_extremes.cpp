#include "stats/month_extremes.h"

#include <string>

#include "stats/reading_tally.h"
#include "util/number_text.h"
#include "util/rounding.h"

namespace quillon {
namespace {

constexpr double kBelowAll = -99999;
constexpr double kAboveAll = 99999;

// The day text of an extreme: its day, or "n天" when it occurred on n days.
std::string DayText(int day, int dayCount) {
  return dayCount > 1 ? std::to_string(dayCount) + "天" : std::to_string(day);
}

bool IsReading(std::string_view cell) { return !cell.empty() && !IsMissing(cell); }

// The value of a reading; a plain whole number, nearly every hourly one, is
// read without the general parse ("-0" reads as 0, which compares the same).
double ValueOf(std::string_view reading) {
  int32_t whole = 0;
  return ShortWholeNumber(reading, whole) ? whole : LeadingNumber(reading);
}

}  // namespace

void MonthMaximum(int days, const ElementTable& table, int column, TextList& monthExtremes,
                  int index, std::string_view letter) {
  std::string& value = monthExtremes.At(index);
  std::string& dayText = monthExtremes.At(index + 1);
  value.clear();
  dayText.clear();
  bool frozenGround = letter == "A";
  double maximum = kBelowAll;
  int firstDay = 0, dayCount = 0;
  bool deeperMark = false;  // the maximum was only ever recorded as ">depth"
  for (int d = 1; d <= days; ++d) {
    std::string_view cell = table.At(d, column);
    bool deeper = !cell.empty() && cell[0] == '>';
    if (deeper) cell.remove_prefix(1);
    if (!IsReading(cell)) continue;
    double v = LeadingNumber(cell);
    if (v > maximum) {
      maximum = RoundHalfAway(v);
      firstDay = d;
      dayCount = 1;
      deeperMark = frozenGround && deeper;
    } else if (v == maximum) {
      ++dayCount;
      if (frozenGround && !deeper) deeperMark = false;
    }
  }
  if (dayCount == 0) return;
  bool plain = letter == "Z" || frozenGround;
  value = deeperMark ? ">" + Format0(maximum) : plain ? Format0(maximum) : Format00(maximum);
  dayText = DayText(firstDay, dayCount);
}

void MonthMinimum(int days, const ElementTable& table, int column, TextList& monthExtremes,
                  int index, std::string_view letter) {
  std::string& value = monthExtremes.At(index);
  std::string& dayText = monthExtremes.At(index + 1);
  value.clear();
  dayText.clear();
  bool countsFrost = letter == "B" || letter == "D";
  double minimum = kAboveAll;
  int firstDay = 0, dayCount = 0, frostDays = 0;
  for (int d = 1; d <= days; ++d) {
    std::string_view cell = table.At(d, column);
    if (!IsReading(cell)) continue;
    double v = LeadingNumber(cell);
    if (v <= 0) ++frostDays;
    if (v < minimum) {
      minimum = RoundHalfAway(v);
      firstDay = d;
      dayCount = 1;
    } else if (v == minimum) {
      ++dayCount;
    }
  }
  if (countsFrost) monthExtremes.At(index + 2) = frostDays > 0 ? std::to_string(frostDays) : "";
  if (dayCount == 0) return;
  value = letter == "U" ? Format0(minimum) : Format00(minimum);
  dayText = DayText(firstDay, dayCount);
}

void VapourPressureExtremes(int days, const ElementTable& tableE, const ElementTable& periodStats,
                            TextList& monthExtremes) {
  int monthMean = tableE.LastSlot() > 23 ? 81 : 61;
  bool meanMissing = IsMissing(periodStats.At(4, monthMean));
  for (int i = 15; i <= 18; ++i) monthExtremes.At(i) = meanMissing ? "-" : "";
  if (meanMissing) return;
  double highest = kBelowAll, lowest = kAboveAll;
  int highDay = 0, highCount = 0, lowDay = 0, lowCount = 0;
  for (int d = 1; d <= days; ++d) {
    for (std::string_view cell : tableE.Slots(d, 1, tableE.LastSlot())) {
      if (!IsReading(cell)) continue;
      double v = ValueOf(cell);
      // Each day with the extreme counts once, however many hours held it.
      if (v > highest) {
        highest = RoundHalfAway(v);
        highDay = d;
        highCount = 1;
      } else if (v == highest && d != highDay) {
        highDay = d;
        ++highCount;
      }
      if (v < lowest) {
        lowest = RoundHalfAway(v);
        lowDay = d;
        lowCount = 1;
      } else if (v == lowest && d != lowDay) {
        lowDay = d;
        ++lowCount;
      }
    }
  }
  if (highCount > 0) {
    monthExtremes.At(15) = Format00(highest);
    monthExtremes.At(16) = DayText(highDay, highCount);
  }
  if (lowCount > 0) {
    monthExtremes.At(17) = Format00(lowest);
    monthExtremes.At(18) = DayText(lowDay, lowCount);
  }
}

}  // namespace quillon
