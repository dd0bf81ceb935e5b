#include "stats/class_counts.h"

#include <array>
#include <limits>
#include <span>
#include <stdexcept>

#include "stats/element_means.h"
#include "stats/hour_tallies.h"
#include "stats/reading_tally.h"
#include "util/number_text.h"

namespace quillon {
namespace {

struct ClassRange {
  double from, to;  // closed: a value between two classes (9.5) belongs to none
};

// Cloud amount in tenths of the sky at one observation, and the daily mean,
// which carries one decimal (43 is 4.3 tenths).
constexpr std::array<ClassRange, 3> kCloudClasses{{{0, 2}, {3, 7}, {8, 10}}};
constexpr std::array<ClassRange, 3> kCloudMeanClasses{{{0, 19}, {20, 80}, {81, 100}}};
// Visibility in tenths of a kilometre: below 1 km, 1-2, 2-4, 4-10, 10 km and more.
constexpr std::array<ClassRange, 5> kVisibilityClasses{
    {{0, 9}, {10, 19}, {20, 39}, {40, 99}, {100, std::numeric_limits<double>::infinity()}}};

// How often the values of one observation time fell into each class.
struct ClassTally {
  int empty = 0;
  int missing = 0;
  std::array<int, 5> counts{};

  void Add(std::string_view cell, std::span<const ClassRange> classes) {
    if (cell.empty()) {
      ++empty;
    } else if (cell == "-") {
      ++missing;
    } else {
      double value = RequiredNumber(cell);
      for (size_t k = 0; k < classes.size(); ++k)
        if (value >= classes[k].from && value <= classes[k].to) ++counts[k];
    }
  }

  // "" or "-" for every class when nothing was observed; a count, or "" for a
  // class that never occurred; "-" for every class when 7 or more are missing.
  std::string Text(int days, size_t k) const {
    if (empty + missing >= days) return missing > 0 ? "-" : "";
    if (missing >= 7) return "-";
    return counts[k] > 0 ? std::to_string(counts[k]) : "";
  }
};

// The main observation times 02, 08, 14 and 20 h are slots 6, 12, 18 and 24
// of an hourly table, slots 1 to 4 of a four-times table.
int MainTimeSlot(const ElementTable& table, int time) {
  return table.LastSlot() > 23 ? 6 * time : time;
}

}  // namespace

void CloudClassDays(int days, const ElementTable& cloud, ElementTable& dailyStats,
                    TextCube<2, 5, 3>& cloudDayCounts, int layer) {
  if (layer != 1 && layer != 2) throw std::out_of_range("cloud layer " + std::to_string(layer));
  int meanColumn = layer == 1 ? 9 : 11;
  std::array<ClassTally, 5> tallies{};
  for (int day = 1; day <= days; ++day) {
    for (int time = 1; time <= 4; ++time)
      tallies[time - 1].Add(cloud.At(day, MainTimeSlot(cloud, time)), kCloudClasses);
    tallies[4].Add(dailyStats.At(day, meanColumn), kCloudMeanClasses);
  }
  for (int time = 1; time <= 5; ++time)
    for (int k = 1; k <= 3; ++k)
      cloudDayCounts.At(layer, time, k) = tallies[time - 1].Text(days, k - 1);
}

// An hourly visibility table also carries the day's minimum and its time
// (26 slots): its main times are still slots 6, 12, 18 and 24.
void VisibilityClassCounts(int days, const ElementTable& tableV, ElementTable& visibilityCounts) {
  std::array<ClassTally, 4> tallies{};
  for (int day = 1; day <= days; ++day)
    for (int time = 1; time <= 4; ++time)
      tallies[time - 1].Add(tableV.At(day, MainTimeSlot(tableV, time)), kVisibilityClasses);
  for (int time = 1; time <= 4; ++time)
    for (int k = 1; k <= 5; ++k) visibilityCounts.At(time, k) = tallies[time - 1].Text(days, k - 1);
}

// "A" marks hours whose rain was measured together with a later hour: a
// missing hour right after it is excused, its amount is in the later value.
void HourlyPrecipitationTotals(int days, const ElementTable& tableR2, ElementTable& dailyStats,
                               std::string& hourlyPrecipTotal) {
  for (int day = 1; day <= days; ++day) {
    ReadingTally hours;
    int excused = 0;
    bool afterMark = false;
    for (std::string_view cell : tableR2.Slots(day, 1, 24)) {
      if (cell == "A") {
        afterMark = true;
        continue;
      }
      Reading reading = ReadingOf(cell);
      hours.Add(reading);
      if (reading.kind == Reading::kMissing)
        excused += afterMark;
      else
        afterMark = false;
    }
    std::string& total = dailyStats.At(day, 15);
    if (hours.NothingIn(24))
      total = hours.missing > 0 ? "-" : "";
    else if (hours.missing - excused > 0)
      total = "-";
    else
      AssignWhole(total, hours.sum, 1);
  }
  hourlyPrecipTotal = MonthMean(days, dailyStats, 15, /*total=*/true);
}

namespace {

bool HasValue(const std::string& text) { return !text.empty() && !IsMissing(text); }

}  // namespace

// Cells of the ten-minute wind hold direction and speed; only the speed is
// averaged. A day lacking a main time takes its 24-hour mean and the reverse.
void RecordedWindSpeedMeans(int days, const ElementTable& tableF2, ElementTable& dailyStats,
                            TextList& windSpeedStats) {
  HourTallies month;
  bool counted = CountSmallHours(days, tableF2, true, month);
  for (int day = 1; day <= days; ++day) {
    std::string& fourTimes = dailyStats.At(day, 18);
    std::string& allHours = dailyStats.At(day, 19);
    if (counted) {
      AssignTallyText(fourTimes, month.fourTimes[day], 4, 0, "F", false);
      AssignTallyText(allHours, month.allHours[day], kHours, 5, "F", false);
    } else {
      fourTimes = DailyMean(tableF2, day, 4, "F");
      allHours = DailyMean(tableF2, day, 24, "F");
    }
    if (IsMissing(allHours) && HasValue(fourTimes))
      allHours = fourTimes;
    else if (IsMissing(fourTimes) && HasValue(allHours))
      fourTimes = allHours;
  }
  int mainMissing = 0, anyMissing = 0;
  for (int slot = 1; slot <= 24; ++slot) {
    int missing = 0;
    if (counted) {
      const ReadingTally& slotMonth = month.hours[slot].Row(kMonthRow);
      AssignTallyText(windSpeedStats.At(slot), slotMonth, days, kMonthMissingDays, "", false);
      missing = slotMonth.missing;
    } else {
      windSpeedStats.At(slot) = MonthMean(days, tableF2, slot, false);
      for (int day = 1; day <= days; ++day)
        missing += IsMissing(ReadingText(tableF2.At(day, slot), true));
    }
    anyMissing += missing;
    if (slot % 6 == 0) mainMissing += missing;
  }
  windSpeedStats.At(25) = MonthMean(days, dailyStats, 18, false);
  windSpeedStats.At(26) = MonthMean(days, dailyStats, 19, false);
  // Missing hours: the month's mean is the mean of the hour means.
  ElementTable hourMeans;
  hourMeans.Resize(1, 1, 26);
  for (int slot = 1; slot <= 26; ++slot) hourMeans.At(1, slot) = windSpeedStats.At(slot);
  if (mainMissing > 0) windSpeedStats.At(25) = DailyMean(hourMeans, 1, 4, "F");
  if (anyMissing > 0) windSpeedStats.At(26) = DailyMean(hourMeans, 1, 24, "F");
  if (IsMissing(windSpeedStats.At(26)) && HasValue(windSpeedStats.At(25)))
    windSpeedStats.At(26) = windSpeedStats.At(25);
}

}  // namespace quillon
