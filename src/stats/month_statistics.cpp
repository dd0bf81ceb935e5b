#include "stats/month_statistics.h"

#include <exception>

#include "stats/class_counts.h"
#include "stats/element_means.h"
#include "stats/month_extremes.h"
#include "stats/pentad_temperatures.h"
#include "stats/phenomenon_days.h"
#include "stats/precipitation.h"
#include "stats/sunshine.h"
#include "stats/wind_extremes.h"
#include "stats/wind_frequency.h"
#include "stats/wire_icing.h"

namespace quillon {
namespace {

// What every step works on.
struct Month {
  const MonthData& data;
  StatisticsResults& r;
  int days;
};

// Section numbers of the modes that tell whether a section was observed.
constexpr int kRainSection = 10;
constexpr int kGroundSection = 16;
constexpr int kGrassSection = 20;

// A mode of "0=" or "=" is a section written without observations.
bool Observed(const Month& c, int section) {
  const std::string& mode = c.data.SectionModes.At(section);
  return mode != "0=" && mode != "=";
}

void Means(const Month& c, const ElementTable& table, int m, int s, std::string_view letter,
           bool hourly) {
  (hourly ? ElementMeansHourly : ElementMeansFourTimes)(c.days, table, c.r.DailyStats,
                                                        c.r.PeriodStats, m, s, letter);
}

// Slots of the day's maximum and minimum behind the observations, 0 for none.
int MaximumSlot(int w) { return w == 6 ? 5 : (w == 26 || w == 28) ? 25 : 0; }
int MinimumSlot(int w) { return w == 6 ? 6 : w == 26 ? 26 : w == 28 ? 27 : 0; }

// Period means of the daily maximum and minimum, and the month's extremes
// into monthExtremes i (highest) and i + 2 (lowest). Without a minimum slot
// there are no monthly extremes.
void DailyExtremes(const Month& c, const ElementTable& table, int s, int i,
                   std::string_view letter) {
  int w = table.LastSlot();
  bool hourly = w > 23;
  if (int slot = MaximumSlot(w))
    PeriodMeans(c.days, letter, table, slot, c.r.PeriodStats, hourly ? s + 26 : s + 5, false);
  int lowest = MinimumSlot(w);
  if (lowest == 0) return;
  PeriodMeans(c.days, letter, table, lowest, c.r.PeriodStats, hourly ? s + 27 : s + 6, false);
  MonthMaximum(c.days, table, MaximumSlot(w), c.r.MonthExtremes, i, letter);
  MonthMinimum(c.days, table, lowest, c.r.MonthExtremes, i + 2, letter);
}

void StationPressure(const Month& c) {
  const ElementTable& p = c.data.TableP;
  Means(c, p, 1, 1, "P", p.LastSlot() >= 24);
  DailyExtremes(c, p, 1, 1, "P");
}

void AirTemperature(const Month& c) {
  const ElementTable& t = c.data.TableT;
  Means(c, t, 3, 29, "T", t.LastSlot() >= 24);
  DailyExtremes(c, t, 29, 5, "T");
  PentadTemperatureMeans(c.days, t, c.r.DailyStats, c.r.MonthExtremes);
}

void VapourPressure(const Month& c) {
  const ElementTable& e = c.data.TableE;
  Means(c, e, 5, 57, "E", e.LastSlot() >= 24);
  VapourPressureExtremes(c.days, e, c.r.PeriodStats, c.r.MonthExtremes);
}

void RelativeHumidity(const Month& c) {
  const ElementTable& u = c.data.TableU;
  int w = u.LastSlot();
  Means(c, u, 7, 83, "U", w >= 24);
  // The day's minimum follows the 4 or 24 observations (with its time in
  // slot 26); a table without it has no monthly minimum.
  int observations = w >= 24 ? 24 : 4;
  if (w > observations) MonthMinimum(c.days, u, w == 26 ? 25 : w, c.r.MonthExtremes, 19, "U");
}

void TotalCloud(const Month& c) {
  const ElementTable& n = c.data.TableN;
  Means(c, n, 9, 110, "N", n.LastSlot() >= 24);
  CloudClassDays(c.days, n, c.r.DailyStats, c.r.CloudDayCounts, 1);
}

void LowCloud(const Month& c) {
  const ElementTable& n2 = c.data.TableN2;
  Means(c, n2, 11, 136, "N", n2.LastSlot() == 24);
  CloudClassDays(c.days, n2, c.r.DailyStats, c.r.CloudDayCounts, 2);
}

void Visibility(const Month& c) {
  VisibilityClassCounts(c.days, c.data.TableV, c.r.VisibilityCounts);
}

void Precipitation(const Month& c) {
  if (!Observed(c, kRainSection)) return;
  PrecipitationStatistics(c.data.Header, c.data.TableR, c.data.TableR4, c.r.DailyStats,
                          c.r.PeriodStats, c.r.MonthExtremes);
}

void WeatherPhenomena(const Month& c) {
  PhenomenonDayCounts(c.days, c.data.TableW, c.r.DailyStats, c.r.PhenomenonDays);
}

void HourlyRainAndTenMinuteWind(const Month& c) {
  HourlyPrecipitationTotals(c.days, c.data.TableR2, c.r.DailyStats, c.r.HourlyPrecipTotal);
  RecordedWindSpeedMeans(c.days, c.data.TableF2, c.r.DailyStats, c.r.WindSpeedStats);
}

void MaximumAndExtremeWind(const Month& c) {
  MonthWindExtreme(c.days, c.data.TableF3, c.r.MonthExtremes, 1);
  MonthWindExtreme(c.days, c.data.TableF3, c.r.MonthExtremes, 3);
}

void Evaporation(const Month& c) {
  const ElementTable& l2 = c.data.TableL2;
  PeriodMeans(c.days, "L", c.data.TableL, 1, c.r.PeriodStats, 166, true);
  PeriodMeans(c.days, "L", l2, l2.LastSlot() > 24 ? 25 : 1, c.r.PeriodStats, 167, true);
}

void Snow(const Month& c) {
  MonthMaximum(c.days, c.data.TableZ, 1, c.r.MonthExtremes, 42, "Z");
  MonthMaximum(c.days, c.data.TableZ, 2, c.r.MonthExtremes, 44, "Z");
}

void WireIcing(const Month& c) {
  WireIcingMaximum(c.days, c.data.TableG, c.r.MonthExtremes, 4);
  WireIcingMaximum(c.days, c.data.TableG, c.r.MonthExtremes, 7);
}

void TwoMinuteWind(const Month& c) {
  const ElementTable& f = c.data.TableF;
  Means(c, f, 16, 168, "F", f.LastSlot() == 24);
  // Without a recorded maximum wind, the greatest observed wind stands in.
  const std::string& recorded = c.r.MonthExtremes.At(65);
  if (recorded.empty() || recorded == "-") ObservedWindMaximum(c.days, f, c.r.MonthExtremes);
  WindDirectionFrequencies(c.days, f, c.r.WindFrequency, c.r.MonthExtremes);
}

void GrassTemperature(const Month& c) {
  if (!Observed(c, kGrassSection)) return;
  const ElementTable& b = c.data.TableB;
  int w = b.LastSlot();
  ElementMeansHourly(c.days, b, c.r.DailyStats, c.r.PeriodStats, 20, 194, "D");
  PeriodMeans(c.days, "B", b, 25, c.r.PeriodStats, 220, false);
  PeriodMeans(c.days, "B", b, 27, c.r.PeriodStats, 221, false);
  MonthMaximum(c.days, b, w > 26 ? 25 : w - 1, c.r.MonthExtremes, 75, "D");
  MonthMinimum(c.days, b, w > 26 ? 27 : w, c.r.MonthExtremes, 77, "D");
}

void GroundSurfaceTemperature(const Month& c) {
  if (!Observed(c, kGroundSection)) return;
  const ElementTable& d = c.data.TableD;
  Means(c, d, 22, 222, "D", d.LastSlot() >= 24);
  DailyExtremes(c, d, 222, 80, "D");
}

struct Depth {
  ElementTable MonthData::*table;
  int m, s;
};

void ShallowGroundTemperatures(const Month& c) {
  static constexpr Depth kDepths[] = {{&MonthData::TableD2, 24, 250},   // 5 cm
                                      {&MonthData::TableD3, 26, 276},   // 10 cm
                                      {&MonthData::TableD4, 28, 302},   // 15 cm
                                      {&MonthData::TableD5, 30, 328},   // 20 cm
                                      {&MonthData::TableD6, 32, 354}};  // 40 cm
  for (const Depth& depth : kDepths) {
    const ElementTable& t = c.data.*depth.table;
    Means(c, t, depth.m, depth.s, "D", t.LastSlot() == 24);
  }
}

void DeepGroundTemperatures(const Month& c) {
  static constexpr Depth kDepths[] = {{&MonthData::TableK, 34, 380},    // 80 cm
                                      {&MonthData::TableK2, 36, 406},   // 160 cm
                                      {&MonthData::TableK3, 38, 432}};  // 320 cm
  for (const Depth& depth : kDepths) {
    const ElementTable& t = c.data.*depth.table;
    if (t.LastSlot() == 24)
      ElementMeansHourly(c.days, t, c.r.DailyStats, c.r.PeriodStats, depth.m, depth.s, "K");
    else  // one reading a day
      PeriodMeans(c.days, "K", t, 1, c.r.PeriodStats, depth.s, false);
  }
}

void FrozenGround(const Month& c) {
  MonthMaximum(c.days, c.data.TableA, 2, c.r.MonthExtremes, 85, "A");
}

void Sunshine(const Month& c) {
  PeriodMeans(c.days, "S", c.data.TableS, 27, c.r.PeriodStats, 458, true);
  SunshinePercentages(c.days, c.data.TableS, c.data.Header, c.r.PeriodStats, c.r.SunshineStats);
}

// Reduced to the main synoptic hours whatever the table's width.
void SeaLevelPressure(const Month& c) {
  ElementMeansFourTimes(c.days, c.data.TableP2, c.r.DailyStats, c.r.PeriodStats, 40, 459, "P");
}

// In this order: the wind steps read what earlier steps wrote (the recorded
// maximum wind), the sunshine percentages the month's sunshine total.
constexpr void (*kSteps[])(const Month&) = {
    StationPressure,
    AirTemperature,
    VapourPressure,
    RelativeHumidity,
    TotalCloud,
    LowCloud,
    Visibility,
    Precipitation,
    WeatherPhenomena,
    HourlyRainAndTenMinuteWind,
    MaximumAndExtremeWind,
    Evaporation,
    Snow,
    WireIcing,
    TwoMinuteWind,
    GrassTemperature,
    GroundSurfaceTemperature,
    ShallowGroundTemperatures,
    DeepGroundTemperatures,
    FrozenGround,
    Sunshine,
    SeaLevelPressure,
};

}  // namespace

bool ComputeMonthStatistics(const MonthData& data, StatisticsResults& results) {
  // A fault in a step (a table smaller than the month, a sum beyond 32 bits)
  // ends the statistics of this file; what the earlier steps found stays.
  try {
    if (!data.Header.DaysInMonth) return false;  // the header was never read
    Month month{data, results, *data.Header.DaysInMonth};
    for (auto step : kSteps) step(month);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace quillon
