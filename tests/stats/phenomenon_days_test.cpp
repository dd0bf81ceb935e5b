#include "stats/phenomenon_days.h"

#include <gtest/gtest.h>

#include "stats/stats_fixtures.h"

namespace quillon {
namespace {

TEST(PhenomenonDayCounts, ListsFoldsAndCountsEachDay) {
  struct Case {
    std::string text, list;
    std::vector<std::pair<int, std::string>> counts;  // position in the counted list
  };
  const Case cases[] = {
      {"60 0012-0517,60 1513-2118,70 0100-0200,.", "60 70", {{1, "1"}, {2, "1"}}},
      {"68 0100-0200,.", "60 70", {{1, "1"}, {2, "1"}}},
      {"42 0100-0200,10 0300-0400,.", "42", {{5, "1"}, {6, ""}}},
      {"(01,)10 0550-0850,.", "01 10", {{7, "1"}, {6, "1"}}},
      {"39,17 N,13,31,07,.", "70 38 17 31", {{2, "1"}, {11, "1"}, {21, "1"}, {15, "1"}, {16, ""}}},
      {"80,50,77,90,.", "60 70 90", {{1, "1"}, {2, "1"}}},
      {"60.", "", {{1, ""}}},
      {"", "", {}},
  };
  for (const Case& c : cases) {
    ElementTable w;
    w.Resize(1, 0, 24);
    w.At(1, 0) = c.text;
    StatisticsResults r;
    PhenomenonDayCounts(1, w, r.DailyStats, r.PhenomenonDays);
    EXPECT_EQ(r.DailyStats.At(1, 13), c.list) << c.text;
    for (const auto& [k, expected] : c.counts) EXPECT_EQ(r.PhenomenonDays.At(k), expected) << k;
  }
}

TEST(PhenomenonDayCounts, CountsDaysNotOccurrences) {
  ElementTable w;
  w.Resize(3, 0, 24);
  w.At(1, 0) = "60 0100-0200,60 0500-0600,.";
  w.At(2, 0) = "60 0100-0200,.";
  w.At(3, 0) = ".";
  StatisticsResults r;
  PhenomenonDayCounts(3, w, r.DailyStats, r.PhenomenonDays);
  EXPECT_EQ(test::Entries(r.PhenomenonDays, 1, 3), "2||");
  EXPECT_THROW(PhenomenonDayCounts(4, w, r.DailyStats, r.PhenomenonDays), std::out_of_range);
}

}  // namespace
}  // namespace quillon
