#include "afile/decode/section_dispatch.h"

#include <gtest/gtest.h>

#include <random>

#include "afile/decode/amounts.h"
#include "afile/decode/clouds.h"
#include "afile/decode/pressure_temperature.h"
#include "afile/decode/weather_text.h"
#include "afile/decode/wind.h"

namespace quillon {
namespace {

struct Shape {
  std::string_view table;
  int firstSlot, lastSlot;
};

// The sizes the reader gives an hourly automatic station's tables.
constexpr Shape kHourlyShapes[] = {
    {"TableP", 1, 28},  {"TableT", 1, 28},  {"TableI", 1, 24},  {"TableE", 1, 24},
    {"TableU", 1, 26},  {"TableI2", 1, 24}, {"TableN", 1, 24},  {"TableN2", 1, 24},
    {"TableC", 1, 24},  {"TableH", 1, 24},  {"TableV", 1, 26},  {"TableR", 1, 3},
    {"TableW", 0, 24},  {"TableF", 1, 24},  {"TableD", 1, 28},  {"TableB", 1, 28},
    {"TableB2", 1, 1},  {"TableD2", 1, 24}, {"TableD3", 1, 24}, {"TableD4", 1, 24},
    {"TableD5", 1, 24}, {"TableD6", 1, 24}, {"TableK", 0, 24},  {"TableK2", 0, 24},
    {"TableK3", 0, 24}, {"TableL", 0, 1},   {"TableL2", 1, 25}, {"TableP2", 1, 24},
    {"TableZ", 1, 2},   {"TableF3", 1, 4},  {"TableA", 1, 4},   {"TableG", 1, 9},
    {"TableR2", 1, 24}, {"TableF2", 1, 24}, {"TableS", 1, 27},  {"TableR3", 1, 2},
};

MonthData HourlyStore(int days, const char* timesPerDay = "24") {
  MonthData data;
  ResetMonthData(data);
  data.Header.TimesPerDay = timesPerDay;
  data.Header.Year = "2008";
  data.Header.Month = "01";
  for (int slot = AFileHeader::kFirstFlag; slot <= AFileHeader::kLastFlag; ++slot)
    data.Header.Flag(slot) = "0";
  for (int i = 1; i <= 20; ++i) data.SectionModes.At(i) = "=";
  for (const Shape& s : kHourlyShapes)
    TableByName(data, s.table)->Resize(days, s.firstSlot, s.lastSlot);
  data.TableR4.Resize(1, 3);
  return data;
}

bool IsWindTable(std::string_view name) {
  return name == "TableF" || name == "TableF2" || name == "TableF3";
}

TEST(DecodeSections, LeavesAFileWithoutDataEmpty) {
  MonthData data = HourlyStore(29);
  DecodeSections(data);
  for (std::string_view name : TableNames()) {
    const ElementTable& table = *TableByName(data, name);
    for (int day = 1; day <= table.Days(); ++day)
      for (int slot = table.FirstSlot(); slot <= table.LastSlot(); ++slot) {
        const std::string& cell = table.At(day, slot);
        // A wind shows "/" for nothing observed: both its columns stay empty.
        bool windGroup = IsWindTable(name) && (name != "TableF3" || slot % 2 == 1);
        EXPECT_EQ(cell, windGroup ? "/" : "") << name << " " << day << "/" << slot;
      }
  }
  EXPECT_EQ(data.Header.FlagText(46), "9");
}

TEST(DecodeSections, RoutesEveryTableToItsDecoder) {
  struct Case {
    std::string_view table;
    int slot;
    const char* raw;
    const char* expected;
  };
  const Case cases[] = {
      {"TableP", 1, "0123", "10123"},
      {"TableP", 26, "0512", "0512"},
      {"TableP2", 1, "0123", "10123"},
      {"TableT", 1, "0256", "256"},
      {"TableT", 26, "1432", "1432"},
      {"TableI", 1, ",012", "-12B"},
      {"TableI2", 1, "-012", "-12"},
      {"TableE", 1, "0105", "105"},
      {"TableU", 1, "%%", "100"},
      {"TableU", 26, "830", "0830"},
      {"TableN", 1, "11", "10-"},
      {"TableN2", 1, "05", "5"},
      {"TableH", 1, "SC0600", "SC600"},
      {"TableC", 1, "CIB SCT", "CI SCLENT"},
      {"TableV", 1, "0150", "150"},
      {"TableR", 1, "0000", ""},
      {"TableR2", 1, ",,,,", "00"},
      {"TableW", 0, "60 0810 1030", "60 0810-1030"},
      {"TableW", 1, "60 0810 1030", "60 0810 1030"},
      {"TableL", 1, ",,,", "B"},
      {"TableL", 0, ",,,", ",,,"},
      {"TableL2", 1, "012", "12"},
      {"TableZ", 1, ",,,", "0"},
      {"TableG", 1, "5600", "56"},
      {"TableF", 1, "045023", "45/23"},
      {"TableF2", 1, "045023", "45/23"},
      {"TableF3", 1, "C  000", "0/0"},
      {"TableD", 1, ".05", ">5"},
      {"TableD2", 1, "+012", "<-12"},
      {"TableD3", 1, "0012", "12"},
      {"TableD4", 1, "0012", "12"},
      {"TableD5", 1, "0012", "12"},
      {"TableD6", 1, "0012", "12"},
      {"TableK", 1, "0012", "12"},
      {"TableK", 0, "0012", "0012"},
      {"TableK2", 1, "0012", "12"},
      {"TableK3", 1, "0012", "12"},
      {"TableA", 1, "512", ">12"},
      {"TableS", 27, "00", "0"},
      {"TableB", 26, "1432", "1432"},
      {"TableB", 25, "0256", "256"},
      {"TableB2", 1, "//", "-"},
      {"TableR3", 1, "////", "////"},
  };
  MonthData data = HourlyStore(31);
  data.Header.Flag(27) = "1";
  for (const auto& c : cases) TableByName(data, c.table)->At(3, c.slot) = c.raw;
  data.TableR4.At(2) = "15-12";
  DecodeSections(data);
  for (const auto& c : cases)
    EXPECT_EQ(TableByName(data, c.table)->At(3, c.slot), c.expected) << c.table << " " << c.slot;
  EXPECT_EQ(data.TableR4.At(2), "15-12/2007");
  EXPECT_EQ(data.Header.FlagText(46), "1");
}

TEST(DecodeSections, GivesTheStationParametersToTheDecodersThatNeedThem) {
  MonthData data = HourlyStore(28, "3");
  data.TableP.Resize(28, 1, 6);
  data.TableP2.Resize(28, 1, 4);
  data.TableF.Resize(28, 1, 4);
  data.TableD4.Resize(28, 1, 4);
  data.TableD6.Resize(28, 1, 4);
  data.SectionModes.At(kGroundSection) = "0";
  data.SectionModes.At(kSunshineSection) = "2";
  data.TableP.At(1, 1) = data.TableP2.At(1, 1) = "////";
  data.TableF.At(1, 1) = data.TableF2.At(1, 1) = "//////";
  data.TableD.At(1, 1) = data.TableD4.At(1, 1) = data.TableD6.At(1, 1) = "0012";
  data.TableS.At(1, 1) = "10";
  DecodeSections(data);
  EXPECT_EQ(data.TableP.At(1, 1), "");
  EXPECT_EQ(data.TableP2.At(1, 1), "-");
  EXPECT_EQ(data.TableF.At(1, 1), "/");
  EXPECT_EQ(data.TableF2.At(1, 1), "-/-");
  EXPECT_EQ(data.TableD.At(1, 1), "12");
  EXPECT_EQ(data.TableD4.At(1, 1), "");
  EXPECT_EQ(data.TableD6.At(1, 1), "");
  EXPECT_EQ(data.TableS.At(1, 1), "");
  EXPECT_EQ(data.TableS.At(1, 4), "10");
}

// Pieces that A-file groups are made of, and some that only a garbled file
// holds.
const char* const kPieces[] = {
    "0",    "1",   "3",    "5",  "9",  "/",  "//", "///",
    "////", ",",   ",,,,", ";",  ":",  ".",  "+",  "-",
    " ",    "   ", "A",    "B",  "P",  "C",  "N",  "E",
    "S",    "W",   "Z",    "%",  "\\", "云", "雾", "\xEF\xBF\xBD",
    "SCT",  "CIB", "A---", "NN", "=",  "\t",
};
const char* const kBadBytes[] = {"\x80", "\xFF", "\xC3", "\xE4\xB8"};

std::string RandomText(std::mt19937& rng, bool badBytes) {
  std::string text;
  for (unsigned n = rng() % 7; n > 0; --n) {
    if (badBytes && rng() % 5 == 0)
      text += kBadBytes[rng() % std::size(kBadBytes)];
    else
      text += kPieces[rng() % std::size(kPieces)];
  }
  return text;
}

bool IsValidUtf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    auto c = static_cast<unsigned char>(text[i]);
    size_t length = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    i += length;
  }
  return true;
}

void FillRandomly(MonthData& data, std::mt19937& rng, bool badBytes) {
  for (std::string_view name : TableNames()) {
    ElementTable& table = *TableByName(data, name);
    for (int day = 1; day <= table.Days(); ++day)
      for (int slot = table.FirstSlot(); slot <= table.LastSlot(); ++slot)
        table.At(day, slot) = RandomText(rng, badBytes);
  }
  for (int i = 1; i <= 3; ++i) data.TableR4.At(i) = RandomText(rng, badBytes);
}

TEST(DecodeSections, AcceptsAnyCellText) {
  std::mt19937 rng(20080101);
  const char* const modes[] = {"0", "2", "A", "B", "="};
  for (int round = 0; round < 40; ++round) {
    bool badBytes = round % 2 == 1;
    MonthData data = HourlyStore(31, round % 3 == 0 ? "3" : "24");
    data.SectionModes.At(kGroundSection) = modes[rng() % std::size(modes)];
    data.SectionModes.At(kSunshineSection) = modes[rng() % std::size(modes)];
    FillRandomly(data, rng, badBytes);
    ASSERT_NO_THROW(DecodeSections(data)) << "round " << round;
    if (badBytes) continue;
    for (std::string_view name : TableNames()) {
      const ElementTable& table = *TableByName(data, name);
      for (int day = 1; day <= table.Days(); ++day)
        for (int slot = table.FirstSlot(); slot <= table.LastSlot(); ++slot)
          ASSERT_TRUE(IsValidUtf8(table.At(day, slot))) << name << " " << table.At(day, slot);
    }
  }
}

TEST(DecodeSections, DecodersAcceptTablesOfAnyShape) {
  std::mt19937 rng(31);
  AFileHeader header;
  TextList modes;
  modes.Resize(1, 20);
  const std::function<void(ElementTable&)> decoders[] = {
      [&](ElementTable& t) { DecodePressure(header, t, kStationPressure); },
      DecodeTemperature,
      [&](ElementTable& t) { DecodeLowerSoilTemperature("3", "0", t); },
      DecodeMarkedTemperature,
      DecodePlainGroups,
      DecodeHumidity,
      DecodeSingleSlot,
      DecodeCloudAmount,
      DecodeCloudHeight,
      DecodeCloudForm,
      DecodePrecipitation,
      [&](ElementTable& t) { DecodeEvaporation(t); },
      DecodeSnow,
      DecodeFrozenGround,
      [&](ElementTable& t) { DecodeSunshine(modes, t); },
      [&](ElementTable& t) { DecodeWind(header, t, kTwoMinuteWind); },
      [&](ElementTable& t) { DecodeWind(header, t, kTenMinuteWind); },
      DecodeWindExtremes,
      DecodeWireIcing,
      DecodeWeatherText,
  };
  for (int round = 0; round < 60; ++round) {
    header.TimesPerDay = round % 2 ? "3" : "4";
    modes.At(19) = round % 3 ? "2" : "A";
    for (const auto& decode : decoders) {
      ElementTable table;
      // One draw per statement: the order of arguments differs between compilers.
      int first = static_cast<int>(rng() % 2);
      int days = static_cast<int>(rng() % 3);
      table.Resize(days, first, first - 1 + static_cast<int>(rng() % 30));
      for (int day = 1; day <= table.Days(); ++day)
        for (int slot = table.FirstSlot(); slot <= table.LastSlot(); ++slot)
          table.At(day, slot) = RandomText(rng, true);
      ASSERT_NO_THROW(decode(table)) << "round " << round;
    }
  }
}

}  // namespace
}  // namespace quillon
