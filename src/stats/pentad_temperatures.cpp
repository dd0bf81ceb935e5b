#include "stats/pentad_temperatures.h"

#include <string>

#include "stats/reading_tally.h"
#include "util/rounding.h"

namespace quillon {
namespace {

constexpr int kDailyMeanTemperature = 3;

// The pentad from its four observation times: the mean of the times' means.
// A time that was never observed in the pentad (a station reading three
// times a day leaves its 02 h empty) stands out of the mean; a time that
// misses more than one reading makes the pentad missing.
std::string FromObservationTimes(const ElementTable& tableT, int first, int n) {
  bool hourly = tableT.LastSlot() > 23;
  double sumOfMeans = 0;
  int times = 0;
  for (int h = 1; h <= 4; ++h) {
    ReadingTally tally;
    for (int d = first; d < first + n; ++d) tally.Add(tableT.At(d, hourly ? 6 * h : h));
    if (tally.missing > 1) return "-";
    int observed = n - tally.missing - tally.empty;
    if (observed == 0) continue;
    sumOfMeans += RoundHalfAway(tally.sum / observed);
    ++times;
  }
  return times == 0 ? "-" : std::to_string(RoundHalfAway(sumOfMeans / times));
}

std::string PentadMean(const ElementTable& tableT, const ElementTable& dailyStats, int first,
                       int n) {
  ReadingTally tally;
  for (int d = first; d < first + n; ++d) tally.Add(dailyStats.At(d, kDailyMeanTemperature));
  if (tally.NothingIn(n)) return tally.missing > 0 ? "-" : "";
  if (tally.missing == 0) return std::to_string(RoundHalfAway(tally.sum / (n - tally.empty)));
  return FromObservationTimes(tableT, first, n);
}

}  // namespace

void PentadTemperatureMeans(int days, const ElementTable& tableT, const ElementTable& dailyStats,
                            TextList& monthExtremes) {
  for (int p = 1; p <= 6; ++p)
    monthExtremes.At(8 + p) = PentadMean(tableT, dailyStats, 5 * p - 4, p < 6 ? 5 : days - 25);
}

}  // namespace quillon
