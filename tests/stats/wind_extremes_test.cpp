#include "stats/wind_extremes.h"

#include <gtest/gtest.h>

#include "stats/stats_fixtures.h"

namespace quillon {
namespace {

using test::Cell;
using test::Entries;
using test::Filled;

TEST(MonthWindExtreme, FindsTheStrongestRecordWithItsDirectionAndTime) {
  struct Case {
    std::vector<Cell> cells;  // in slots 3 (extreme wind, speed first) and 4 (time)
    std::string expected;     // entries 70..74
  };
  const Case cases[] = {
      {{{12, 3, "156/90"}, {12, 4, "1435"}, {3, 3, "98/200"}}, "156|E|12|14|35"},
      {{{5, 3, "170/315"}, {21, 3, "170/0"}, {9, 3, "120/0"}}, "170|2个|2天||"},
      {{{5, 3, "170/315"}, {21, 3, "170/320"}}, "170|NW|2天||"},
      {{{4, 3, "80/-"}, {4, 4, "-"}}, "80|-|4|-|-"},
      {{{4, 3, "-/-"}, {5, 3, "/"}}, "||||"},
  };
  for (const Case& c : cases) {
    ElementTable f3 = Filled(31, 4, "", c.cells);
    StatisticsResults r;
    r.MonthExtremes.At(70) = "old";
    MonthWindExtreme(31, f3, r.MonthExtremes, 3);
    EXPECT_EQ(Entries(r.MonthExtremes, 70, 74), c.expected);
    EXPECT_EQ(Entries(r.MonthExtremes, 65, 69), "||||") << "the maximum wind is untouched";
  }
}

TEST(ObservedWindMaximum, CountsTheDaysOfTheStrongestObservation) {
  struct Case {
    std::vector<Cell> cells;
    std::string expected;  // entries 58..60
  };
  const Case cases[] = {
      {{{3, 1, "90/120"}, {8, 2, "NW/80"}}, "120|E|3"},
      {{{3, 1, "90/120"}, {9, 2, "90/120"}, {9, 4, "315/120"}}, "120|2个|2天"},
      {{{3, 1, "90/120"}, {3, 2, "315/120"}}, "120|E,NW|3"},
      {{{3, 1, "90/-"}, {4, 1, "-/-"}, {5, 1, "/"}}, "||"},
  };
  for (const Case& c : cases) {
    ElementTable f = Filled(31, 4, "", c.cells);
    StatisticsResults r;
    ObservedWindMaximum(31, f, r.MonthExtremes);
    EXPECT_EQ(Entries(r.MonthExtremes, 58, 60), c.expected);
  }
}

TEST(MonthWindExtreme, BadInputThrows) {
  StatisticsResults r;
  EXPECT_THROW(MonthWindExtreme(1, Filled(1, 4, "x/90"), r.MonthExtremes, 1),
               std::invalid_argument);
  EXPECT_THROW(MonthWindExtreme(2, Filled(1, 4, ""), r.MonthExtremes, 1), std::out_of_range);
}

}  // namespace
}  // namespace quillon
