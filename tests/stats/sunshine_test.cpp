#include "stats/sunshine.h"

#include <gtest/gtest.h>

#include "stats/stats_fixtures.h"

namespace quillon {
namespace {

// January 2008 at 30.00N 105.00E: 10.37 h possible on the 16th, so 60 % is
// 62 and 20 % is 21 tenths of an hour.
AFileHeader January() {
  AFileHeader h;
  h.Year = "2008", h.Month = "01", h.Latitude = "30.00N", h.Longitude = "105.00E";
  return h;
}

TEST(SunshinePercentages, CountsDaysAtTheThresholdsOfTheMiddleDay) {
  struct Case {
    std::string totals;  // slot 27 by day
    std::string monthTotal;
    std::string expected;  // entries 1|2|3
  };
  const Case cases[] = {
      {"62 61 21 22", "166", "1|1|41"}, {"100 100 100 100", "400", "4||98"},
      {"62 - - 21", "83", "1|1|41"},  // lost days do not add to the possible sunshine
      {"62 - 21 _", "-", "-|-|-"},      {"_ _ _ _", "", "||"},
  };
  for (const Case& c : cases) {
    ElementTable s = test::Column(27, 27, c.totals);
    ElementTable period;
    period.Resize(4, 1, 500);
    period.At(4, 458) = c.monthTotal;
    TextList stats;
    stats.Resize(1, 3);
    SunshinePercentages(s.Days(), s, January(), period, stats);
    EXPECT_EQ(test::Entries(stats, 1, 3), c.expected) << c.totals;
  }
}

}  // namespace
}  // namespace quillon
