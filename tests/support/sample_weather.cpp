#include "support/sample_weather.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quillon::test {
namespace {

constexpr double kPi = std::numbers::pi;

// Uniform in [0, 1) and normal, from the generator's raw output only, so that
// every standard library gives the same samples.
double Uniform(std::mt19937& rng) { return rng() / 4294967296.0; }
double Normal(std::mt19937& rng) {
  double u = std::max(Uniform(rng), 1e-12);
  return std::sqrt(-2 * std::log(u)) * std::cos(2 * kPi * Uniform(rng));
}

double SaturationPressure(double celsius) {
  return 6.112 * std::exp(17.62 * celsius / (243.12 + celsius));
}

int Clock(int slot) { return HourOfSlot(slot) % 24; }

// The calendar day of a slot: 21..24 h belong to the day before.
int CalendarDay(int day, int slot) { return slot <= 4 ? day - 1 : day; }

}  // namespace

int HourOfSlot(int slot) { return slot <= 4 ? 20 + slot : slot - 4; }

SampleWeather::SampleWeather(const Climate& climate) : c_(climate) {
  std::mt19937 rng(c_.seed);
  DayState previous{0, 0, c_.spreadT, c_.windMean, 3, c_.windDir, 3, 0, 0};
  for (int d = 0; d <= c_.days + 1; ++d) {
    DayState s;
    s.tempAnomaly = 0.7 * previous.tempAnomaly + 1.6 * Normal(rng);
    s.pressureAnomaly = 0.75 * previous.pressureAnomaly + 3.0 * Normal(rng);
    bool rainy = Uniform(rng) < c_.rainChance + (s.pressureAnomaly < -3 ? 0.25 : 0.0);
    s.cloud = rainy ? 8 + static_cast<int>(Uniform(rng) * 3)
                    : static_cast<int>(std::pow(Uniform(rng), 1.5) * 8);
    s.cloudiness = s.cloud;
    s.rainStart = static_cast<int>(Uniform(rng) * 20);
    s.rainHours = rainy ? 1 + static_cast<int>(Uniform(rng) * 8) : 0;
    s.spread =
        rainy ? 1 + Uniform(rng) : std::max(1.5, c_.spreadT + 2 * Normal(rng) - s.cloud * 0.3);
    s.wind =
        std::max(0.8, c_.windMean * (0.7 + 0.08 * std::abs(s.pressureAnomaly)) + 0.5 * Normal(rng));
    s.direction = (c_.windDir + static_cast<int>(50 * Normal(rng)) + (rainy ? 150 : 0) + 720) % 360;
    state_.push_back(s);
    previous = s;
  }
  for (int i = 0; i < (c_.days + 2) * 25; ++i) jitter_.push_back(2 * Uniform(rng) - 1);
}

double SampleWeather::Smooth(int day, int slot, double DayState::*field) const {
  // Day states sit at noon of their calendar day; hours between mix them.
  double t = (day - 1) * 24.0 + (slot - 4) - 12.0;
  double x = std::clamp(t / 24.0 + 1, 0.0, static_cast<double>(c_.days + 1));
  int lower = std::min(static_cast<int>(x), c_.days);
  double w = x - lower;
  return (1 - w) * state_[lower].*field + w * state_[lower + 1].*field;
}

double SampleWeather::MeanTemperature(int day, int slot) const {
  double trend = c_.trendT * ((day - 1) + (slot - 4) / 24.0) / (c_.days - 1);
  return c_.meanT + trend + Smooth(day, slot, &DayState::tempAnomaly);
}

double SampleWeather::Temperature(int day, int slot) const {
  double amplitude = c_.rangeT / 2 * (1 - 0.07 * Smooth(day, slot, &DayState::cloudiness));
  double mean = MeanTemperature(day, slot);
  double phase = 2 * kPi * (Clock(slot) - 14.5) / 24;
  double diurnal = std::cos(phase) + 0.2 * std::cos(2 * phase);
  return mean + amplitude * diurnal + 0.3 * jitter_[day * 25 + slot];
}

double SampleWeather::DewPoint(int day, int slot) const {
  double t = Temperature(day, slot);
  if (Raining(day, slot)) return t - 0.4;
  double mean = MeanTemperature(day, slot);
  return std::min(t - 0.2,
                  mean - Smooth(day, slot, &DayState::spread) + 0.3 * jitter_[day * 25 + slot]);
}

double SampleWeather::Humidity(int day, int slot) const {
  return std::min(100.0, 100 * SaturationPressure(DewPoint(day, slot)) /
                             SaturationPressure(Temperature(day, slot)));
}

double SampleWeather::VapourPressure(int day, int slot) const {
  return SaturationPressure(DewPoint(day, slot));
}

double SampleWeather::StationPressure(int day, int slot) const {
  double semidiurnal = 0.8 * std::cos(2 * kPi * (Clock(slot) - 10) / 12);
  return c_.stationP + Smooth(day, slot, &DayState::pressureAnomaly) * c_.stationP / 1013 +
         semidiurnal + 0.1 * jitter_[day * 25 + slot];
}

double SampleWeather::SeaPressure(int day, int slot) const {
  return StationPressure(day, slot) + (c_.seaP - c_.stationP) -
         0.15 * (Temperature(day, slot) - c_.meanT);
}

double SampleWeather::WindSpeed(int day, int slot, bool tenMinutes) const {
  int clock = Clock(slot);
  double factor = clock >= 8 && clock <= 20 ? 0.6 + 0.8 * std::sin(kPi * (clock - 8) / 12) : 0.6;
  double gust = (tenMinutes ? 0.3 : 0.7) * jitter_[day * 25 + slot];
  return std::max(0.0, Smooth(day, slot, &DayState::wind) * factor + gust);
}

int SampleWeather::WindDirection(int day, int slot, bool tenMinutes) const {
  int spread = tenMinutes ? 15 : 30;
  int direction = state_[CalendarDay(day, slot)].direction +
                  static_cast<int>(spread * jitter_[day * 25 + (slot + 7) % 24]);
  return (direction + 359) % 360 + 1;
}

bool SampleWeather::RainSpell(int day, int& start, int& end) const {
  const DayState& s = state_[day];
  start = s.rainStart;
  end = std::min(23, s.rainStart + s.rainHours);
  return s.rainHours > 0;
}

double SampleWeather::Rain(int day, int slot) const {
  int start, end, clock = HourOfSlot(slot);
  if (!RainSpell(CalendarDay(day, slot), start, end) || clock <= start || clock > end) return 0;
  double amount = c_.rainPerHour * (1 + 0.8 * jitter_[day * 25 + slot]);
  return std::max(0.1, std::round(amount * 10) / 10);
}

double SampleWeather::Rainfall(int day) const {
  double total = 0;
  for (int slot = 1; slot <= 24; ++slot) total += Rain(day, slot);
  return total;
}

double SampleWeather::RainfallBefore() const {
  const DayState& s = state_[0];
  return s.rainHours > 0 ? std::round(c_.rainPerHour * s.rainHours * 10) / 10 : 0;
}

int SampleWeather::Cloud(int day, int slot) const {
  if (Raining(day, slot)) return 10;
  int cloud = state_[CalendarDay(day, slot)].cloud +
              static_cast<int>(std::lround(2 * jitter_[day * 25 + slot]));
  return std::clamp(cloud, 0, 10);
}

int SampleWeather::LowCloud(int day, int slot) const {
  return static_cast<int>(std::lround(Cloud(day, slot) * (Raining(day, slot) ? 0.8 : 0.3)));
}

double SampleWeather::Visibility(int day, int slot) const {
  if (Raining(day, slot)) return 3 + 4 * (1 + jitter_[day * 25 + slot]) / 2;
  double rh = Humidity(day, slot);
  return std::clamp(30 * std::pow(1 - rh / 110, 0.8) + 1, 0.5, 30.0);
}

double SampleWeather::Daylight(int day, int hourEnd) const {
  int n = c_.dayOfYear + day - 1;
  double declination = 23.44 * std::sin(2 * kPi * (284 + n) / 365) * kPi / 180;
  double latitude = c_.latitude * kPi / 180;
  double cosine = std::clamp(-std::tan(latitude) * std::tan(declination), -1.0, 1.0);
  double halfDay = std::acos(cosine) * 12 / kPi;
  double sunrise = 12 - halfDay + 0.3, sunset = 12 + halfDay - 0.3;
  return std::max(0.0, std::min<double>(hourEnd, sunset) - std::max<double>(hourEnd - 1, sunrise));
}

double SampleWeather::Sunshine(int day, int hourEnd) const {
  int slot = hourEnd <= 20 ? hourEnd + 4 : hourEnd - 20;
  if (hourEnd > 20 || Raining(day, slot)) return 0;
  double clear = std::pow(1 - Cloud(day, slot) / 10.0, 1.2);
  return std::round(Daylight(day, hourEnd) * clear * 10) / 10;
}

double SampleWeather::Soil(int day, int slot, int depth) const {
  double anomaly = Smooth(day, slot, &DayState::tempAnomaly);
  double surfaceMean = MeanTemperature(day, slot) - anomaly + 2;
  double mean = surfaceMean + (c_.soilMean - surfaceMean) * (1 - std::exp(-depth / 100.0));
  anomaly *= std::exp(-depth / 60.0);
  double cloudiness = Smooth(day, slot, &DayState::cloudiness);
  double amplitude = 0.9 * c_.rangeT * (1 - 0.08 * cloudiness) * std::exp(-depth / 12.0);
  double lag = depth / 12.0 * 24 / (2 * kPi);
  double diurnal = std::cos(2 * kPi * (Clock(slot) - 13 - lag) / 24);
  return mean + anomaly + amplitude * diurnal;
}

std::string Digits(long value, int width) {
  std::string text = std::to_string(value);
  return std::string(std::max(0, width - static_cast<int>(text.size())), '0') + text;
}

std::string PressureGroup(double hPa) { return Digits(std::lround(hPa * 10) % 10000, 4); }

std::string TemperatureGroup(double celsius) {
  long tenths = std::lround(celsius * 10);
  return tenths < 0 ? "-" + Digits(-tenths, 3) : Digits(tenths, 4);
}

std::string HumidityGroup(double percent) {
  long whole = std::lround(percent);
  return whole >= 100 ? "%%" : Digits(whole, 2);
}

std::string TenthsGroup(double value, int width) { return Digits(std::lround(value * 10), width); }

std::string WindGroup(int degrees, double speed) {
  long tenths = std::lround(speed * 10);
  return tenths < 3 ? "000000" : Digits(degrees, 3) + Digits(tenths, 3);
}

std::string SpeedFirstWindGroup(int degrees, double speed) {
  long tenths = std::lround(speed * 10);
  return tenths < 3 ? "000000" : Digits(tenths, 3) + Digits(degrees, 3);
}

std::string TimeGroup(int hour, int minute) { return Digits(hour, 2) + Digits(minute, 2); }

std::string Missing(int width) { return std::string(width, '/'); }

}  // namespace quillon::test
