#include "stats/sunshine.h"

#include "stats/reading_tally.h"
#include "util/number_text.h"
#include "util/possible_sunshine.h"
#include "util/rounding.h"

namespace quillon {

// Days are judged against the possible sunshine of the month's middle day;
// the month's percentage against the possible sunshine of the days observed,
// summed in single precision as the station records are.
void SunshinePercentages(int days, const ElementTable& tableS, const AFileHeader& header,
                         const ElementTable& periodStats, TextList& sunshineStats) {
  std::string year = TextOf(header.Year), month = TextOf(header.Month);
  StationPosition station = PositionOf(TextOf(header.Latitude), TextOf(header.Longitude));
  double middle = PossibleSunshine(year, month, "16", station);
  int32_t high = RoundHalfAway(middle * 6);  // 60 %, in tenths of an hour
  int32_t low = RoundHalfAway(middle * 2);   // 20 %
  float possibleSum = 0;
  int highDays = 0, lowDays = 0;
  for (int day = 1; day <= days; ++day) {
    if (tableS.At(day, tableS.LastSlot()) != "-")
      possibleSum +=
          static_cast<float>(PossibleSunshine(year, month, std::to_string(day), station));
    Reading total = ReadingOf(tableS.At(day, 27));
    if (total.kind != Reading::kValue) continue;
    double tenths = total.Value();
    highDays += tenths >= high;
    lowDays += tenths <= low;
  }
  float scaled = possibleSum * 10.0f;
  int32_t possible = RoundHalfAway(scaled);
  const std::string& monthTotal = periodStats.At(4, 458);
  if (monthTotal.empty() || IsMissing(monthTotal)) {
    for (int i = 1; i <= 3; ++i) sunshineStats.At(i) = monthTotal;
    return;
  }
  if (highDays > 0) sunshineStats.At(1) = std::to_string(highDays);
  if (lowDays > 0) sunshineStats.At(2) = std::to_string(lowDays);
  sunshineStats.At(3) =
      possible != 0 ? std::to_string(RoundHalfAway(RequiredNumber(monthTotal) * 100 / possible))
                    : "-";
}

}  // namespace quillon
