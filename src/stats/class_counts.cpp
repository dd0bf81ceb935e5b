#include "stats/class_counts.h"

#include <array>
#include <limits>
#include <span>
#include <stdexcept>
#include <vector>

#include "stats/cell_tally.h"
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
    int empty = 0, missing = 0, excused = 0;
    bool afterMark = false;
    double sum = 0;
    for (int slot = 1; slot <= 24; ++slot) {
      std::string_view cell = tableR2.At(day, slot);
      if (cell.empty()) {
        ++empty;
        afterMark = false;
      } else if (cell == "-") {
        ++missing;
        excused += afterMark;
      } else if (cell == "A") {
        afterMark = true;
      } else {
        sum += RequiredNumber(cell);
        afterMark = false;
      }
    }
    std::string& total = dailyStats.At(day, 15);
    if (empty + missing == 24)
      total = missing > 0 ? "-" : "";
    else
      total = missing - excused > 0 ? "-" : FormatGeneral(sum);
  }
  hourlyPrecipTotal = MonthText(days, dailyStats, 15, /*total=*/true, /*wind=*/false);
}

namespace {

// The speeds of a month of the ten-minute wind, each cell read once: the
// daily, hourly and monthly means all count the same cells.
class SpeedGrid {
 public:
  SpeedGrid(int days, const ElementTable& table) : days_(days) {
    cells_.resize(static_cast<size_t>(days) * 24);
    for (int day = 1; day <= days; ++day)
      for (int slot = 1; slot <= 24; ++slot) {
        std::string_view speed = SpeedOf(table.At(day, slot));
        Speed& cell = At(day, slot);
        cell.kind = speed.empty() ? Kind::Empty : speed == "-" ? Kind::Missing : Kind::Value;
        if (cell.kind == Kind::Value) cell.value = RequiredNumber(speed);
      }
  }

  CellTally Day(int day, int n) const {
    CellTally tally;
    for (int i = 1; i <= n; ++i) Add(tally, At(day, n == 4 ? 6 * i : i));
    return tally;
  }
  CellTally Hour(int slot) const {
    CellTally tally;
    for (int day = 1; day <= days_; ++day) Add(tally, At(day, slot));
    return tally;
  }

 private:
  enum class Kind { Empty, Missing, Value };
  struct Speed {
    Kind kind = Kind::Empty;
    double value = 0;
  };
  static void Add(CellTally& tally, const Speed& s) {
    if (s.kind == Kind::Empty)
      ++tally.empty;
    else if (s.kind == Kind::Missing)
      ++tally.missing;
    else
      tally.AddValue(s.value);
  }
  Speed& At(int day, int slot) { return cells_[static_cast<size_t>(day - 1) * 24 + slot - 1]; }
  const Speed& At(int day, int slot) const {
    return cells_[static_cast<size_t>(day - 1) * 24 + slot - 1];
  }

  int days_;
  std::vector<Speed> cells_;
};

bool HasValue(const std::string& text) { return text != "-" && !text.empty(); }

}  // namespace

// Cells of the ten-minute wind hold direction and speed; only the speed is
// averaged. A day lacking a main time takes its 24-hour mean and the reverse.
void RecordedWindSpeedMeans(int days, const ElementTable& tableF2, ElementTable& dailyStats,
                            TextList& windSpeedStats) {
  SpeedGrid speeds(days, tableF2);
  for (int day = 1; day <= days; ++day) {
    std::string& fourTimes = dailyStats.At(day, 18);
    std::string& allHours = dailyStats.At(day, 19);
    fourTimes = DailyMeanText(speeds.Day(day, 4), 4);
    allHours = DailyMeanText(speeds.Day(day, 24), 24);
    if (allHours == "-" && HasValue(fourTimes))
      allHours = fourTimes;
    else if (fourTimes == "-" && HasValue(allHours))
      fourTimes = allHours;
  }
  int mainMissing = 0, anyMissing = 0;
  for (int slot = 1; slot <= 24; ++slot) {
    CellTally hour = speeds.Hour(slot);
    windSpeedStats.At(slot) = PeriodText(hour, days, 6, false);
    anyMissing += hour.missing;
    if (slot % 6 == 0) mainMissing += hour.missing;
  }
  windSpeedStats.At(25) = MonthText(days, dailyStats, 18, false, false);
  windSpeedStats.At(26) = MonthText(days, dailyStats, 19, false, false);
  // Missing hours: the month's mean is the mean of the hour means.
  ElementTable hourMeans;
  hourMeans.Resize(1, 1, 26);
  for (int slot = 1; slot <= 26; ++slot) hourMeans.At(1, slot) = windSpeedStats.At(slot);
  if (mainMissing > 0) windSpeedStats.At(25) = DailySpeedMean(hourMeans, 1, 4);
  if (anyMissing > 0) windSpeedStats.At(26) = DailySpeedMean(hourMeans, 1, 24);
  if (windSpeedStats.At(26) == "-" && HasValue(windSpeedStats.At(25)))
    windSpeedStats.At(26) = windSpeedStats.At(25);
}

}  // namespace quillon
