// The count statistics of the bundled reference-station March against
// figures worked out by hand from the file's decoded tables.
#include <gtest/gtest.h>

#include <string>

#include "afile/afile_reader.h"
#include "stats/class_counts.h"
#include "stats/phenomenon_days.h"
#include "stats/precipitation.h"
#include "stats/stats_fixtures.h"
#include "stats/sunshine.h"
#include "stats/wind_extremes.h"
#include "stats/wind_frequency.h"
#include "stats/wire_icing.h"
#include "support/table_text.h"

namespace quillon {
namespace {

using test::Entries;

TEST(SampleMonthCounts, MatchTheFiguresWorkedOutByHand) {
  MonthData d;
  ResetMonthData(d);
  d.Header.FilePath = std::string(QUILLON_SAMPLES_DIR) + "/A54511-200803.TXT";
  (void)ReadAFile(d);
  ASSERT_TRUE(d.Header.ReadOk) << d.Header.ReadError;
  StatisticsResults r;
  r.PeriodStats.At(4, 458) = "2412";  // the month's sunshine, summed by the means
  PrecipitationStatistics(d.Header, d.TableR, d.TableR4, r.DailyStats, r.PeriodStats,
                          r.MonthExtremes);
  HourlyPrecipitationTotals(31, d.TableR2, r.DailyStats, r.HourlyPrecipTotal);
  RecordedWindSpeedMeans(31, d.TableF2, r.DailyStats, r.WindSpeedStats);
  MonthWindExtreme(31, d.TableF3, r.MonthExtremes, 1);
  MonthWindExtreme(31, d.TableF3, r.MonthExtremes, 3);
  WindDirectionFrequencies(31, d.TableF, r.WindFrequency, r.MonthExtremes);
  SunshinePercentages(31, d.TableS, d.Header, r.PeriodStats, r.SunshineStats);
  PhenomenonDayCounts(31, d.TableW, r.DailyStats, r.PhenomenonDays);
  WireIcingMaximum(31, d.TableG, r.MonthExtremes, 4);
  WireIcingMaximum(31, d.TableG, r.MonthExtremes, 7);
  CloudClassDays(31, d.TableN, r.DailyStats, r.CloudDayCounts, 1);
  VisibilityClassCounts(31, d.TableV, r.VisibilityCounts);

  EXPECT_EQ(r.PeriodStats.At(4, 164), "28");
  EXPECT_EQ(r.DailyStats.At(16, 14), "28");
  EXPECT_EQ(r.HourlyPrecipTotal, "28");
  EXPECT_EQ(r.WindSpeedStats.At(1) + "|" + Entries(r.WindSpeedStats, 25, 26), "20|27|29");
  EXPECT_EQ(Entries(r.MonthExtremes, 35, 41), "28|16|1|28|16|15|2次");
  EXPECT_EQ(Entries(r.MonthExtremes, 65, 74), "89|W|24|12|35|156|W|24|12|35");
  EXPECT_EQ(Entries(r.MonthExtremes, 61, 64), "NW|19|NW|19");
  EXPECT_EQ(Entries(r.SunshineStats, 1, 3), "19|2|66");
  EXPECT_EQ(r.DailyStats.At(26, 13), "01 10");
  EXPECT_EQ(Entries(r.PhenomenonDays, 1, 7), "1|||||2|1");
  EXPECT_EQ(Entries(r.MonthExtremes, 46, 57), "56|12|8|24|9|10|7|20|9|||");
  EXPECT_EQ(r.CloudDayCounts.At(1, 2, 1) + "|" + r.CloudDayCounts.At(1, 2, 2) + "|" +
                r.CloudDayCounts.At(1, 2, 3),
            "18|12|1");
  EXPECT_EQ(test::Row(r.VisibilityCounts, 1), "|||2|29");
}

}  // namespace
}  // namespace quillon
