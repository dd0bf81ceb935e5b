#include "books/element_catalogue.h"

#include <algorithm>

namespace quillon {
namespace {

using M = MonthData;
using T = TimedColumn;
using E = ElementId;

constexpr std::array<Element, kElementCount> kElements{{
    {E::StationPressure,
     "本站气压",
     &M::TableP,
     T::Copy,
     {"日平均本站气压", "日最高本站气压", "日最低本站气压"}},
    {E::SeaLevelPressure, "海平面气压", &M::TableP2, T::Copy, {"日平均海平面气压"}},
    {E::AirTemperature, "气温", &M::TableT, T::Copy, {"日平均气温", "日最高气温", "日最低气温"}},
    {E::VapourPressure, "水汽压", &M::TableE, T::Copy, {"日平均水汽压"}},
    {E::RelativeHumidity, "相对湿度", &M::TableU, T::Copy, {"日平均相对湿度", "日最小相对湿度"}},
    // Dew point, cloud form and visibility have no daily statistics.
    {E::DewPoint, "露点温度", &M::TableI2, T::Copy, {}},
    {E::TotalCloud, "总云量", &M::TableN, T::Copy, {"日平均总云量"}},
    {E::LowCloud, "低云量", &M::TableN2, T::Copy, {"日平均低云量"}},
    {E::CloudForm, "云状", &M::TableC, T::Copy, {}},
    {E::Visibility, "能见度", &M::TableV, T::Copy, {}},
    {E::Weather, "天气现象", &M::TableW, T::Phenomena, {"天气现象摘要"}},
    {E::TimedPrecipitation, "定时降水量", &M::TableR, T::TimedRain, {"日定时降水量"}},
    {E::HourlyPrecipitation, "小时降水量", &M::TableR2, T::Copy, {"日小时降水量"}},
    {E::Wind2MinDirection, "2分钟平均风向", &M::TableF, T::WindDirection, {}},
    {E::Wind2MinSpeed, "2分钟平均风速", &M::TableF, T::WindSpeed, {"日平均2分钟平均风速"}},
    {E::Wind10MinDirection, "10分钟平均风向", &M::TableF2, T::WindDirection, {}},
    {E::Wind10MinSpeed,
     "10分钟平均风速",
     &M::TableF2,
     T::WindSpeed,
     {"日平均10分钟平均风速", "日最大风速", "日最大风速的风向", "日极大风速", "日极大风速的风向"}},
    // Grass temperature is read once a day at its extremes: no timed records.
    {E::GrassTemperature,
     "草面温度",
     &M::TableB,
     T::None,
     {"日平均草面温度", "日最高草面温度", "日最低草面温度"}},
    {E::GroundTemperature,
     "地面温度",
     &M::TableD,
     T::Copy,
     {"日平均地面温度", "日最高地面温度", "日最低地面温度"}},
    {E::Ground5cm, "5cm地温", &M::TableD2, T::Copy, {"日平均5cm地温"}},
    {E::Ground10cm, "10cm地温", &M::TableD3, T::Copy, {"日平均10cm地温"}},
    {E::Ground15cm, "15cm地温", &M::TableD4, T::Copy, {"日平均15cm地温"}},
    {E::Ground20cm, "20cm地温", &M::TableD5, T::Copy, {"日平均20cm地温"}},
    {E::Ground40cm, "40cm地温", &M::TableD6, T::Copy, {"日平均40cm地温"}},
    {E::Ground80cm, "80cm地温", &M::TableK, T::Copy, {"日平均80cm地温"}},
    {E::Ground160cm, "160cm地温", &M::TableK2, T::Copy, {"日平均160cm地温"}},
    {E::Ground320cm, "320cm地温", &M::TableK3, T::Copy, {"日平均320cm地温"}},
    {E::Sunshine, "日照时数", &M::TableS, T::Copy, {"日日照时数"}},
}};

constexpr bool InIdOrder() {
  for (size_t i = 0; i < kElements.size(); ++i)
    if (static_cast<size_t>(kElements[i].id) != i) return false;
  return true;
}
static_assert(InIdOrder(), "the catalogue lists the elements in the order of their ids");

}  // namespace

std::span<const std::string_view> Element::StatsTitles() const {
  auto used = std::find(statsTitles.begin(), statsTitles.end(), std::string_view{});
  return {statsTitles.data(), static_cast<size_t>(used - statsTitles.begin())};
}

const std::array<Element, kElementCount>& Elements() { return kElements; }

const Element* ElementNamed(std::string_view name) {
  for (const Element& e : kElements)
    if (e.name == name) return &e;
  return nullptr;
}

const Element& ElementOf(ElementId id) { return kElements[static_cast<size_t>(id)]; }

}  // namespace quillon
