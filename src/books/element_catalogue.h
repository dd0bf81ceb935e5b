// The 28 elements a user can pick, in the order of the element list, which is
// also the column order of both workbooks: each with its display name, the
// store table that feeds it, how its timed-record column is made, and the
// titles of its statistics columns.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "afile/month_data.h"

namespace quillon {

enum class ElementId {
  StationPressure,
  SeaLevelPressure,
  AirTemperature,
  VapourPressure,
  RelativeHumidity,
  DewPoint,
  TotalCloud,
  LowCloud,
  CloudForm,
  Visibility,
  Weather,
  TimedPrecipitation,
  HourlyPrecipitation,
  Wind2MinDirection,
  Wind2MinSpeed,
  Wind10MinDirection,
  Wind10MinSpeed,
  GrassTemperature,
  GroundTemperature,
  Ground5cm,
  Ground10cm,
  Ground15cm,
  Ground20cm,
  Ground40cm,
  Ground80cm,
  Ground160cm,
  Ground320cm,
  Sunshine,
};

// How the timed-record column of an element is made from its table.
enum class TimedColumn {
  None,           // no timed records (grass temperature)
  Copy,           // the table's slots by hour
  Phenomena,      // weather text, phenomena named per hour
  TimedRain,      // 20-08 h amount in the 08 h row, 08-20 h amount in the 20 h row
  WindDirection,  // the part of "direction/speed" before "/"
  WindSpeed,      // the part behind "/"
};

inline constexpr size_t kMostStatsTitles = 5;

struct Element {
  ElementId id;
  std::string_view name;           // as the element list and the workbooks show it
  ElementTable MonthData::*table;  // the store table that feeds it; nullptr for none
  TimedColumn timed;
  std::array<std::string_view, kMostStatsTitles> statsTitles;  // unused titles are empty

  // The statistics column titles, none for elements without statistics.
  std::span<const std::string_view> StatsTitles() const;
};

inline constexpr size_t kElementCount = 28;

// The whole catalogue, in list order.
const std::array<Element, kElementCount>& Elements();

// The element of that display name, nullptr for another name.
const Element* ElementNamed(std::string_view name);

const Element& ElementOf(ElementId id);

}  // namespace quillon
