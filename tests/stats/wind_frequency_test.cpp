#include "stats/wind_frequency.h"

#include <gtest/gtest.h>

#include "afile/decode/decode_tables.h"
#include "stats/stats_fixtures.h"

namespace quillon {
namespace {

using test::Cell;
using test::Entries;
using test::Filled;

std::string Kinds(const TextCube<28, 17, 3>& wf, int column, int direction) {
  return wf.At(column, direction, 1) + "|" + wf.At(column, direction, 2) + "|" +
         wf.At(column, direction, 3);
}

TEST(WindDirectionFrequencies, ReadsEachCellOfAFourTimesTable) {
  // 90 degrees at 0.2 m/s is calm; unknown texts and 361 degrees are missing
  ElementTable f =
      test::TableOf({{"NE/35", "45/25", "C  /0", "90/2"}, {"-/-", "XYZ/30", "361/30", "/"}});
  StatisticsResults r;
  WindDirectionFrequencies(2, f, r.WindFrequency, r.MonthExtremes);
  const TextCube<28, 17, 3>& wf = r.WindFrequency;
  // slots 1..4, then the month (NE, calm, N never observed), then means and
  // frequencies of the 4 observations made
  EXPECT_EQ(
      Kinds(wf, 1, 3) + " " + Kinds(wf, 2, 3) + " " + Kinds(wf, 3, 17) + " " + Kinds(wf, 4, 17),
      "35|1|35 25|1|25 0|1|0 2|1|2");
  EXPECT_EQ(Kinds(wf, 5, 3) + " " + Kinds(wf, 5, 17) + " " + Kinds(wf, 5, 1), "60|2|35 02|2|02 ||");
  EXPECT_EQ(Kinds(wf, 6, 3) + " " + Kinds(wf, 6, 17), "30|50| 01|50|");
  EXPECT_EQ(Entries(r.MonthExtremes, 61, 62), "NE|50");
}

TEST(WindDirectionFrequencies, SummarisesTheMainHoursApartFromAMonthOfMissingHours) {
  // 61 missing hours outside 02, 08, 14 and 20 h; fewer than 11 at those times
  std::vector<Cell> cells;
  for (int d = 1; d <= 30; ++d) cells.push_back({d, 1, "-/-"});
  for (int d = 1; d <= 31; ++d) cells.push_back({d, 2, "-/-"});
  for (int d = 1; d <= 10; ++d) cells.push_back({d, 6, "-/-"});
  ElementTable f = Filled(31, 24, "270/40", cells);
  StatisticsResults r;
  WindDirectionFrequencies(31, f, r.WindFrequency, r.MonthExtremes);
  EXPECT_EQ(Kinds(r.WindFrequency, 27, 13), "-|-|-");
  EXPECT_EQ(Kinds(r.WindFrequency, 28, 1), "-|-|-");
  EXPECT_EQ(Entries(r.MonthExtremes, 63, 64), "-|-");
  EXPECT_EQ(Kinds(r.WindFrequency, 25, 13), "4560|114|40");
  EXPECT_EQ(Kinds(r.WindFrequency, 26, 13), "40|100|");  // of 124 - 10 observations
  EXPECT_EQ(Kinds(r.WindFrequency, 6, 13), "840|21|40");
  EXPECT_EQ(Entries(r.MonthExtremes, 61, 62), "W|100");
}

TEST(PrevailingDirection, BreaksTiesByCountThenByTheNeighbours) {
  struct Entry {
    int direction;
    std::string count, frequency;
  };
  struct Case {
    std::vector<Entry> entries;
    std::string expected;  // entries target | target + 1
  };
  const Case cases[] = {
      {{{3, "20", "30"}, {5, "10", "15"}}, "NE|30"},
      {{{3, "20", "30"}, {9, "21", "30"}}, "S|30"},
      {{{3, "20", "30"}, {9, "20", "30"}, {10, "5", "8"}}, "S|30"},
      {{{1, "20", "30"}, {16, "4", "6"}, {9, "20", "30"}, {10, "4", "6"}}, "2个|30"},
      {{{3, "20", "20"}, {17, "40", "40"}}, "C,NE|40,20"},
      {{{3, "40", "40"}, {17, "40", "40"}}, "NE|40"},
      {{{17, "40", "100"}}, "C|100"},
      {{}, "|"},
  };
  for (const Case& c : cases) {
    TextCube<28, 17, 3> wf;
    for (const Entry& e : c.entries) {
      wf.At(5, e.direction, 2) = e.count;
      wf.At(6, e.direction, 2) = e.frequency;
    }
    TextList extremes;
    extremes.Resize(1, 100);
    PrevailingDirection(wf, extremes, 5, 61);
    EXPECT_EQ(Entries(extremes, 61, 62), c.expected);
  }
}

TEST(WindDirectionFrequencies, BadInputThrows) {
  StatisticsResults r;
  EXPECT_THROW(WindDirectionFrequencies(1, Filled(1, 4, "NE/x"), r.WindFrequency, r.MonthExtremes),
               std::invalid_argument);
  EXPECT_THROW(WindDirectionFrequencies(1, Filled(1, 6, "NE/2"), r.WindFrequency, r.MonthExtremes),
               std::out_of_range);
}

}  // namespace
}  // namespace quillon
