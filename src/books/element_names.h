// The 28 elements a user can pick, in the order of the element list, which is
// also the column order of both workbooks.
#pragma once

#include <array>
#include <string_view>

namespace quillon {

inline constexpr std::array<std::string_view, 28> kElementNames{
    "本站气压",       "海平面气压",     "气温",       "水汽压",        "相对湿度",
    "露点温度",       "总云量",         "低云量",     "云状",          "能见度",
    "天气现象",       "定时降水量",     "小时降水量", "2分钟平均风向", "2分钟平均风速",
    "10分钟平均风向", "10分钟平均风速", "草面温度",   "地面温度",      "5cm地温",
    "10cm地温",       "15cm地温",       "20cm地温",   "40cm地温",      "80cm地温",
    "160cm地温",      "320cm地温",      "日照时数",
};

// True when the name is one of the 28 elements.
bool IsElementName(std::string_view name);

}  // namespace quillon
