#include "stats/class_counts.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "stats/stats_fixtures.h"
#include "support/table_text.h"

namespace quillon {
namespace {

using test::Cell;
using test::Day;
using test::Filled;

// Classes 1..3 of times 1..5 of one layer: "1||;||1;..."
std::string CloudClasses(const TextCube<2, 5, 3>& counts, int layer) {
  std::string text;
  for (int t = 1; t <= 5; ++t)
    text += (t > 1 ? ";" : "") + counts.At(layer, t, 1) + "|" + counts.At(layer, t, 2) + "|" +
            counts.At(layer, t, 3);
  return text;
}

TEST(CloudClassDays, CountsEachTimeAndTheDailyMeanByClass) {
  struct Case {
    std::string times, mean, expected;
  };
  const Case cases[] = {
      {"0 10 5 2", "43", "1||;||1;|1|;1||;|1|"},
      // class edges 2|3 and 7|8; "10-" is overcast with gaps
      {"3 7 8 10-", "19", "|1|;|1|;||1;||1;1||"},
      {"2.5 11 _ _", "20", "||;||;||;||;|1|"},  // between and above the classes
      {"_ _ _ _", "80", "||;||;||;||;|1|"},
      {"_ _ _ _", "81", "||;||;||;||;||1"},
  };
  for (const Case& c : cases) {
    StatisticsResults r;
    r.DailyStats.At(1, 11) = c.mean;
    CloudClassDays(1, Day(4, c.times), r.DailyStats, r.CloudDayCounts, 2);
    EXPECT_EQ(CloudClasses(r.CloudDayCounts, 2), c.expected) << c.times << " " << c.mean;
  }
}

TEST(CloudClassDays, SevenMissingObservationsMakeTheTimeMissing) {
  for (int lost : {6, 7, 30}) {
    std::vector<Cell> cells;
    for (int d = 1; d <= lost; ++d) cells.push_back({d, 2, "-"});
    StatisticsResults r;
    CloudClassDays(30, Filled(30, 4, "9", cells), r.DailyStats, r.CloudDayCounts, 1);
    EXPECT_EQ(CloudClasses(r.CloudDayCounts, 1),
              std::string("||30;") + (lost == 6 ? "||24" : "-|-|-") + ";||30;||30;||");
  }
}

TEST(VisibilityClassCounts, CountsByClassAtTheMainTimes) {
  // 26 slots (24 hours, the day's minimum and its time): main times are 6t.
  ElementTable v = Filled(9, 26, "", {{1, 1, "500"}, {1, 12, "350"}});
  const char* values[] = {"9", "10", "19", "20", "39", "40", "99", "100", "9.5"};
  for (int d = 1; d <= 9; ++d) v.At(d, 6) = values[d - 1];
  StatisticsResults r;
  VisibilityClassCounts(9, v, r.VisibilityCounts);
  EXPECT_EQ(test::Row(r.VisibilityCounts, 1), "1|2|2|2|1");
  EXPECT_EQ(test::Row(r.VisibilityCounts, 2), "||||1");
  EXPECT_EQ(test::Row(r.VisibilityCounts, 3), "||||");
}

TEST(HourlyPrecipitationTotals, ExcusesAMissingHourRightAfterAnA) {
  const std::pair<const char*, const char*> cases[] = {
      {"", ""},
      {"_ _ _ _ _ _ _ _ -", "-"},
      {"_ _ 5 12", "17"},
      {"_ _ 5 A - - 8", "13"},
      {"_ _ 5 A _ -", "-"},  // an empty hour between
      {"_ _ 5 A 3 -", "-"},
  };
  for (const auto& [day, expected] : cases) {
    StatisticsResults r;
    HourlyPrecipitationTotals(1, Day(24, day), r.DailyStats, r.HourlyPrecipTotal);
    EXPECT_EQ(r.DailyStats.At(1, 15), expected) << day;
  }
  for (int lost : {6, 7}) {
    std::vector<Cell> cells{{20, 1, "25"}};
    for (int d = 1; d <= lost; ++d) cells.push_back({d, 1, "-"});
    StatisticsResults r;
    HourlyPrecipitationTotals(30, Filled(30, 24, "", cells), r.DailyStats, r.HourlyPrecipTotal);
    EXPECT_EQ(r.HourlyPrecipTotal, lost == 6 ? "25" : "-");
  }
}

TEST(RecordedWindSpeedMeans, KeepsBothMeansThroughAMissingHour) {
  ElementTable f2 =
      Filled(2, 24, "90/20", {{1, 3, "-/-"}, {2, 12, "-/-"}, {2, 1, "90/44"}, {2, 3, "90/80"}});
  StatisticsResults r;
  RecordedWindSpeedMeans(2, f2, r.DailyStats, r.WindSpeedStats);
  EXPECT_EQ(r.DailyStats.At(1, 18) + "|" + r.DailyStats.At(1, 19) + "|" + r.DailyStats.At(2, 18) +
                "|" + r.DailyStats.At(2, 19),
            "20|20|24|24")
      << "a missing main time: the four-time mean takes the 24-hour mean";
  // missing hours: the month is the mean of the hour means
  EXPECT_EQ(test::Entries(r.WindSpeedStats, 1, 1) + "|" + r.WindSpeedStats.At(12) + "|" +
                test::Entries(r.WindSpeedStats, 25, 26),
            "32|20|20|23");
}

TEST(RecordedWindSpeedMeans, AReadingTooLargeForTheQuickCountStillCounts) {
  ElementTable f2 = Filled(1, 24, "90/20", {{1, 5, "90/100000000"}});
  StatisticsResults r;
  RecordedWindSpeedMeans(1, f2, r.DailyStats, r.WindSpeedStats);
  EXPECT_EQ(r.DailyStats.At(1, 18) + "|" + r.DailyStats.At(1, 19) + "|" + r.WindSpeedStats.At(5),
            "20|4166686|100000000");
}

TEST(ClassCounts, BadInputThrowsInsteadOfCounting) {
  StatisticsResults r;
  EXPECT_THROW(CloudClassDays(1, Filled(1, 4, "x"), r.DailyStats, r.CloudDayCounts, 1),
               std::invalid_argument);
  EXPECT_THROW(VisibilityClassCounts(2, Filled(1, 4, "10"), r.VisibilityCounts), std::out_of_range);
  EXPECT_THROW(HourlyPrecipitationTotals(1, Filled(1, 12, ""), r.DailyStats, r.HourlyPrecipTotal),
               std::out_of_range);
}

}  // namespace
}  // namespace quillon
