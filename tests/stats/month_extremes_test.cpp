// Monthly extremes with their days, frost days, vapour pressure, pentads.
#include "stats/month_extremes.h"

#include <gtest/gtest.h>

#include <map>

#include "stats/pentad_temperatures.h"

namespace quillon {
namespace {

// A one-column month: every day empty but the given ones.
ElementTable Column(int days, const std::map<int, std::string>& cells, int slots = 1) {
  ElementTable t;
  t.Resize(days, 1, slots);
  for (const auto& [d, text] : cells) t.At(d, 1) = text;
  return t;
}

TextList Entries() {
  TextList list;
  list.Resize(1, 100);
  return list;
}

TEST(MonthExtremes, ValueDayTextAndFrostDays) {
  struct Case {
    bool highest;
    std::map<int, std::string> cells;
    const char* letter;
    const char* expected;  // value | day text | entry after the day ("keep" untouched)
  };
  const Case cases[] = {
      {true, {{3, "325"}, {17, "325"}, {5, "301"}}, "T", "325|2天|keep"},
      {true, {{9, "325"}, {17, "301"}, {20, "-"}}, "T", "325|9|keep"},
      {true, {{1, "-"}, {2, ""}}, "T", "||keep"},
      {true, {{20, ">150"}, {21, "150"}}, "A", "150|2天|keep"},  // the ">" mark dropped
      {true, {{20, ">150"}, {21, "120"}}, "A", ">150|20|keep"},
      {true, {{21, "150"}, {22, ">150"}}, "A", "150|2天|keep"},
      {true, {{4, "5"}}, "Z", "5|4|keep"},
      {true, {{4, "5"}}, "P", "05|4|keep"},
      {false, {{1, "12"}, {2, "0"}, {3, "-5"}, {4, "3"}}, "B", "-05|3|2"},  // 2 frost days
      {false, {{1, "12"}, {2, "3"}}, "D", "03|2|"},
      {false, {{1, "-3"}, {2, "-3"}}, "T", "-03|2天|keep"},
      {false, {{7, "9"}}, "U", "9|7|keep"},
  };
  for (const Case& c : cases) {
    TextList e = Entries();
    e.At(77) = "old";
    e.At(79) = "keep";
    (c.highest ? MonthMaximum : MonthMinimum)(30, Column(30, c.cells), 1, e, 77, c.letter);
    EXPECT_EQ(e.At(77) + "|" + e.At(78) + "|" + e.At(79), c.expected) << c.expected;
  }
}

TEST(VapourPressureExtremes, AllObservationsOneCountPerDay) {
  ElementTable e = Column(30, {{2, "45"}, {5, "45"}, {6, "3"}}, 4);
  e.At(2, 3) = "45";  // twice on day 2
  e.At(8, 4) = "3";
  ElementTable period;
  period.Resize(4, 1, 81);
  TextList entries = Entries();
  VapourPressureExtremes(30, e, period, entries);
  EXPECT_EQ(entries.At(15), "45");
  EXPECT_EQ(entries.At(16), "2天");
  EXPECT_EQ(entries.At(17), "03");
  EXPECT_EQ(entries.At(18), "2天");
  period.At(4, 61) = "-";  // the month's mean is missing
  VapourPressureExtremes(30, e, period, entries);
  for (int i = 15; i <= 18; ++i) EXPECT_EQ(entries.At(i), "-");
}

TEST(PentadTemperatureMeans, DailyMeansElseTheObservationTimes) {
  // Daily means 10 + day; day 7 lacks its mean, day 28 of 29 is empty.
  ElementTable daily;
  daily.Resize(31, 1, 3);
  for (int d = 1; d <= 29; ++d) daily.At(d, 3) = std::to_string(10 + d);
  daily.At(7, 3) = "-";
  daily.At(28, 3) = "";
  // Observation times of a three-times station: 02 h empty, one 14 h missing.
  ElementTable t;
  t.Resize(29, 1, 6);
  for (int d = 1; d <= 29; ++d)
    for (int h = 2; h <= 4; ++h) t.At(d, h) = std::to_string(10 * h);
  t.At(7, 3) = "-";
  TextList e = Entries();
  PentadTemperatureMeans(29, t, daily, e);
  EXPECT_EQ(e.At(9), "13");
  EXPECT_EQ(e.At(10), "30");  // (20 + 30 + 40) / 3 from the times
  EXPECT_EQ(e.At(13), "33");
  EXPECT_EQ(e.At(14), "37");  // days 26, 27, 29 of a four-day sixth pentad
  t.At(8, 3) = "-";           // a second missing 14 h reading
  PentadTemperatureMeans(29, t, daily, e);
  EXPECT_EQ(e.At(10), "-");
}

}  // namespace
}  // namespace quillon
