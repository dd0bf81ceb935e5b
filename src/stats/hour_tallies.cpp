#include "stats/hour_tallies.h"

#include <cstdint>
#include <span>

namespace quillon {
namespace {

// Readings no larger than this can be summed 31 at a time, the most any
// tally of an hourly month takes, without leaving 32 bits.
constexpr int32_t kSmallReading = INT32_MAX / 32;

// The dekad tallies of every hour slot, column by column. The sums stay in
// 32 bits: eleven small readings cannot leave them.
struct DekadColumns {
  int32_t sum[3][kHours] = {};
  int32_t empty[3][kHours] = {};
  int32_t missing[3][kHours] = {};
};

// A reading that is not a plain whole number: "" and "-" (value 0), or a
// number written otherwise. False for a fraction.
bool ReadOtherReading(std::string_view text, int32_t& value) {
  Reading reading = ReadingOfText(text);
  value = reading.integer;
  return reading.whole;
}

// The day's 24 readings as whole numbers, or false when one is a fraction or
// too large. A plain number, nearly every reading, is neither empty nor
// missing: only a day with some other reading (gaps is set) has its empty and
// missing hours counted, in a pass of its own. The wind is a template flag so
// that the loop does not test it for every reading.
template <bool kWind>
bool ReadSmallDay(std::span<const std::string> slots, int32_t (&values)[kHours], bool& gaps) {
  for (int k = 0; k < kHours; ++k) {
    std::string_view text = ReadingText(slots[k], kWind);
    int32_t value = 0;
    if (!ShortWholeNumber(text, value)) {
      if (!ReadOtherReading(text, value)) return false;
      gaps = true;
    }
    if (value > kSmallReading || value < -kSmallReading) return false;
    values[k] = value;
  }
  return true;
}

bool ReadSmallDay(std::span<const std::string> slots, bool wind, int32_t (&values)[kHours],
                  bool& gaps) {
  return wind ? ReadSmallDay<true>(slots, values, gaps) : ReadSmallDay<false>(slots, values, gaps);
}

// The empty and missing hours of a day with gaps, into its own tallies and
// its hour slots' dekad.
void CountGaps(std::span<const std::string> slots, bool wind, int dekad, DekadColumns& dekads,
               ReadingTally& allHours, ReadingTally& fourTimes) {
  for (int k = 0; k < kHours; ++k) {
    std::string_view text = ReadingText(slots[k], wind);
    int empty = text.empty(), missing = IsMissing(text);
    dekads.empty[dekad][k] += empty;
    dekads.missing[dekad][k] += missing;
    allHours.empty += empty;
    allHours.missing += missing;
    if (IsMainHour(k + 1)) {
      fourTimes.empty += empty;
      fourTimes.missing += missing;
    }
  }
}

// The sum of a day's 24 small readings stays within 32 bits.
int32_t SumOf(const int32_t (&values)[kHours]) {
  int32_t sum = 0;
  for (int32_t value : values) sum += value;
  return sum;
}

}  // namespace

void PeriodTallies::Write(int days, ElementTable& periodStats, int target, std::string_view letter,
                          bool total) const {
  AssignTallyText(periodStats.At(kMonthRow, target), Row(kMonthRow), days, kMonthMissingDays,
                  letter, total);
  for (int row = 1; row <= 3; ++row)
    AssignTallyText(periodStats.At(row, target), Row(row), row < 3 ? 10 : days - 20,
                    kDekadMissingDays, letter, total);
}

bool CountSmallHours(int days, const ElementTable& table, bool wind, HourTallies& month) {
  if (days > kLongestMonth || table.Days() < days || table.FirstSlot() > 1 ||
      table.LastSlot() < kHours)
    return false;
  DekadColumns dekads;
  for (int d = 1; d <= days; ++d) {
    std::span<const std::string> slots = table.Slots(d, 1, kHours);
    int32_t values[kHours];
    bool gaps = false;
    if (!ReadSmallDay(slots, wind, values, gaps)) return false;
    int dekad = DekadOf(d);
    for (int k = 0; k < kHours; ++k) dekads.sum[dekad][k] += values[k];
    ReadingTally& allHours = month.allHours[d];
    ReadingTally& fourTimes = month.fourTimes[d];  // the 02, 08, 14 and 20 h slots
    allHours = {0, 0, SumOf(values)};
    fourTimes = {0, 0, int64_t{values[5]} + values[11] + values[17] + values[23]};
    if (gaps) CountGaps(slots, wind, dekad, dekads, allHours, fourTimes);
  }
  // The month's tally of an hour slot is the sum of its three dekads'.
  for (int k = 0; k < kHours; ++k) {
    ReadingTally* rows = month.hours[k + 1].rows;
    rows[kMonthRow - 1] = {};
    for (int dekad = 0; dekad < 3; ++dekad) {
      rows[dekad] = {dekads.empty[dekad][k], dekads.missing[dekad][k], dekads.sum[dekad][k]};
      rows[kMonthRow - 1].empty += rows[dekad].empty;
      rows[kMonthRow - 1].missing += rows[dekad].missing;
      rows[kMonthRow - 1].sum += rows[dekad].sum;
    }
  }
  return true;
}

}  // namespace quillon
