// The statistics driver: which routine each table's width selects, and a
// fault that ends the call with the earlier results kept.
#include "stats/month_statistics.h"

#include <gtest/gtest.h>

#include <map>

namespace quillon {
namespace {

// An hourly station-month of 31 days with "100" in every cell.
MonthData HourlyMonth() {
  static const std::map<std::string_view, std::pair<int, int>> kSlots = {
      {"TableP", {1, 28}},  {"TableT", {1, 28}},  {"TableU", {1, 26}},  {"TableR", {1, 3}},
      {"TableW", {0, 24}},  {"TableD", {1, 28}},  {"TableB", {1, 28}},  {"TableB2", {1, 1}},
      {"TableK", {0, 24}},  {"TableK2", {0, 24}}, {"TableK3", {0, 24}}, {"TableL", {0, 1}},
      {"TableL2", {1, 25}}, {"TableZ", {1, 2}},   {"TableF3", {1, 4}},  {"TableA", {1, 4}},
      {"TableG", {1, 9}},   {"TableS", {1, 27}},  {"TableR3", {1, 2}}};
  MonthData m;
  m.Header.Year = "2008";
  m.Header.Month = "03";
  m.Header.DaysInMonth = 31;
  m.SectionModes.Resize(1, 20);
  m.TableR4.Resize(1, 3);
  for (std::string_view name : TableNames()) {
    auto it = kSlots.find(name);
    auto [first, last] = it == kSlots.end() ? std::pair{1, 24} : it->second;
    ElementTable& t = *TableByName(m, name);
    t.Resize(31, first, last);
    for (int d = 1; d <= 31; ++d)
      for (int s = first; s <= last; ++s) t.At(d, s) = "100";
  }
  return m;
}

TEST(ComputeMonthStatistics, EachTableWidthSelectsItsRoutine) {
  MonthData m = HourlyMonth();
  m.TableN2.Resize(31, 1, 26);  // low cloud is hourly only with 24 slots
  for (int d = 1; d <= 31; ++d) m.TableN2.At(d, 6) = m.TableN2.At(d, 12) = "5";
  m.TableP.Resize(31, 1, 5);  // one extreme slot: no extremes
  for (int d = 1; d <= 31; ++d)
    for (int s = 1; s <= 5; ++s) m.TableP.At(d, s) = s % 2 ? "100" : "80";
  for (int s = 1; s <= 4; ++s) m.TableP2.At(1, s) = "999";  // not a main hour
  m.SectionModes.At(20) = "=";
  m.TableU.Resize(31, 1, 24);  // hourly humidity without a minimum slot
  for (int d = 1; d <= 31; ++d)
    for (int s = 1; s <= 24; ++s) m.TableU.At(d, s) = "70";
  StatisticsResults r;
  ASSERT_TRUE(ComputeMonthStatistics(m, r));
  EXPECT_EQ(r.DailyStats.At(1, 1), "90");
  EXPECT_EQ(r.PeriodStats.At(4, 5), "90");
  EXPECT_EQ(r.PeriodStats.At(4, 6), "");
  EXPECT_EQ(r.MonthExtremes.At(1), "");
  EXPECT_EQ(r.DailyStats.At(1, 3), "100");  // the 28-slot temperature is hourly
  EXPECT_EQ(r.DailyStats.At(1, 4), "100");
  EXPECT_EQ(r.MonthExtremes.At(6), "31天");
  EXPECT_EQ(r.DailyStats.At(1, 11), "50");  // a 26-slot low cloud: four times
  EXPECT_EQ(r.PeriodStats.At(4, 140), "50");
  EXPECT_EQ(r.DailyStats.At(1, 12), "");
  EXPECT_EQ(r.DailyStats.At(1, 40), "100");
  EXPECT_EQ(r.PeriodStats.At(4, 463), "100");
  EXPECT_EQ(r.PeriodStats.At(4, 459), "100");  // the 02 h mean, not that of slot 1
  EXPECT_EQ(r.DailyStats.At(1, 8), "70");
  EXPECT_EQ(r.MonthExtremes.At(19), "");  // not the lowest 20 h reading
  EXPECT_EQ(r.DailyStats.At(1, 20), "");  // no grass section
  EXPECT_EQ(r.PeriodStats.At(4, 458), "3100");
}

TEST(ComputeMonthStatistics, AFaultEndsTheCallAndKeepsEarlierResults) {
  struct Case {
    const char* what;
    void (*spoil)(MonthData&);
    int keptColumn, lostColumn;  // DailyStats columns of day 1
  };
  const Case cases[] = {
      {"humidity table one day short", [](MonthData& m) { m.TableU.Resize(30, 1, 26); }, 5, 7},
      {"sunshine beyond 32 bits",
       [](MonthData& m) { m.TableS.At(1, 27) = m.TableS.At(2, 27) = "2000000000"; }, 38, 40},
      {"a header never read", [](MonthData& m) { m.Header.DaysInMonth.reset(); }, 0, 1},
  };
  for (const Case& c : cases) {
    MonthData m = HourlyMonth();
    c.spoil(m);
    StatisticsResults r;
    EXPECT_FALSE(ComputeMonthStatistics(m, r)) << c.what;
    if (c.keptColumn) {
      EXPECT_EQ(r.DailyStats.At(1, c.keptColumn), "100") << c.what;
    }
    EXPECT_EQ(r.DailyStats.At(1, c.lostColumn), "") << c.what;
  }
}

}  // namespace
}  // namespace quillon
