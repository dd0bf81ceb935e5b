// Invented but plausible weather for the sample station-months: a smooth
// synoptic course over the month, diurnal cycles of temperature, humidity,
// wind and ground temperature, rain spells and the sunshine that goes with
// the cloud. Deterministic for a seed. Also the value groups of the A file.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace quillon::test {

struct Climate {
  int days = 31;
  double meanT = 0;          // °C at the start of the month
  double trendT = 0;         // change of the mean over the month
  double rangeT = 10;        // mean diurnal range on a clear day
  double stationP = 1020;    // hPa
  double seaP = 1025;        // hPa
  double spreadT = 6;        // mean dew-point depression, °C
  double windMean = 2.5;     // m/s
  int windDir = 315;         // prevailing direction, degrees
  double rainChance = 0.15;  // of a day with precipitation
  double rainPerHour = 1.0;  // mm in an hour of rain
  double latitude = 40;      // for the length of the day
  int dayOfYear = 1;         // of the first day of the month
  double soilMean = 0;       // °C at 320 cm
  uint32_t seed = 1;
};

// Hours of an observation day by slot: slot 1..4 are 21..24 h of the day
// before, slot 5..24 are 01..20 h.
int HourOfSlot(int slot);

class SampleWeather {
 public:
  explicit SampleWeather(const Climate& climate);

  int Days() const { return c_.days; }
  double Temperature(int day, int slot) const;
  double DewPoint(int day, int slot) const;
  double Humidity(int day, int slot) const;        // %
  double VapourPressure(int day, int slot) const;  // hPa
  double StationPressure(int day, int slot) const;
  double SeaPressure(int day, int slot) const;
  double WindSpeed(int day, int slot, bool tenMinutes) const;   // m/s
  int WindDirection(int day, int slot, bool tenMinutes) const;  // degrees
  double Rain(int day, int slot) const;                         // mm in the hour ending at the slot
  bool Raining(int day, int slot) const { return Rain(day, slot) > 0; }
  int Cloud(int day, int slot) const;          // tenths
  int LowCloud(int day, int slot) const;       // tenths
  double Visibility(int day, int slot) const;  // km
  // Hours of sunshine in the hour ending at hourEnd (1..24) of the calendar
  // day, in true solar time as sunshine recorders keep it.
  double Sunshine(int day, int hourEnd) const;
  // Soil temperature at a depth in cm; 0 is the ground surface.
  double Soil(int day, int slot, int depth) const;
  // Rain spell of a day: start and end hour (clock hours), none when dry.
  bool RainSpell(int day, int& start, int& end) const;
  double Rainfall(int day) const;  // day total, 20-20 h
  // Rain of the last day of the month before, when it had a spell.
  double RainfallBefore() const;

 private:
  struct DayState {
    double tempAnomaly, pressureAnomaly, spread, wind, cloudiness;
    int direction, cloud, rainStart, rainHours;
  };
  double Smooth(int day, int slot, double DayState::*field) const;
  double MeanTemperature(int day, int slot) const;  // without the daily cycle
  double Daylight(int day, int hourEnd) const;      // hours of the hour above the horizon

  Climate c_;
  std::vector<DayState> state_;  // index 0..days+1: the days around the month too
  std::vector<double> jitter_;   // per day and slot, -1..1
};

// Value groups as the A file writes them.
std::string Digits(long value, int width);         // zero-padded
std::string PressureGroup(double hPa);             // "0123": tenths without thousands
std::string TemperatureGroup(double celsius);      // "0123", "-012"
std::string HumidityGroup(double percent);         // "85", "%%" for 100
std::string TenthsGroup(double value, int width);  // tenths, zero-padded
std::string WindGroup(int degrees, double speed);  // "045023"
std::string TimeGroup(int hour, int minute);       // "1432"
std::string Missing(int width);                    // "////"
// The day's maximum or extreme wind is written speed first: "156090".
std::string SpeedFirstWindGroup(int degrees, double speed);

}  // namespace quillon::test
