#include "stats/precipitation.h"

#include <gtest/gtest.h>

#include "stats/stats_fixtures.h"

namespace quillon {
namespace {

using test::Column;
using test::Entries;

struct Month {
  AFileHeader header;
  ElementTable tableR;
  TextList tableR4;
  StatisticsResults r;

  // Day totals (slot 3) as a line of values; R4 items 1..3.
  Month(const std::string& totals, std::vector<std::string> r4 = {"", "", ""},
        std::string month = "03") {
    tableR = Column(3, 3, totals);
    header.Year = "2008";
    header.Month = month;
    header.DaysInMonth = tableR.Days();
    tableR4.Resize(1, 3);
    for (int i = 1; i <= 3; ++i) tableR4.At(i) = r4[static_cast<size_t>(i) - 1];
  }
  void Run() {
    PrecipitationStatistics(header, tableR, tableR4, r.DailyStats, r.PeriodStats, r.MonthExtremes);
  }
};

std::string Days(const std::string& pattern) {  // "w" wet (10), "." dry, "-" lost, digits kept
  std::string line;
  for (char c : pattern)
    line += c == 'w' ? "10 " : c == '.' ? "_ " : c == '-' ? "- " : std::string(1, c) + " ";
  return line;
}

TEST(PrecipitationStatistics, JoinsTheDayFrom08To08AndCountsThresholdDays) {
  // (08-20 h of the day, 20-08 h of the next) -> 08-08 h; the last day takes
  // the next month's first night from the rain summary
  const std::string cases[][3] = {{"12", "5", "17"}, {"12", "-", "12"}, {"-", "5", "5"},
                                  {"-", "-", "-"},   {"-", "", "-"},    {"", "", ""}};
  for (const auto& [afternoon, night, expected] : cases) {
    Month m(Days("...."), {night, "", ""});
    m.tableR.At(2, 2) = m.tableR.At(4, 2) = afternoon;
    m.tableR.At(3, 1) = night;
    m.Run();
    EXPECT_EQ(m.r.DailyStats.At(2, 14) + "|" + m.r.DailyStats.At(4, 14), expected + "|" + expected)
        << afternoon << "+" << night;
  }
  Month m("250 1 0 9 1500 _ - 00");
  m.Run();
  EXPECT_EQ(Entries(m.r.MonthExtremes, 27, 36), "4|2|2|2|2|1|1|1|1500|5");
}

TEST(PrecipitationStatistics, PentadsAndDekadsAllowFewMissingDays) {
  // pentad 1: one lost day; pentad 2: two; the first dekad then has three
  Month m("10 - 10 10 10 - - 10 10 10 5 5 5 5 5 5 5 5 5 5 _ _ _ _ _ _ _ _ _ _ 30");
  m.Run();
  EXPECT_EQ(Entries(m.r.MonthExtremes, 21, 26), "40|-|25|25||30");
  EXPECT_EQ(m.r.PeriodStats.At(1, 164), "-");
  EXPECT_EQ(m.r.PeriodStats.At(2, 164), "50");
  EXPECT_EQ(m.r.PeriodStats.At(3, 164), "30");
  EXPECT_EQ(m.r.PeriodStats.At(4, 164), "150");
  EXPECT_EQ(Entries(m.r.MonthExtremes, 35, 36), "30|31");
}

TEST(PrecipitationStatistics, FindsTheLongestSpells) {
  struct Case {
    std::string days;
    std::vector<std::string> r4;
    std::string wet, dry;  // entries 37|38|39 and 40|41
  };
  const Case cases[] = {
      {Days("......"), {"", "", ""}, "||", "6|1-6"},
      {"_ 10 10 20 _ _ 15 15 25", {"", "", ""}, "3|55|7-9", "2|5-6"},
      {"_ 10 10 20 _ _ 15 15 10", {"", "", ""}, "3|40|2次", "2|5-6"},
      {Days("..w.w.."), {"", "", ""}, "1|10|2次", "2|2次"},
      {Days("w...w."), {"", "", ""}, "1|10|2次", "3|2-4"},
      // a spell running since 28 February (leap year) with 50 so far
      {Days("www..."), {"", "28-02/2008", "50"}, "5|80|28-02/2008-3", "3|4-6"},
      // the spell of the previous month ended with it
      {Days("..ww.."), {"", "28-02/2008", "50"}, "2|20|3-4", "2|2次"},
      {Days("ww...."), {"", "-/-/-", "-"}, "2|20|1-2", "4|3-6"},
      {Days("ww..."), {"", "28-02/2008", "-"}, "4|-|28-02/2008-2", "3|3-5"},  // rain so far lost
      {Days("...w.."), {"", "00-00/2008", ""}, "1|10|4", "3|1-3"},
      // a lost day belongs to no spell
      {Days("ww-www.."), {"", "", ""}, "3|30|4-6", "2|7-8"},
      {"00 00 5 00", {"", "", ""}, "1|05|3", "2|1-2"},
  };
  for (const Case& c : cases) {
    Month m(c.days, c.r4);
    m.Run();
    EXPECT_EQ(Entries(m.r.MonthExtremes, 37, 39), c.wet) << c.days;
    EXPECT_EQ(Entries(m.r.MonthExtremes, 40, 41), c.dry) << c.days;
  }
}

TEST(PrecipitationStatistics, RainMeasuredWithALaterObservationIsAWetDayOfNoAmount) {
  struct Case {
    std::string days, expected;  // entries 27..39, then the month's total
  };
  const Case cases[] = {
      {"A 250 _", "1|1|1|1|1||||250|2|2|250|1-2;250"},
      {"A A _", "||||||||00|2天|2||1-2;00"},
  };
  for (const Case& c : cases) {
    Month m(c.days);
    m.Run();
    EXPECT_EQ(Entries(m.r.MonthExtremes, 27, 39) + ";" + m.r.PeriodStats.At(4, 164), c.expected)
        << c.days;
  }
}

TEST(PrecipitationStatistics, BadInputThrows) {
  Month badStart(Days("ww."), {"", "31-12", "40"});
  EXPECT_THROW(badStart.Run(), std::invalid_argument);
  Month noSummary(Days("w."));
  noSummary.tableR4.Erase();
  EXPECT_THROW(noSummary.Run(), std::out_of_range);
}

}  // namespace
}  // namespace quillon
