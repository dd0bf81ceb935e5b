#include "stats/class_counts.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "stats/stats_fixtures.h"
#include "support/table_text.h"

namespace quillon {
namespace {

using test::Cell;
using test::Filled;

std::string CloudClasses(const TextCube<2, 5, 3>& counts, int layer, int time) {
  return counts.At(layer, time, 1) + "|" + counts.At(layer, time, 2) + "|" +
         counts.At(layer, time, 3);
}

TEST(CloudClassDays, CountsEachTimeAndTheDailyMeanByClass) {
  struct Case {
    int slots;  // 4 times or 24 hours (main times at 6, 12, 18, 24)
    std::vector<Cell> cells;
    int layer;
    std::string mean;
    std::vector<std::string> expected;  // times 1..5
  };
  auto day1 = [](int step) {
    return std::vector<Cell>{
        {1, step, "0"}, {1, 2 * step, "10"}, {1, 3 * step, "5"}, {1, 4 * step, "2"}};
  };
  const Case cases[] = {
      {4, day1(1), 1, "43", {"1||", "||1", "|1|", "1||", "|1|"}},
      {24, day1(6), 2, "43", {"1||", "||1", "|1|", "1||", "|1|"}},
      // class edges: 2|3, 7|8; "10-" is overcast with gaps; 2.5 and 11 in no class
      {4,
       {{1, 1, "3"}, {1, 2, "7"}, {1, 3, "8"}, {1, 4, "10-"}},
       1,
       "19",
       {"|1|", "|1|", "||1", "||1", "1||"}},
      {4, {{1, 1, "2.5"}, {1, 2, "11"}}, 1, "20", {"||", "||", "", "", "|1|"}},
      {4, {}, 1, "80", {"", "", "", "", "|1|"}},
      {4, {}, 1, "81", {"", "", "", "", "||1"}},
  };
  for (const Case& c : cases) {
    ElementTable cloud = Filled(1, c.slots, "", c.cells);
    StatisticsResults r;
    r.DailyStats.At(1, c.layer == 1 ? 9 : 11) = c.mean;
    CloudClassDays(1, cloud, r.DailyStats, r.CloudDayCounts, c.layer);
    for (int t = 1; t <= 5; ++t) {
      std::string expected = c.expected[t - 1].empty() ? "||" : c.expected[t - 1];
      EXPECT_EQ(CloudClasses(r.CloudDayCounts, c.layer, t), expected)
          << "time " << t << " mean " << c.mean;
    }
  }
}

TEST(CloudClassDays, SevenMissingObservationsMakeTheTimeMissing) {
  for (int lost : {6, 7}) {
    std::vector<Cell> cells;
    for (int d = 1; d <= lost; ++d) cells.push_back({d, 2, "-"});
    ElementTable cloud = Filled(30, 4, "9", cells);
    StatisticsResults r;
    CloudClassDays(30, cloud, r.DailyStats, r.CloudDayCounts, 1);
    EXPECT_EQ(CloudClasses(r.CloudDayCounts, 1, 2), lost == 6 ? "||24" : "-|-|-");
    EXPECT_EQ(CloudClasses(r.CloudDayCounts, 1, 1), "||30");
    EXPECT_EQ(CloudClasses(r.CloudDayCounts, 1, 5), "||") << "no daily means at all";
  }
  ElementTable allLost = Filled(3, 4, "-");
  StatisticsResults r;
  CloudClassDays(3, allLost, r.DailyStats, r.CloudDayCounts, 2);
  EXPECT_EQ(CloudClasses(r.CloudDayCounts, 2, 1), "-|-|-");
}

TEST(VisibilityClassCounts, CountsByClassAtTheMainTimes) {
  // 26 slots: 24 hours, the day's minimum and its time; main times 6t.
  ElementTable v = Filled(9, 26, "",
                          {{1, 6, "9"},
                           {2, 6, "10"},
                           {3, 6, "19"},
                           {4, 6, "20"},
                           {5, 6, "39"},
                           {6, 6, "40"},
                           {7, 6, "99"},
                           {8, 6, "100"},
                           {9, 6, "9.5"},
                           {1, 1, "500"},
                           {1, 12, "350"}});
  StatisticsResults r;
  VisibilityClassCounts(9, v, r.VisibilityCounts);
  EXPECT_EQ(test::Row(r.VisibilityCounts, 1), "1|2|2|2|1");
  EXPECT_EQ(test::Row(r.VisibilityCounts, 2), "||||1");
  EXPECT_EQ(test::Row(r.VisibilityCounts, 3), "||||");
}

TEST(HourlyPrecipitationTotals, ExcusesAMissingHourRightAfterAnA) {
  struct Case {
    std::vector<Cell> cells;  // on an otherwise empty day
    std::string expected;
  };
  const Case cases[] = {
      {{}, ""},
      {{{1, 9, "-"}}, "-"},
      {{{1, 3, "5"}, {1, 4, "12"}}, "17"},
      {{{1, 3, "5"}, {1, 4, "A"}, {1, 5, "-"}, {1, 6, "-"}, {1, 7, "8"}}, "13"},
      {{{1, 3, "5"}, {1, 4, "A"}, {1, 6, "-"}}, "-"},  // an empty hour between
      {{{1, 3, "5"}, {1, 4, "A"}, {1, 5, "3"}, {1, 6, "-"}}, "-"},
  };
  for (const Case& c : cases) {
    ElementTable r2 = Filled(1, 24, "", c.cells);
    StatisticsResults r;
    HourlyPrecipitationTotals(1, r2, r.DailyStats, r.HourlyPrecipTotal);
    EXPECT_EQ(r.DailyStats.At(1, 15), c.expected) << test::Row(r2, 1);
  }
}

TEST(HourlyPrecipitationTotals, MonthTotalAllowsSixMissingDays) {
  for (int lost : {6, 7}) {
    std::vector<Cell> cells;
    for (int d = 1; d <= lost; ++d) cells.push_back({d, 1, "-"});
    cells.push_back({20, 1, "25"});
    ElementTable r2 = Filled(30, 24, "", cells);
    StatisticsResults r;
    HourlyPrecipitationTotals(30, r2, r.DailyStats, r.HourlyPrecipTotal);
    EXPECT_EQ(r.HourlyPrecipTotal, lost == 6 ? "25" : "-");
  }
}

TEST(RecordedWindSpeedMeans, KeepsBothMeansThroughAMissingHour) {
  ElementTable f2 =
      Filled(2, 24, "90/20", {{1, 3, "-/-"}, {2, 12, "-/-"}, {2, 1, "90/44"}, {2, 3, "90/80"}});
  StatisticsResults r;
  RecordedWindSpeedMeans(2, f2, r.DailyStats, r.WindSpeedStats);
  EXPECT_EQ(r.DailyStats.At(1, 18), "20");
  EXPECT_EQ(r.DailyStats.At(1, 19), "20");
  // a missing main time: the four-time mean takes the 24-hour mean
  EXPECT_EQ(r.DailyStats.At(2, 19), "24");
  EXPECT_EQ(r.DailyStats.At(2, 18), "24");
  EXPECT_EQ(r.WindSpeedStats.At(1), "32");
  EXPECT_EQ(r.WindSpeedStats.At(12), "20");
  // missing hours: the month is the mean of the hour means
  EXPECT_EQ(r.WindSpeedStats.At(25), "20");
  EXPECT_EQ(r.WindSpeedStats.At(26), "23");
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
