// Everything known about one A file (one station, one month) while it is
// converted. One store is kept and reused: reset before every file.
#pragma once

#include "afile/afile_header.h"
#include "afile/element_table.h"

#include <string_view>
#include <vector>

namespace quillon {

// The sections of an A file by their number in SectionModes, in file order.
enum SectionNumber : int {
  kPressureSection = 1,       // P
  kTemperatureSection,        // T
  kMarkedTemperatureSection,  // I
  kVapourPressureSection,     // E
  kHumiditySection,           // U
  kCloudAmountSection,        // N
  kCloudHeightSection,        // H
  kCloudFormSection,          // C
  kVisibilitySection,         // V
  kRainSection,               // R
  kWeatherSection,            // W
  kEvaporationSection,        // L
  kSnowSection,               // Z
  kWireIcingSection,          // G
  kWindSection,               // F
  kGroundSection,             // D
  kDeepGroundSection,         // K
  kFrozenGroundSection,       // A
  kSunshineSection,           // S
  kGrassSection,              // B
};
inline constexpr int kSectionCount = kGrassSection;

// Members in the order the reader, the decoders, the statistics and the
// reset take them. Slot ranges are those the reader gives each table.
struct MonthData {
  AFileHeader Header;     // 1
  TextList SectionModes;  // 2: 1..20, P T I E U N H C V R W L Z G F D K A S B
  ElementTable TableP;    // 3: station pressure "本站气压"
  ElementTable TableT;    // 4: air temperature "气温"
  ElementTable TableI;    // 5: first I table (marked temperatures)
  ElementTable TableE;    // 6: vapour pressure "水汽压"
  ElementTable TableU;    // 7: relative humidity "相对湿度"
  ElementTable TableI2;   // 8: dew point "露点温度"
  ElementTable TableN;    // 9: total cloud "总云量"
  ElementTable TableN2;   // 10: low cloud "低云量"
  ElementTable TableC;    // 11: cloud form "云状"
  ElementTable TableH;    // 12: cloud height
  ElementTable TableV;    // 13: visibility "能见度"
  ElementTable TableR;    // 14: timed precipitation "定时降水量", 3 slots
  ElementTable TableW;    // 15: weather text, slots 0..24, the day's line in slot 0
  ElementTable TableF;    // 16: 2-minute wind
  ElementTable TableD;    // 17: ground temperature "地面温度"
  ElementTable TableB;    // 18: grass temperature "草面温度", 28 slots
  ElementTable TableB2;   // 19: 1 slot
  ElementTable TableD2;   // 20: 5 cm
  ElementTable TableD3;   // 21: 10 cm
  ElementTable TableD4;   // 22: 15 cm
  ElementTable TableD5;   // 23: 20 cm
  ElementTable TableD6;   // 24: 40 cm
  ElementTable TableK;    // 25: 80 cm, slots 0..n
  ElementTable TableK2;   // 26: 160 cm, slots 0..n
  ElementTable TableK3;   // 27: 320 cm, slots 0..n
  ElementTable TableL;    // 28: evaporation, slots 0..1
  ElementTable TableL2;   // 29: evaporation, slots 0..1 or 1..25
  ElementTable TableP2;   // 30: sea-level pressure "海平面气压"
  ElementTable TableZ;    // 31: snow, 2 slots
  ElementTable TableF3;   // 32: maximum and extreme wind, 4 slots
  ElementTable TableA;    // 33: frozen ground, 4 slots
  ElementTable TableG;    // 34: wire icing, 9 slots
  ElementTable TableR2;   // 35: hourly precipitation "小时降水量", 24 slots
  ElementTable TableF2;   // 36: 10-minute wind, 24 slots
  ElementTable TableS;    // 37: sunshine "日照时数", 27 slots
  ElementTable TableR3;   // 38: 2 slots, only in R modes "0", "1", "5"
  TextList TableR4;       // 39: 1..3, the monthly rain summary line
  TextList CoverLines;    // 40: 1..12
  TextList NotesJY;       // 41: 0..n, entry 0 empty
  TextList NotesGK;       // 42: 0..n
  TextList NotesBZ;       // 43: 0..n
};

// Clears the store for the next file: every header slot null, every section
// mode empty, CoverLines 1..12 empty, every other table and list without rows.
void ResetMonthData(MonthData& data);

// The tables by the names the workbooks and the command line use ("TableP",
// ..., "TableR3"); nullptr for another name.
ElementTable* TableByName(MonthData& data, std::string_view name);
const ElementTable* TableByName(const MonthData& data, std::string_view name);

// The name of a table of the store ("TableP"); empty for nullptr.
std::string_view TableNameOf(ElementTable MonthData::*member);

// Names of the 36 tables in store order.
const std::vector<std::string_view>& TableNames();

}  // namespace quillon
