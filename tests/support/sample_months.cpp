#include "support/sample_months.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

#include "support/sample_weather.h"

namespace quillon::test {
namespace {

using Values = std::vector<std::string>;
using Group = std::function<std::string(int day, int slot)>;

constexpr int kMainSlots[] = {6, 12, 18, 24};  // 02, 08, 14, 20 h

// One station-month: the weather and the days or hours the station lost.
class Month {
 public:
  Month(const Climate& climate, std::function<bool(int, int)> lost = nullptr)
      : w(climate), lost_(std::move(lost)) {}

  const SampleWeather w;
  int Days() const { return w.Days(); }
  bool Lost(int day, int slot) const { return lost_ && lost_(day, slot); }
  bool LostDay(int day) const { return Lost(day, 0); }

  // The groups of the given slots; lost ones are slashes of the width.
  Values At(int day, const std::vector<int>& slots, const Group& group, int width) const {
    Values v;
    for (int slot : slots) v.push_back(Lost(day, slot) ? Missing(width) : group(day, slot));
    return v;
  }
  Values Hourly(int day, const Group& group, int width) const {
    std::vector<int> slots(24);
    for (int i = 0; i < 24; ++i) slots[i] = i + 1;
    return At(day, slots, group, width);
  }
  Values Main(int day, const Group& group, int width, int from = 0) const {
    return At(day, {kMainSlots + from, std::end(kMainSlots)}, group, width);
  }

  // The day's highest or lowest value of a quantity, a little beyond the
  // hourly readings, with its time "hhmm" when wanted.
  Values Extreme(int day, const std::function<double(int, int)>& value, bool highest,
                 const std::function<std::string(double)>& group, bool withTime) const {
    if (LostDay(day)) return withTime ? Values{Missing(4), Missing(4)} : Values{Missing(4)};
    int best = 1;
    for (int slot = 2; slot <= 24; ++slot)
      if ((value(day, slot) > value(day, best)) == highest && value(day, slot) != value(day, best))
        best = slot;
    double beyond = value(day, best) + (highest ? 0.3 : -0.3);
    Values v{group(beyond)};
    if (withTime) v.push_back(TimeGroup(HourOfSlot(best) - 1, (day * 17 + best * 7) % 59 + 1));
    return v;
  }

 private:
  std::function<bool(int, int)> lost_;
};

Values Cat(Values a, const Values& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// --- value groups of the elements, by day and slot -------------------------

Group Pressure(const Month& m) {
  return [&m](int d, int s) { return PressureGroup(m.w.StationPressure(d, s)); };
}
Group SeaPressure(const Month& m) {
  return [&m](int d, int s) { return PressureGroup(m.w.SeaPressure(d, s)); };
}
Group Temperature(const Month& m) {
  return [&m](int d, int s) { return TemperatureGroup(m.w.Temperature(d, s)); };
}
Group DewPoint(const Month& m) {
  return [&m](int d, int s) { return TemperatureGroup(m.w.DewPoint(d, s)); };
}
// Wet bulb; an iced bulb is marked with "," before the tenths below zero.
Group WetBulb(const Month& m) {
  return [&m](int d, int s) {
    double t = m.w.Temperature(d, s);
    double wet = t - (t - m.w.DewPoint(d, s)) / 3;
    return wet < 0 ? "," + Digits(std::lround(-wet * 10), 3) : TemperatureGroup(wet);
  };
}
Group Vapour(const Month& m) {
  return [&m](int d, int s) { return TenthsGroup(m.w.VapourPressure(d, s), 3); };
}
Group Humidity(const Month& m) {
  return [&m](int d, int s) { return HumidityGroup(m.w.Humidity(d, s)); };
}
Group Cloud(const Month& m, bool low) {
  return [&m, low](int d, int s) { return Digits(low ? m.w.LowCloud(d, s) : m.w.Cloud(d, s), 2); };
}
Group CloudForm(const Month& m) {
  return [&m](int d, int s) -> std::string {
    int total = m.w.Cloud(d, s), low = m.w.LowCloud(d, s);
    if (m.w.Raining(d, s)) return "NSB FNB";
    if (total == 0) return "";
    std::string high = total <= 3 ? "CIB" : total <= 6 ? "ACR CIE" : "ASB ACA";
    return low == 0 ? high : (low >= 3 ? "SCT " : "CUU ") + high;
  };
}
Group CloudHeight(const Month& m) {
  return [&m](int d, int s) -> std::string {
    int low = m.w.LowCloud(d, s);
    if (low == 0) return "";
    return (m.w.Raining(d, s) ? "NS" : low >= 3 ? "SC" : "CU") + Digits(600 + 150 * low, 4);
  };
}
Group Visibility(const Month& m) {
  return [&m](int d, int s) { return TenthsGroup(m.w.Visibility(d, s), 3); };
}
Group Rain(const Month& m) {
  return [&m](int d, int s) { return TenthsGroup(m.w.Rain(d, s), 4); };
}
Group Wind(const Month& m, bool tenMinutes) {
  return [&m, tenMinutes](int d, int s) {
    return WindGroup(m.w.WindDirection(d, s, tenMinutes), m.w.WindSpeed(d, s, tenMinutes));
  };
}
Group Soil(const Month& m, int depth) {
  return [&m, depth](int d, int s) { return TemperatureGroup(m.w.Soil(d, s, depth)); };
}
// Grass is colder than the air at night and warmer by day.
double GrassTemperature(const Month& m, int d, int s) {
  int clock = HourOfSlot(s) % 24;
  double sun = clock >= 7 && clock <= 18 ? std::sin(std::numbers::pi * (clock - 7) / 11) : 0;
  return m.w.Temperature(d, s) - 2 + 4.5 * sun;
}

// --- section bodies shared by the stations ---------------------------------

// 24 hourly values, then the day's highest and lowest with their times.
Values HourlyWithExtremes(const Month& m, int d, const Group& group,
                          const std::function<double(int, int)>& value) {
  auto t = [](double v) { return TemperatureGroup(v); };
  return Cat(Cat(m.Hourly(d, group, 4), m.Extreme(d, value, true, t, true)),
             m.Extreme(d, value, false, t, true));
}

Values PressureWithExtremes(const Month& m, int d) {
  auto value = [&m](int day, int slot) { return m.w.StationPressure(day, slot); };
  auto p = [](double v) { return PressureGroup(v); };
  return Cat(Cat(m.Hourly(d, Pressure(m), 4), m.Extreme(d, value, true, p, true)),
             m.Extreme(d, value, false, p, true));
}

Values HumidityWithMinimum(const Month& m, int d, bool withTime) {
  auto value = [&m](int day, int slot) { return m.w.Humidity(day, slot); };
  auto u = [](double v) { return HumidityGroup(std::max(5.0, v)); };
  Values minimum = m.Extreme(d, value, false, u, withTime);
  if (m.LostDay(d)) minimum[0] = Missing(2);
  return minimum;
}

Values VisibilityWithMinimum(const Month& m, int d) {
  auto value = [&m](int day, int slot) { return m.w.Visibility(day, slot); };
  auto v = [](double km) { return TenthsGroup(std::max(0.1, km), 3); };
  Values minimum = m.Extreme(d, value, false, v, true);
  if (m.LostDay(d)) minimum[0] = Missing(3);
  return Cat(m.Hourly(d, Visibility(m), 3), minimum);
}

// Largest 10-minute wind and its time, then the extreme gust and its time.
Values WindExtremes(const Month& m, int d) {
  if (m.LostDay(d)) return {Missing(6), Missing(4), Missing(6), Missing(4)};
  int best = 1;
  for (int s = 2; s <= 24; ++s)
    if (m.w.WindSpeed(d, s, true) > m.w.WindSpeed(d, best, true)) best = s;
  double speed = m.w.WindSpeed(d, best, true);
  int direction = m.w.WindDirection(d, best, true);
  std::string time = TimeGroup(HourOfSlot(best) - 1, (d * 13 + best) % 59 + 1);
  return {SpeedFirstWindGroup(direction, speed + 0.4), time,
          SpeedFirstWindGroup(direction, speed * 1.7 + 1.2), time};
}

// Rain in the spells of the two halves of the observation day (20-08 h,
// 08-20 h) and the day's total.
Values RainHalves(const Month& m, int d) {
  double night = 0, day = 0;
  for (int s = 1; s <= 24; ++s) (s <= 12 ? night : day) += m.w.Rain(d, s);
  return {TenthsGroup(night, 4), TenthsGroup(day, 4), TenthsGroup(night + day, 4)};
}

Values RainDated(const Month& m, int d) {
  return m.w.Rainfall(d) > 0 ? RainHalves(m, d) : Values{};
}

Values HourlyRainDated(const Month& m, int d) {
  return m.w.Rainfall(d) > 0 ? m.Hourly(d, Rain(m), 4) : Values{};
}

// The monthly rain summary: the night rain (20-08 h) of the next month's
// first day, then a spell of precipitation days that runs on from the month
// before, its start "dd-mm" and its rain so far (slashes and zeros when none).
std::string RainSummary(const Month& m, const std::string& lastDayBefore) {
  double nextNight = 0;
  for (int s = 1; s <= 12; ++s) nextNight += m.w.Rain(m.Days() + 1, s);
  double before = m.w.RainfallBefore();
  std::string spell = before > 0 && m.w.Rainfall(1) > 0
                          ? lastDayBefore + " " + TenthsGroup(before, 5)
                          : "///// 00000";
  return TenthsGroup(nextNight, 4) + " " + spell + "=";
}

// The day's phenomena: dew or frost (untimed), then rain or snow with its
// times and morning mist.
std::string WeatherText(const Month& m, int d) {
  if (m.LostDay(d)) return ".";
  std::string text;
  double night = m.w.Temperature(d, 9);
  if (m.w.Humidity(d, 9) > 85 && m.w.Cloud(d, 9) < 5) text += night < 0 ? "(02,)" : "(01,)";
  int start, end;
  if (m.w.RainSpell(d, start, end)) {
    std::string code =
        m.w.Temperature(d, start + 4 > 24 ? 24 : std::max(5, start + 4)) < 0.5 ? "70" : "60";
    text +=
        code + " " + TimeGroup(start, 5 + d % 20) + " " + TimeGroup(end % 24, 10 + d % 40) + ",";
  }
  if (m.w.Humidity(d, 11) > 90)
    text += "10 " + TimeGroup(4 + d % 3, (d * 11) % 60) + " " +
            TimeGroup(7 + d % 3, (d * 23) % 60) + ",";
  if (m.w.WindSpeed(d, 19, true) > 10.8) text += "15 1320 1410,";
  return text + ".";
}

Values WeatherLines(const Month& m) {
  Values lines;
  for (int d = 1; d <= m.Days(); ++d) lines.push_back(WeatherText(m, d));
  lines.back().back() = '=';
  return lines;
}

// Hourly sunshine in tenths by true solar hour (slot k: the hour ending at
// k), the day's total after them.
Values SunshineHours(const Month& m, int d, int firstHour, int lastHour) {
  Values v;
  for (int hour = firstHour; hour <= lastHour; ++hour)
    v.push_back(m.LostDay(d) ? "//" : TenthsGroup(m.w.Sunshine(d, hour), 2));
  return v;
}
std::string SunshineTotal(const Month& m, int d) {
  if (m.LostDay(d)) return "///";
  double total = 0;
  for (int hour = 1; hour <= 24; ++hour) total += m.w.Sunshine(d, hour);
  return TenthsGroup(total, 3);
}

Values Evaporation(const Month& m, int d, double scale) {
  if (m.LostDay(d)) return {"///"};
  double sum = 0;
  for (int s = 1; s <= 24; ++s)
    sum += std::max(0.0, m.w.Temperature(d, s) + 5) * (1 - m.w.Humidity(d, s) / 110) *
           m.w.WindSpeed(d, s, true);
  return {TenthsGroup(sum * scale / 60, 3)};
}

Values HourlyEvaporation(const Month& m, int d) {
  return m.Hourly(
      d,
      [&m](int day, int s) {
        double e = std::max(0.0, m.w.Temperature(day, s) + 5) * (1 - m.w.Humidity(day, s) / 110) *
                   m.w.WindSpeed(day, s, true) / 60;
        return TenthsGroup(e, 3);
      },
      3);
}

// --- the four station-months -----------------------------------------------

AFileBuilder AutomaticReferenceStation() {
  Climate c;
  c.days = 31, c.meanT = 2, c.trendT = 8, c.rangeT = 12, c.stationP = 1018, c.seaP = 1022;
  c.spreadT = 9, c.windMean = 2.8, c.windDir = 330, c.rainChance = 0.1, c.rainPerHour = 0.8;
  c.latitude = 39.8, c.dayOfYear = 61, c.soilMean = 7, c.seed = 54511;
  static const Month m(c);

  HeaderFields h;
  h.length = 75, h.station = "54511", h.latitude = "3948N", h.longitude = "11628E";
  h.fieldHeight = "00313", h.barometerHeight = "00325", h.windHeight = "105";
  h.platformHeight = "000", h.year = "2008", h.month = "03", h.kind = '1', h.type = '1';
  h.quality = '0';
  const int n = m.Days();
  auto temperature = [](int d, int s) { return m.w.Temperature(d, s); };
  auto grass = [](int d, int s) { return GrassTemperature(m, d, s); };
  auto surface = [](int d, int s) { return m.w.Soil(d, s, 0); };
  AFileBuilder b(h);
  b.Section('P', "D",
            Cat(HalfDayLines(n, [](int d) { return PressureWithExtremes(m, d); }),
                HalfDayLines(n, [](int d) { return m.Hourly(d, SeaPressure(m), 4); })));
  b.Section('T', "B", HalfDayLines(n, [&](int d) {
              return HourlyWithExtremes(m, d, Temperature(m), temperature);
            }));
  b.Section('I', "B",
            Cat(HalfDayLines(n, [](int) { return Values(24, Missing(4)); }),
                HalfDayLines(n, [](int d) { return m.Hourly(d, DewPoint(m), 4); })));
  b.Section('E', "A", HalfDayLines(n, [](int d) { return m.Hourly(d, Vapour(m), 3); }));
  b.Section('U', "B", HalfDayLines(n, [](int d) {
              return Cat(m.Hourly(d, Humidity(m), 2), HumidityWithMinimum(m, d, true));
            }));
  b.Section('N', "A",
            Cat(DayLines(n, [](int d) { return m.Hourly(d, Cloud(m, false), 2); }),
                DayLines(n, [](int d) { return m.Hourly(d, Cloud(m, true), 2); })));
  b.Section('H', "B",
            QuarterDayLines(
                n, [](int d) { return m.Hourly(d, CloudHeight(m), 6); }, {8, 5, 5, 6}, ','));
  b.Section('C', "A",
            QuarterDayLines(
                n, [](int d) { return m.Hourly(d, CloudForm(m), 3); }, {8, 5, 5, 6}, ','));
  b.Section('V', "B", HalfDayLines(n, [](int d) { return VisibilityWithMinimum(m, d); }));
  b.Section('R', "9",
            Cat(Cat(DatedLines(n, [](int d) { return RainDated(m, d); }),
                    DatedLines(n, [](int d) { return HourlyRainDated(m, d); })),
                {RainSummary(m, "29-02")}));
  b.Section('W', "0", WeatherLines(m));
  b.Section('L', "B",
            Cat(DayLines(n, [](int d) { return Evaporation(m, d, 1.3); }),
                HalfDayLines(n, [](int d) { return HourlyEvaporation(m, d); })));
  // Snow left from the last days of February melts away in the first week.
  b.Section('Z', "0", DayLines(n, [](int d) -> Values {
              return d <= 5 ? Values{Digits(11 - 2 * d, 3), d <= 2 ? "012" : "///"}
                            : Values{"000", "000"};
            }));
  // Glaze on the night of the 9th; no rime this month.
  b.Section('G', "0",
            Cat(DayLines(n,
                         [](int d) -> Values {
                           if (d == 9) return {"012", "008", "024", "010", "007", "020"};
                           return Values(6, "000");
                         }),
                DayLines(n, [](int) { return Values(6, "000"); })));
  b.Section('F', "K",
            Cat(Cat(QuarterDayLines(n, [](int d) { return m.Hourly(d, Wind(m, false), 6); },
                                    {6, 6, 6, 6}),
                    QuarterDayLines(n, [](int d) { return m.Hourly(d, Wind(m, true), 6); },
                                    {6, 6, 6, 6})),
                DayLines(n, [](int d) { return WindExtremes(m, d); })));
  Values ground =
      HalfDayLines(n, [&](int d) { return HourlyWithExtremes(m, d, Soil(m, 0), surface); });
  for (int depth : {5, 10, 15, 20, 40})
    ground =
        Cat(ground, HalfDayLines(n, [depth](int d) { return m.Hourly(d, Soil(m, depth), 4); }));
  b.Section('D', "B", ground);
  Values deep;
  for (int depth : {80, 160, 320})
    deep = Cat(deep, HalfDayLines(n, [depth](int d) { return m.Hourly(d, Soil(m, depth), 4); }));
  b.Section('K', "B", deep);
  // The frozen layer thaws from above through the month.
  b.Section('A', "0", DayLines(n, [](int d) -> Values {
              if (d > 24) return Values(4, "000");
              return {Digits(d / 2, 3), Digits(60 - 2 * d, 3), "000", "000"};
            }));
  b.Section('S', "A", DayLines(n, [](int d) {
              return Cat(SunshineHours(m, d, 1, 24), {SunshineTotal(m, d)});
            }));
  b.Section('B', "A",
            Cat(HalfDayLines(n,
                             [&](int d) {
                               Group g = [](int day, int s) {
                                 return TemperatureGroup(GrassTemperature(m, day, s));
                               };
                               return HourlyWithExtremes(m, d, g, grass);
                             }),
                DayLines(n, [](int) { return Values{"00"}; })));
  b.Trailer({"??????",
             "******",
             "YF",
             "北京市观象台 2008年3月 地面气象观测月报表",
             "台站名称 北京",
             "所在省(区、市) 北京市",
             "地址 北京市大兴区",
             "地理环境 郊区",
             "观测方式 自动站",
             "台站长 王建华",
             "输入 李明",
             "校对 张华",
             "预审 赵敏",
             "审核 陈刚",
             "传输日期 2008-04-03=",
             "JY",
             "3月9日夜间出现雨凇,电线积冰。",
             "上旬前期地面有残雪,中旬冻土解冻。=",
             "GK",
             "本月气温回升明显,降水偏少,日照偏多。=",
             "BZ",
             "本文件为合成样例数据,非实测资料。="});
  return b;
}

AFileBuilder ManualFourTimesStation() {
  Climate c;
  c.days = 31, c.meanT = 26, c.trendT = 1.5, c.rangeT = 9, c.stationP = 958, c.seaP = 1002;
  c.spreadT = 5, c.windMean = 2.0, c.windDir = 60, c.rainChance = 0.3, c.rainPerHour = 3;
  c.latitude = 34.3, c.dayOfYear = 183, c.soilMean = 18, c.seed = 57036;
  static const Month m(c);

  HeaderFields h;
  h.station = "57036", h.latitude = "3418", h.longitude = "10854", h.fieldHeight = "03978";
  h.barometerHeight = "03993", h.windHeight = "110", h.year = "2008", h.month = "07";
  h.kind = '2', h.type = '0';
  const int n = m.Days();
  auto temperature = [](int d, int s) { return m.w.Temperature(d, s); };
  auto surface = [](int d, int s) { return m.w.Soil(d, s, 0); };
  auto t = [](double v) { return TemperatureGroup(v); };
  auto p = [](double v) { return PressureGroup(v); };
  auto pressure = [](int d, int s) { return m.w.StationPressure(d, s); };
  AFileBuilder b(h);
  b.Section('P', "3",
            Cat(DayLines(n,
                         [&](int d) {
                           return Cat(m.Main(d, Pressure(m), 4),
                                      Cat(m.Extreme(d, pressure, true, p, false),
                                          m.Extreme(d, pressure, false, p, false)));
                         }),
                DayLines(n, [](int d) { return m.Main(d, SeaPressure(m), 4); })));
  b.Section('T', "0", DayLines(n, [&](int d) {
              return Cat(m.Main(d, Temperature(m), 4),
                         Cat(m.Extreme(d, temperature, true, t, false),
                             m.Extreme(d, temperature, false, t, false)));
            }));
  b.Section('I', "2",
            Cat(DayLines(n, [](int d) { return m.Main(d, WetBulb(m), 4); }),
                DayLines(n, [](int d) { return m.Main(d, DewPoint(m), 4); })));
  b.Section('E', "0", DayLines(n, [](int d) { return m.Main(d, Vapour(m), 3); }));
  b.Section('U', "0", DayLines(n, [](int d) {
              return Cat(m.Main(d, Humidity(m), 2), HumidityWithMinimum(m, d, false));
            }));
  b.Section('N', "0",
            Cat(DayLines(n, [](int d) { return m.Main(d, Cloud(m, false), 2); }),
                DayLines(n, [](int d) { return m.Main(d, Cloud(m, true), 2); })));
  Values heights;
  for (int d = 1; d <= n; ++d)
    for (int i = 0; i < 4; ++i) {
      std::string height = CloudHeight(m)(d, kMainSlots[i]);
      if (!height.empty())
        heights.push_back(Digits(d, 2) + TimeGroup(HourOfSlot(kMainSlots[i]), 0).substr(0, 2) +
                          " " + height);
    }
  b.Section('H', "1", heights.empty() ? Values{"="} : Ended(heights));
  b.Section('C', "0",
            DayLines(
                n, [](int d) { return m.Main(d, CloudForm(m), 3); }, ','));
  b.Section('V', "0", DayLines(n, [](int d) { return m.Main(d, Visibility(m), 3); }));
  b.Section('R', "7",
            Cat(Cat(DatedLines(n, [](int d) { return RainDated(m, d); }),
                    HalfDayLines(n, [](int d) { return m.Hourly(d, Rain(m), 4); })),
                {RainSummary(m, "30-06")}));
  b.Section('W', "0", WeatherLines(m));
  b.Section('L', "0",
            Cat(DayLines(n, [](int d) { return Evaporation(m, d, 1.4); }),
                DayLines(n, [](int d) { return Evaporation(m, d, 0.9); })));
  b.Section('F', "0",
            Cat(DayLines(n, [](int d) { return m.Main(d, Wind(m, false), 6); }),
                DayLines(n, [](int d) { return WindExtremes(m, d); })));
  Values ground = DayLines(n, [&](int d) {
    return Cat(m.Main(d, Soil(m, 0), 4),
               Cat(m.Extreme(d, surface, true, t, false), m.Extreme(d, surface, false, t, false)));
  });
  for (int depth : {5, 10, 15, 20, 40})
    ground = Cat(ground, DayLines(n, [depth](int d) { return m.Main(d, Soil(m, depth), 4); }));
  b.Section('D', "0", ground);
  // The deep thermometers are read once a day, at 14 h.
  b.Section('K', "0", DayLines(n, [](int d) {
              return Values{TemperatureGroup(m.w.Soil(d, 18, 80)),
                            TemperatureGroup(m.w.Soil(d, 18, 160)),
                            TemperatureGroup(m.w.Soil(d, 18, 320))};
            }));
  b.Section('S', "2", DayLines(n, [](int d) {
              return Cat(SunshineHours(m, d, 4, 21), {SunshineTotal(m, d)});
            }));
  return b;
}

AFileBuilder ThreeTimesStationInLeapFebruary() {
  Climate c;
  c.days = 29, c.meanT = -6, c.trendT = 4, c.rangeT = 14, c.stationP = 774, c.seaP = 1030;
  c.spreadT = 8, c.windMean = 1.8, c.windDir = 135, c.rainChance = 0.1, c.rainPerHour = 0.3;
  c.latitude = 36.6, c.dayOfYear = 32, c.soilMean = 4, c.seed = 52866;
  static const Month m(c);

  HeaderFields h;
  h.length = 69, h.station = "52866", h.latitude = "3637", h.longitude = "10145";
  h.fieldHeight = "22951", h.barometerHeight = "22961", h.windHeight = "105";
  h.year = "2008", h.month = "02", h.kind = '4', h.type = '0', h.tail = "10";
  const int n = m.Days();
  auto temperature = [](int d, int s) { return m.w.Temperature(d, s); };
  auto surface = [](int d, int s) { return m.w.Soil(d, s, 0); };
  auto pressure = [](int d, int s) { return m.w.StationPressure(d, s); };
  auto t = [](double v) { return TemperatureGroup(v); };
  auto p = [](double v) { return PressureGroup(v); };
  auto extremes = [&](int d, const std::function<double(int, int)>& value,
                      const std::function<std::string(double)>& group) {
    return Cat(m.Extreme(d, value, true, group, false), m.Extreme(d, value, false, group, false));
  };
  // Observations at 08, 14 and 20 h only: the first of the four slots is
  // not written.
  AFileBuilder b(h);
  b.Section('P', "6",
            Cat(DayLines(n,
                         [&](int d) {
                           return Cat(m.Main(d, Pressure(m), 4, 1), extremes(d, pressure, p));
                         }),
                DayLines(n, [](int d) { return m.Main(d, SeaPressure(m), 4, 1); })));
  b.Section('T', "9", DayLines(n, [&](int d) {
              return Cat(m.Main(d, Temperature(m), 4, 1), extremes(d, temperature, t));
            }));
  b.Section('I', "8",
            Cat(DayLines(n, [](int d) { return m.Main(d, WetBulb(m), 4, 1); }),
                DayLines(n, [](int d) { return m.Main(d, DewPoint(m), 4, 1); })));
  b.Section('E', "9", DayLines(n, [](int d) { return m.Main(d, Vapour(m), 3, 1); }));
  b.Section('U', "7", DayLines(n, [](int d) {
              return Cat(m.Main(d, Humidity(m), 2, 1), HumidityWithMinimum(m, d, false));
            }));
  b.Section('N', "9",
            Cat(DayLines(n, [](int d) { return m.Main(d, Cloud(m, false), 2, 1); }),
                DayLines(n, [](int d) { return m.Main(d, Cloud(m, true), 2, 1); })));
  b.Section('H', "9",
            DayLines(
                n, [](int d) { return m.Main(d, CloudHeight(m), 6, 1); }, ','));
  b.Section('C', "9",
            DayLines(
                n, [](int d) { return m.Main(d, CloudForm(m), 3, 1); }, ','));
  b.Section('V', "9", DayLines(n, [](int d) { return m.Main(d, Visibility(m), 3, 1); }));
  b.Section('R', "3", DatedLines(n, [](int d) { return RainDated(m, d); }));
  b.Section('W', "0", WeatherLines(m));
  b.Section('L', "0",
            Cat(DayLines(n, [](int d) { return Evaporation(m, d, 0.6); }),
                DayLines(n, [](int d) { return Evaporation(m, d, 0.4); })));
  b.Section('Z', "0", DayLines(n, [](int d) -> Values {
              return d >= 11 && d <= 16 ? Values{Digits(8 - std::abs(d - 12), 3), "///"}
                                        : Values{"000", "000"};
            }));
  // Rime on the wires on the 12th, with the air temperature and wind then.
  b.Section('G', "3", {"12 0048 000 000 000 014 010 008 -12 315025="});
  b.Section('F', "6",
            Cat(DayLines(n, [](int d) { return m.Main(d, Wind(m, false), 6, 1); }),
                DayLines(n, [](int d) { return WindExtremes(m, d); })));
  Values ground =
      DayLines(n, [&](int d) { return Cat(m.Main(d, Soil(m, 0), 4, 1), extremes(d, surface, t)); });
  for (int depth : {5, 10, 15, 20})
    ground = Cat(ground, DayLines(n, [depth](int d) { return m.Main(d, Soil(m, depth), 4, 1); }));
  b.Section('D', "1", ground);
  // 40 cm at 14 h and the three deep depths on one line.
  b.Section('K', "1", DayLines(n, [](int d) {
              Values v;
              for (int depth : {40, 80, 160, 320})
                v.push_back(TemperatureGroup(m.w.Soil(d, 18, depth)));
              return v;
            }));
  b.Section('A', "0", DayLines(n, [](int d) {
              return Values{"000", Digits(98 - d / 3, 3), "000", "000"};
            }));
  b.Section('S', "0", DayLines(n, [](int d) { return Values{SunshineTotal(m, d)}; }));
  return b;
}

// Days 12 to 14 lost to a power failure; single gaps elsewhere.
bool LostAtSeaSideStation(int day, int slot) {
  if (day >= 12 && day <= 14) return true;
  return (day == 5 && slot == 10) || (day == 20 && slot >= 7 && slot <= 9) ||
         (day == 25 && slot >= 15 && slot <= 17);
}

AFileBuilder AutomaticStationWithGaps() {
  Climate c;
  c.days = 30, c.meanT = 25, c.trendT = -4, c.rangeT = 7, c.stationP = 1010, c.seaP = 1011;
  c.spreadT = 3.5, c.windMean = 3.2, c.windDir = 90, c.rainChance = 0.35, c.rainPerHour = 2.5;
  c.latitude = 31.4, c.dayOfYear = 244, c.soilMean = 20, c.seed = 58362;
  static const Month m(c, LostAtSeaSideStation);

  HeaderFields h;
  h.station = "58362", h.latitude = "3124", h.longitude = "12127", h.fieldHeight = "00055";
  h.barometerHeight = "00069", h.windHeight = "105", h.year = "2007", h.month = "09";
  h.kind = '1', h.type = '2';
  const int n = m.Days();
  auto temperature = [](int d, int s) { return m.w.Temperature(d, s); };
  auto surface = [](int d, int s) { return m.w.Soil(d, s, 0); };
  AFileBuilder b(h);
  b.Section('P', "C",
            Cat(HalfDayLines(n, [](int d) { return PressureWithExtremes(m, d); }),
                DayLines(n, [](int d) { return m.Main(d, SeaPressure(m), 4); })));
  b.Section('T', "B", HalfDayLines(n, [&](int d) {
              return HourlyWithExtremes(m, d, Temperature(m), temperature);
            }));
  b.Section('I', "B",
            Cat(HalfDayLines(n, [](int) { return Values(24, Missing(4)); }),
                HalfDayLines(n, [](int d) { return m.Hourly(d, DewPoint(m), 4); })));
  b.Section('E', "A", HalfDayLines(n, [](int d) { return m.Hourly(d, Vapour(m), 3); }));
  b.Section('U', "B", HalfDayLines(n, [](int d) {
              return Cat(m.Hourly(d, Humidity(m), 2), HumidityWithMinimum(m, d, true));
            }));
  b.Section('N', "A",
            Cat(DayLines(n, [](int d) { return m.Hourly(d, Cloud(m, false), 2); }),
                DayLines(n, [](int d) { return m.Hourly(d, Cloud(m, true), 2); })));
  b.Section('C', "A",
            QuarterDayLines(
                n, [](int d) { return m.Hourly(d, CloudForm(m), 3); }, {8, 5, 5, 6}, ','));
  b.Section('V', "B", HalfDayLines(n, [](int d) { return VisibilityWithMinimum(m, d); }));
  b.Section(
      'R', "6",
      Cat(Cat(DayLines(
                  n, [](int d) { return m.LostDay(d) ? Values(3, Missing(4)) : RainHalves(m, d); }),
              HalfDayLines(n, [](int d) { return m.Hourly(d, Rain(m), 4); })),
          {"0000 ////////// /////="}));
  b.Section('W', "0", WeatherLines(m));
  b.Section('L', "A",
            Cat(DayLines(n, [](int d) { return Evaporation(m, d, 1.1); }),
                HalfDayLines(n, [](int d) { return HourlyEvaporation(m, d); })));
  b.Section('F', "L",
            Cat(Cat(QuarterDayLines(n, [](int d) { return m.Hourly(d, Wind(m, false), 6); },
                                    {6, 6, 6, 6}),
                    QuarterDayLines(n, [](int d) { return m.Hourly(d, Wind(m, true), 6); },
                                    {6, 6, 6, 6})),
                DayLines(n, [](int d) { return WindExtremes(m, d); })));
  Values ground =
      HalfDayLines(n, [&](int d) { return HourlyWithExtremes(m, d, Soil(m, 0), surface); });
  for (int depth : {5, 10, 15, 20, 40})
    ground =
        Cat(ground, HalfDayLines(n, [depth](int d) { return m.Hourly(d, Soil(m, depth), 4); }));
  b.Section('D', "B", ground);
  Values deep;
  for (int depth : {80, 160, 320})
    deep = Cat(deep, HalfDayLines(n, [depth](int d) { return m.Hourly(d, Soil(m, depth), 4); }));
  b.Section('K', "B", deep);
  b.Section('S', "A", DayLines(n, [](int d) {
              return Cat(SunshineHours(m, d, 1, 24), {SunshineTotal(m, d)});
            }));
  return b;
}

}  // namespace

std::vector<AFileBuilder> SampleMonths() {
  return {AutomaticReferenceStation(), ManualFourTimesStation(), ThreeTimesStationInLeapFebruary(),
          AutomaticStationWithGaps()};
}

}  // namespace quillon::test
