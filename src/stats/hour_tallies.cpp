#include "stats/hour_tallies.h"

#include <cstdint>
#include <span>

namespace quillon {
namespace {

// Readings no larger than this can be summed 31 at a time, the most any
// tally of an hourly month takes, without leaving 32 bits.
constexpr int32_t kSmallReading = INT32_MAX / 32;

// One day's 24 readings as plain columns, so that adding them into the hour
// slots' dekads is a few vector additions.
struct DayColumns {
  int32_t value[kHours];
  int32_t empty[kHours];
  int32_t missing[kHours];
};

// The dekad tallies of every hour slot, column by column.
struct DekadColumns {
  int64_t sum[3][kHours] = {};
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

// The day's 24 readings, or false when one is a fraction or too large. A
// plain number, nearly every reading, is neither empty nor missing. The wind
// is a template flag so that the loop does not test it for every reading.
template <bool kWind>
bool ReadSmallDay(std::span<const std::string> slots, DayColumns& day) {
  for (int k = 0; k < kHours; ++k) {
    std::string_view text = ReadingText(slots[k], kWind);
    int32_t value = 0;
    if (ShortWholeNumber(text, value)) {
      day.empty[k] = 0;
      day.missing[k] = 0;
    } else {
      if (!ReadOtherReading(text, value)) return false;
      day.empty[k] = text.empty();
      day.missing[k] = IsMissing(text);
    }
    if (value > kSmallReading || value < -kSmallReading) return false;
    day.value[k] = value;
  }
  return true;
}

bool ReadSmallDay(std::span<const std::string> slots, bool wind, DayColumns& day) {
  return wind ? ReadSmallDay<true>(slots, day) : ReadSmallDay<false>(slots, day);
}

ReadingTally TallyOf(const DayColumns& day, int first, int step) {
  ReadingTally tally;
  for (int k = first; k < kHours; k += step) {
    tally.empty += day.empty[k];
    tally.missing += day.missing[k];
    tally.sum += day.value[k];
  }
  return tally;
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
    DayColumns day;
    if (!ReadSmallDay(table.Slots(d, 1, kHours), wind, day)) return false;
    month.allHours[d] = TallyOf(day, 0, 1);
    month.fourTimes[d] = TallyOf(day, 5, 6);  // the 02, 08, 14 and 20 h slots
    int dekad = DekadOf(d);
    for (int k = 0; k < kHours; ++k) {
      dekads.sum[dekad][k] += day.value[k];
      dekads.empty[dekad][k] += day.empty[k];
      dekads.missing[dekad][k] += day.missing[k];
    }
  }
  // The month's tally of an hour slot is the sum of its three dekads'.
  for (int k = 0; k < kHours; ++k) {
    ReadingTally* rows = month.hours[k + 1].rows;
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
