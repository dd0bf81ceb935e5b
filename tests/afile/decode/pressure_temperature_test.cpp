#include "afile/decode/pressure_temperature.h"

#include <gtest/gtest.h>

#include "afile/decode/decode_tables.h"

namespace quillon {
namespace {

using test::OneCell;
using test::Rows;
using test::RowsOf;
using test::TableOf;

struct SlotCase {
  int slots, slot;
  const char* raw;
  const char* expected;
};

TEST(DecodePressure, PutsTheHundredsDigitBackAndMarksMissing) {
  struct Case {
    const char* timesPerDay;
    PressureTable label;
    SlotCase cell;
  };
  const Case cases[] = {
      // Three-observation stations have no first observation in TableP only.
      {"3", kStationPressure, {6, 1, "////", ""}},
      {"3", kStationPressure, {6, 2, "////", "-"}},
      {"3", kStationPressure, {4, 1, "////", ""}},
      {"3", kSeaLevelPressure, {4, 1, "////", "-"}},
      {"3", kStationPressure, {26, 1, "////", "-"}},
      {"4", kStationPressure, {6, 1, "////", "-"}},
      {"24", kStationPressure, {28, 1, "0005", "10005"}},
      {"24", kStationPressure, {28, 1, "0123", "10123"}},
      {"24", kStationPressure, {28, 1, "2999", "12999"}},
      {"24", kStationPressure, {28, 1, "3000", "3000"}},
      {"24", kStationPressure, {28, 1, "9987", "9987"}},
      {"24", kStationPressure, {28, 1, "    ", ""}},
      {"24", kStationPressure, {28, 1, "", ""}},
      // Slots 26 and 28 of 28-slot tables are times of the extremes.
      {"24", kStationPressure, {28, 25, "0123", "10123"}},
      {"24", kStationPressure, {28, 26, "0512", "0512"}},
      {"24", kStationPressure, {28, 28, "1432", "1432"}},
      {"24", kStationPressure, {28, 26, "////", "-"}},
      {"24", kStationPressure, {26, 26, "0512", "10512"}},
      {"24", kSeaLevelPressure, {24, 24, "0023", "10023"}},
  };
  for (const auto& c : cases) {
    AFileHeader header;
    header.TimesPerDay = c.timesPerDay;
    ElementTable table = OneCell(c.cell.raw, c.cell.slots, c.cell.slot);
    DecodePressure(header, table, c.label);
    EXPECT_EQ(table.At(1, c.cell.slot), c.cell.expected)
        << c.label << " " << c.timesPerDay << " slot " << c.cell.slot << " \"" << c.cell.raw
        << "\"";
  }
}

TEST(DecodeTemperature, WritesPlainNumbersAndRangeMarks) {
  const SlotCase cases[] = {
      {6, 1, "-012", "-12"},    {6, 1, "0256", "256"},    {6, 1, "0000", "0"},
      {6, 1, ".05", ">5"},      {6, 1, "+012", "<-12"},   {6, 1, "    ", ""},
      {6, 1, "", ""},           {6, 1, "////", "-"},      {28, 25, "0256", "256"},
      {28, 26, "1432", "1432"}, {28, 28, "0005", "0005"}, {28, 27, "-105", "-105"},
      {26, 26, "1432", "1432"}, {26, 26, "0005", "5"},    {6, 1, ".5云", ">5"},
  };
  for (const auto& c : cases) {
    ElementTable table = OneCell(c.raw, c.slots, c.slot);
    table.At(1, c.slot == 1 ? 2 : 1) = "0100";  // the table has a value
    DecodeTemperature(table);
    EXPECT_EQ(table.At(1, c.slot), c.expected) << "slot " << c.slot << " \"" << c.raw << "\"";
  }
}

TEST(DecodeTemperature, ShowsATableMissingThroughoutAsEmpty) {
  struct Case {
    Rows raw, expected;
  };
  const Case cases[] = {
      {{{"////", "", "/"}, {"    ", "//////", "  "}}, {{"", "", ""}, {"", "", ""}}},
      {{{"////", "", "0012"}, {"////", "///", " "}}, {{"-", "", "12"}, {"-", "-", ""}}},
  };
  for (const auto& c : cases) {
    ElementTable table = TableOf(c.raw);
    DecodeTemperature(table);
    EXPECT_EQ(RowsOf(table), c.expected);
  }
}

TEST(DecodeLowerSoilTemperature, EmptiesTheFirstSlotOfThreeObservationStationsInModeZero) {
  struct Case {
    const char* timesPerDay;
    const char* mode;
    const char* expectedFirst;
  };
  const Case cases[] = {
      {"3", "0", ""}, {"3 ", "0", ""}, {"4", "0", "12"}, {"3", "1", "12"}, {"24", "0", "12"},
  };
  for (const auto& c : cases) {
    ElementTable table = TableOf({{"0012", "0013", "", "////"}, {"0012", "", "", ""}});
    DecodeLowerSoilTemperature(c.timesPerDay, c.mode, table);
    EXPECT_EQ(RowsOf(table),
              (Rows{{c.expectedFirst, "13", "", "-"}, {c.expectedFirst, "", "", ""}}))
        << c.timesPerDay << " mode " << c.mode;
  }
}

TEST(DecodeMarkedTemperature, MarksCommaGroupsAndEmptiesAnAllMissingTable) {
  struct Case {
    Rows raw, expected;
  };
  const Case cases[] = {
      {{{",012", ",000", ",,,,", "////"}}, {{"-12B", "0B", ",", "-"}}},
      {{{"0123", "    ", "", ",5"}}, {{"123", "", "", "-5B"}}},
      {{{"////", "////"}, {"////", "////"}}, {{"", ""}, {"", ""}}},
      // An empty cell is not missing: the other cells keep their "-".
      {{{"////", ""}}, {{"-", ""}}},
  };
  for (const auto& c : cases) {
    ElementTable table = TableOf(c.raw);
    DecodeMarkedTemperature(table);
    EXPECT_EQ(RowsOf(table), c.expected);
  }
}

TEST(DecodePlainGroups, KeepsMissingMarksMissing) {
  const std::pair<const char*, const char*> cases[] = {
      {"0105", "105"}, {"050", "50"}, {"///", "-"}, {"/", "-"},   {"////", "-"},
      {"   ", ""},     {"    ", ""},  {"", ""},     {"000", "0"},
  };
  for (const auto& [raw, expected] : cases) {
    ElementTable table = OneCell(raw);
    DecodePlainGroups(table);
    EXPECT_EQ(table.At(1, 1), expected) << "\"" << raw << "\"";
  }
}

TEST(DecodeHumidity, ReadsPercentMarksAndTheTimeOfTheMinimum) {
  const SlotCase cases[] = {
      {26, 1, "%%", "100"},     {26, 1, "//", "-"},    {26, 1, "////", "-"},
      {26, 1, "  ", ""},        {26, 1, "    ", ""},   {26, 1, "085", "85"},
      {26, 1, "ab", "ab"},      {26, 25, "012", "12"}, {26, 26, "830", "0830"},
      {26, 26, "1405", "1405"}, {26, 26, "////", "-"}, {26, 26, "8:30", "8:30"},
      {5, 5, "830", "830"},
  };
  for (const auto& c : cases) {
    ElementTable table = OneCell(c.raw, c.slots, c.slot);
    DecodeHumidity(table);
    EXPECT_EQ(table.At(1, c.slot), c.expected) << "slot " << c.slot << " \"" << c.raw << "\"";
  }
}

TEST(DecodeSingleSlot, MarksOnlyTwoSlashesMissing) {
  const std::pair<const char*, const char*> cases[] = {
      {"//", "-"}, {"0123", "0123"}, {"////", "////"}, {"", ""}};
  for (const auto& [raw, expected] : cases) {
    ElementTable table = OneCell(raw);
    DecodeSingleSlot(table);
    EXPECT_EQ(table.At(1, 1), expected) << raw;
  }
}

}  // namespace
}  // namespace quillon
