#include "stats/wire_icing.h"

#include <gtest/gtest.h>

#include "stats/stats_fixtures.h"

namespace quillon {
namespace {

using test::Entries;

// Days of icing: code, south-north diameter, thickness, weight, east-west
// diameter, thickness, weight, air temperature, wind.
using IcingDay = std::vector<std::string>;

TEST(WireIcingMaximum, FindsEachWiresHeaviestIcingAndMergesWhatGoesWithIt) {
  struct Case {
    std::vector<IcingDay> days;
    std::string northSouth;  // entries 47..50
    std::string eastWest;    // 51..54
    std::string shared;      // 46 and 55..57
  };
  const Case cases[] = {
      {{{"56", "12", "5", "30", "", "", "", "-03", "045/12"}}, "12|5|30|1", "|||", "56|-03|045|12"},
      {{{"48", "12", "5", "30", "", "", "", "-03", "045/12"},
        {"56", "", "", "", "20", "8", "40", "-05", "090/5"}},
       "12|5|30|1",
       "20|8|40|2",
       "5648|2个|2个|2个"},
      {{{"56", "", "", "", "20", "8", "40", "-05", "090/5"}}, "|||", "20|8|40|1", "56|-05|090|05"},
      // no weight measured: the larger deposit is the heaviest
      {{{"56", "12", "5", "", "", "", "", "-03", "045/12"},
        {"56", "10", "9", "", "", "", "", "-04", "045/12"}},
       "10|9||2",
       "|||",
       "56|-04|045|12"},
      // equal weights: the larger deposit; equal both: the days are counted
      {{{"5648", "12", "5", "30", "12", "5", "30", "-03", "045/12"},
        {"56", "14", "5", "30", "12", "5", "30", "-03", "045/12"}},
       "14|5|30|2",
       "12|5|30|2天",
       "5648|-03|045|12"},
  };
  for (const Case& c : cases) {
    ElementTable g;
    g.Resize(static_cast<int>(c.days.size()), 1, 9);
    for (size_t d = 0; d < c.days.size(); ++d)
      for (int s = 1; s <= 9; ++s) g.At(static_cast<int>(d) + 1, s) = c.days[d][s - 1];
    StatisticsResults r;
    int days = g.Days();
    WireIcingMaximum(days, g, r.MonthExtremes, 4);
    WireIcingMaximum(days, g, r.MonthExtremes, 7);
    EXPECT_EQ(Entries(r.MonthExtremes, 47, 50), c.northSouth);
    EXPECT_EQ(Entries(r.MonthExtremes, 51, 54), c.eastWest);
    EXPECT_EQ(r.MonthExtremes.At(46) + "|" + Entries(r.MonthExtremes, 55, 57), c.shared);
  }
}

}  // namespace
}  // namespace quillon
