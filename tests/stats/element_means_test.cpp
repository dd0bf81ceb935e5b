// Daily, dekad and monthly means: counting limits, scale, format, corrections.
#include "stats/element_means.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <sstream>

namespace quillon {
namespace {

// A days x [1, slots] table with cell(d, s) in every cell.
ElementTable Table(int days, int slots, const std::function<std::string(int, int)>& cell) {
  ElementTable t;
  t.Resize(days, 1, slots);
  for (int d = 1; d <= days; ++d)
    for (int s = 1; s <= slots; ++s) t.At(d, s) = cell(d, s);
  return t;
}

// One day from blank-separated cells, "_" for an empty one.
ElementTable Day(const std::string& cells) {
  std::vector<std::string> list;
  std::istringstream in(cells);
  for (std::string c; in >> c;) list.push_back(c == "_" ? "" : c);
  return Table(1, static_cast<int>(list.size()), [&](int, int s) { return list[s - 1]; });
}

std::string Hours(const std::string& first, int count, const std::string& rest) {
  std::string text;
  for (int i = 0; i < 24; ++i) text += (i < count ? first : rest) + " ";
  return text;
}

TEST(DailyMean, CountsScalesAndFormats) {
  struct Case {
    std::string cells;
    int n;
    const char* letter;
    const char* expected;
  };
  const Case cases[] = {
      {"3 5 8 10", 4, "N", "65"},
      {"85 90 92 88", 4, "U", "89"},
      {"5 5 6 5", 4, "T", "05"},
      {"5 5 6 5", 4, "U", "5"},
      {"12 13 12 13", 4, "T", "13"},
      {"-12 -13 -12 -13", 4, "T", "-13"},
      {"5 - 6 5", 4, "T", "-"},
      {"_ _ _ _", 4, "T", ""},
      {"- - - -", 4, "T", "-"},
      {"_ - _ _", 4, "T", "-"},
      {"_ 4 6 8", 4, "T", "06"},
      {"NE/35 N/25 -/- C/0", 4, "F", "-"},
      {"NE/35 N/25 C/0 -/20", 4, "F", "20"},
      {Hours("-", 5, "19"), 24, "P", "19"},
      {Hours("-", 6, "19"), 24, "P", "-"},
      // An hourly table's four times are its 02, 08, 14 and 20 h slots.
      {Hours("7", 5, "1") + "_ _", 4, "T", "01"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(DailyMean(Day(c.cells), 1, c.n, c.letter), c.expected) << c.cells;
}

TEST(PeriodMeans, MissingDayLimitsAndTheThirdDekad) {
  struct Case {
    int days;
    int missingFrom, missingTo;  // days that are "-"
    bool total;
    std::vector<std::string> rows;  // dekads 1..3, month
  };
  const Case cases[] = {
      {28, 0, -1, true, {"55", "155", "196", "406"}},
      {29, 0, -1, true, {"55", "155", "225", "435"}},
      {30, 0, -1, true, {"55", "155", "255", "465"}},
      {31, 0, -1, true, {"55", "155", "286", "496"}},
      {31, 0, -1, false, {"06", "16", "26", "16"}},
      {31, 1, 2, false, {"07", "16", "26", "17"}},    // 2 days a dekad may lack
      {31, 1, 3, false, {"-", "16", "26", "18"}},     // 3 may not
      {31, 9, 14, false, {"05", "-", "26", "17"}},    // 6 a month may lack
      {31, 9, 15, false, {"05", "-", "26", "-"}},     // 7 may not
      {31, 21, 24, true, {"55", "155", "-", "406"}},  // a total keeps the other days
  };
  for (const Case& c : cases) {
    ElementTable table = Table(c.days, 1, [&](int d, int) {
      return d >= c.missingFrom && d <= c.missingTo ? "-" : std::to_string(d);
    });
    ElementTable period;
    period.Resize(4, 1, 1);
    PeriodMeans(c.days, "T", table, 1, period, 1, c.total);
    for (int row = 1; row <= 4; ++row)
      EXPECT_EQ(period.At(row, 1), c.rows[row - 1]) << c.days << " " << c.missingTo << " " << row;
  }
}

TEST(MonthMean, ReadsTheSpeedBehindTheSlash) {
  ElementTable wind =
      Table(30, 1, [](int d, int) { return d == 1 ? "-/-" : "NE/" + std::to_string(d); });
  EXPECT_EQ(MonthMean(30, wind, 1, false), "16");
  EXPECT_EQ(MonthMean(30, wind, 1, true), "464");
}

TEST(ElementMeansHourly, MissingHoursAndTheirCorrections) {
  // The 03 h hour carries the day's whole sum: a missing 03 h changes the
  // daily mean far more than the hour mean.
  struct Case {
    int missingSlot, missingDays;
    const char* day1;   // four-time | 24-hour daily mean
    const char* month;  // period means of the two daily means
    const char* firstDekad;
  };
  const Case cases[] = {
      {8, 3, "00|00", "00|10", "00|00"},  // not 09: the mean of the hour means
      {6, 7, "10|10", "-|10", "-|10"},    // seven missing 02 h readings
  };
  for (const Case& c : cases) {
    ElementTable t = Table(31, 24, [&](int d, int s) {
      return std::string(s == c.missingSlot && d <= c.missingDays ? "-" : s == 8 ? "240" : "0");
    });
    ElementTable daily, period;
    daily.Resize(31, 1, 2);
    period.Resize(4, 1, 26);
    ElementMeansHourly(31, t, daily, period, 1, 1, "T");
    auto pair = [](const ElementTable& t, int row, int c) {
      return t.At(row, c) + "|" + t.At(row, c + 1);
    };
    EXPECT_EQ(pair(daily, 1, 1), c.day1);
    EXPECT_EQ(pair(period, 4, 25), c.month);
    EXPECT_EQ(pair(period, 1, 25), c.firstDekad);
  }
}

TEST(ElementMeansHourly, UncheckedCountAgreesWithTheCheckedOne) {
  // Months of small readings are counted without checking each sum: every
  // mean must still be what the checked count gives.
  const std::vector<std::string> plain = {"", "-", "0", "7", "-12", "305", "1013", "-0"};
  const std::vector<std::string> wind = {"", "-/-", "NE/35", "90/0", "C/0", "315/12", "N/-"};
  std::mt19937 random(54511);
  for (const char* letter : {"T", "U", "N", "P", "F"}) {
    const auto& pool = std::string(letter) == "F" ? wind : plain;
    for (int month = 0; month < 20; ++month) {
      int days = 28 + month % 4;
      // Gaps ("" and "-") in most days, in a day now and then, or (wind aside) in none.
      int gaps = month % 3;
      std::uniform_int_distribution<size_t> pick(gaps == 0 ? 0 : 2,
                                                 month % 2 ? pool.size() - 1 : 5);
      std::bernoulli_distribution gap(gaps == 1 ? 0.02 : 0);
      ElementTable t =
          Table(days, 24, [&](int, int) { return pool[gap(random) ? 1 : pick(random)]; });
      ElementTable fast[2], checked[2];
      for (ElementTable* r : {fast, checked}) {
        r[0].Resize(31, 1, 2);
        r[1].Resize(4, 1, 26);
      }
      ElementMeansHourly(days, t, fast[0], fast[1], 1, 1, letter);
      ElementMeansHourlyChecked(days, t, checked[0], checked[1], 1, 1, letter);
      for (int k = 0; k < 2; ++k)
        for (int row = 1; row <= fast[k].Days(); ++row)
          for (int c = 1; c <= fast[k].LastSlot(); ++c)
            ASSERT_EQ(fast[k].At(row, c), checked[k].At(row, c))
                << letter << " " << row << "," << c;
    }
  }
}

TEST(ElementMeansFourTimes, MissingTimeCorrectionAndCloudScale) {
  // Day 1 lacks its 08 h reading and so its daily mean, but its 02 h reading
  // still counts in the mean of the time means.
  ElementTable t = Table(31, 4, [](int d, int s) {
    if (d == 1) return std::string(s == 1 ? "400" : s == 2 ? "-" : "0");
    return std::string(s == 2 ? "40" : "0");
  });
  ElementTable daily, period;
  daily.Resize(31, 1, 1);
  period.Resize(4, 1, 5);
  ElementMeansFourTimes(31, t, daily, period, 1, 1, "P");
  EXPECT_EQ(daily.At(1, 1), "-");
  EXPECT_EQ(period.At(4, 1), "13");
  EXPECT_EQ(period.At(4, 5), "13");  // not the 10 of the complete days
  EXPECT_EQ(period.At(2, 5), "10");

  const int amounts[] = {3, 5, 8, 10};
  ElementTable cloud = Table(31, 4, [&](int, int s) { return std::to_string(amounts[s - 1]); });
  ElementMeansFourTimes(31, cloud, daily, period, 1, 1, "N");
  EXPECT_EQ(daily.At(9, 1), "65");
  EXPECT_EQ(period.At(4, 5), "65");  // daily means are already in tenths
  EXPECT_EQ(period.At(4, 1), "30");
}

}  // namespace
}  // namespace quillon
