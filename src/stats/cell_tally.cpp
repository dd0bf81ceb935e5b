#include "stats/cell_tally.h"

#include <cmath>

#include "util/rounding.h"

namespace quillon {

void CellTally::Add(std::string_view cell, double (*value)(std::string_view)) {
  if (cell.empty())
    ++empty;
  else if (cell == "-")
    ++missing;
  else
    AddValue(value(cell));
}

void CellTally::AddValue(double value) { sum = std::nearbyint(sum + value); }

std::string_view SpeedOf(std::string_view windCell) {
  size_t slash = windCell.find('/');
  return slash == std::string_view::npos ? windCell : windCell.substr(slash + 1);
}

std::string PeriodText(const CellTally& tally, int n, int allowedMissing, bool total) {
  if (tally.empty + tally.missing >= n) return tally.missing > 0 ? "-" : "";
  if (tally.missing > allowedMissing) return "-";
  if (total) return Format00(tally.sum);
  return Format00(RoundHalfAway(tally.sum / (n - tally.missing - tally.empty)));
}

CellTally TallyColumn(const ElementTable& table, int column, int first, int last, bool wind,
                      double (*value)(std::string_view)) {
  CellTally tally;
  for (int day = first; day <= last; ++day) {
    std::string_view cell = table.At(day, column);
    tally.Add(wind ? SpeedOf(cell) : cell, value);
  }
  return tally;
}

std::string DailySpeedMean(const ElementTable& table, int day, int n) {
  bool mainTimes = n == 4 && table.LastSlot() > 23;
  CellTally tally;
  for (int i = 1; i <= n; ++i) tally.Add(SpeedOf(table.At(day, mainTimes ? 6 * i : i)));
  return DailyMeanText(tally, n);
}

std::string DailyMeanText(const CellTally& tally, int n) {
  if (tally.empty + tally.missing == n) return tally.missing > 0 ? "-" : "";
  if (tally.missing > (n == 24 ? 5 : 0)) return "-";
  return Format00(RoundHalfAway(tally.sum / (n - tally.missing - tally.empty)));
}

std::string MonthText(int days, const ElementTable& table, int column, bool total, bool wind) {
  return PeriodText(TallyColumn(table, column, 1, days, wind), days, 6, total);
}

}  // namespace quillon
