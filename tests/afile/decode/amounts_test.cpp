#include "afile/decode/amounts.h"

#include "afile/month_data.h"

#include <gtest/gtest.h>

#include <array>

#include "afile/decode/decode_tables.h"

namespace quillon {
namespace {

using test::OneCell;
using test::Rows;
using test::RowsOf;
using test::TableOf;

struct TableCase {
  Rows raw, expected;
};

TEST(DecodePrecipitation, ShowsNoRainEmptyAndTracesAsDoubleZero) {
  const std::pair<const char*, const char*> cases[] = {
      {"0000", ""},      {"", ""},       {"    ", ""},     {"////", "-"},    {"----", "-"},
      {"A---", "A"},     {",,,,", "00"}, {";234", "1234"}, {":050", "2050"}, {"0012", "12"},
      {";2345", "1234"}, {";", "1"},     {";云23", "1"},   {":;12", "2"},
  };
  for (const auto& [raw, expected] : cases) {
    ElementTable table = TableOf({{raw, "0005"}});
    DecodePrecipitation(table);
    EXPECT_EQ(table.At(1, 1), expected) << "\"" << raw << "\"";
  }
}

TEST(DecodePrecipitation, EmptiesATableMissingThroughout) {
  const TableCase cases[] = {
      {{{"////", ""}, {"", "////"}}, {{"", ""}, {"", ""}}},
      {{{"////", "----"}, {"    ", ""}}, {{"", ""}, {"", ""}}},
      {{{"////", ""}, {"0005", "////"}}, {{"-", ""}, {"5", "-"}}},
      {{{"////", "A---"}}, {{"-", "A"}}},
      {{{"", "0000"}}, {{"", ""}}},
      // A dry month with lost days: the zeros were observed, the days are
      // still missing.
      {{{"0000", "0000"}, {"////", "////"}}, {{"", ""}, {"-", "-"}}},
      {{{"////", "----"}, {"    ", "0000"}}, {{"-", "-"}, {"", ""}}},
  };
  for (const auto& c : cases) {
    ElementTable table = TableOf(c.raw);
    DecodePrecipitation(table);
    EXPECT_EQ(RowsOf(table), c.expected);
  }
}

TEST(DecodeRainSummary, DecodesAmountsAndDatesTheSpellStart) {
  struct Case {
    const char* year;
    const char* month;
    std::array<const char*, 3> raw, expected;
  };
  const Case cases[] = {
      {"2006", "03", {"0000", "15-12", "00000"}, {"", "15-12/2005", ""}},
      {"2006", "12", {"////", "15-12", "/////"}, {"-", "15-12/2006", "-"}},
      {"2006", "12", {",,,,", "/////", ",,,,,"}, {"00", "-/-/-", "00"}},
      {"2008", "01", {"0123", "//////////", "01234"}, {"123", "-/-/-", "1234"}},
      {"2008", "01", {"", "", ""}, {"", "-/-/-", ""}},
      {"2008", "01", {"    ", "31-01", "     "}, {"", "31-01/2008", ""}},
      {"2008", "02", {"0005", "1-1", "00012"}, {"5", "1-1", "12"}},
      // lengths and the month count characters
      {"2008", "01", {"0005", "01-1月", "00012"}, {"5", "01-1月/2008", "12"}},
      {"2001", "01", {"0005", "03-2云", "00012"}, {"5", "03-2云/2000", "12"}},
  };
  for (const auto& c : cases) {
    AFileHeader header;
    header.Year = c.year;
    header.Month = c.month;
    TextList summary;
    summary.Resize(1, 3);
    for (int i = 1; i <= 3; ++i) summary.At(i) = c.raw[i - 1];
    DecodeRainSummary(header, summary);
    for (int i = 1; i <= 3; ++i)
      EXPECT_EQ(summary.At(i), c.expected[i - 1]) << c.month << " entry " << i;
  }
  TextList none;
  DecodeRainSummary(AFileHeader{}, none);
  EXPECT_TRUE(none.Empty());
}

TEST(DecodeEvaporation, DecodesEverySlotButSlotZero) {
  ElementTable table = TableOf({{"///", "", "   "}, {",,,", "---", "012"}}, 0);
  DecodeEvaporation(table);
  EXPECT_EQ(RowsOf(table), (Rows{{"///", "", ""}, {",,,", "", "12"}}));
  table = TableOf({{"///", ",,,", "0105"}});
  DecodeEvaporation(table);
  EXPECT_EQ(RowsOf(table), (Rows{{"-", "B", "105"}}));
}

TEST(DecodeSnow, LeavesSnowPressureEmptyInAMonthWithoutIt) {
  const TableCase cases[] = {
      {{{"012", "///"}, {"000", "000"}, {"///", "///"}}, {{"12", ""}, {"", ""}, {"-", ""}}},
      {{{"012", "///"}, {",,,", "025"}, {"   ", "000"}}, {{"12", "-"}, {"0", "25"}, {"", ""}}},
      {{{"", "///"}, {"", ""}}, {{"", "-"}, {"", ""}}},
  };
  for (const auto& c : cases) {
    ElementTable table = TableOf(c.raw);
    DecodeSnow(table);
    EXPECT_EQ(RowsOf(table), c.expected);
  }
}

TEST(DecodeFrozenGround, EmptiesLayersWhoseDepthsAreBothZero) {
  const TableCase cases[] = {
      {{{"000", "000", "012", "000"}}, {{"", "", "12", "0"}}},
      {{{"000", "012", "000", "000"}}, {{"0", "12", "", ""}}},
      {{{"///", "   ", "512", "500"}}, {{"-", "", ">12", "500"}}},
      {{{"035", "000", "", "///"}}, {{"35", "0", "", "-"}}},
      {{{"000", "///", "0501", "512.5"}}, {{"0", "-", ">1", ">12.5"}}},
      {{{"500.1", "501", "", ""}}, {{">0.1", ">1", "", ""}}},
  };
  for (const auto& c : cases) {
    ElementTable table = TableOf(c.raw);
    DecodeFrozenGround(table);
    EXPECT_EQ(RowsOf(table), c.expected);
  }
}

TEST(DecodeSunshine, ShiftsModeTwoDaysAndShowsTheTotal) {
  std::vector<std::string> raw(27), expected(27);
  for (int k = 1; k <= 18; ++k) raw[k - 1] = k % 2 ? "10" : "00";
  raw[18] = "00";  // total
  for (int k = 1; k <= 18; ++k) expected[k + 2] = k % 2 ? "10" : "";
  expected[26] = "0";
  TextList modes;
  modes.Resize(1, 20);
  modes.At(kSunshineSection) = "2";
  ElementTable table = TableOf({raw});
  DecodeSunshine(modes, table);
  EXPECT_EQ(RowsOf(table), (Rows{expected}));
}

TEST(DecodeSunshine, DecodesCellsInPlaceInOtherModes) {
  struct Case {
    int slot;
    const char* raw;
    const char* expected;
  };
  const Case cases[] = {
      {5, "00", ""},      {5, "  ", ""},  {27, "00", "0"}, {27, "  ", "0"},  {27, "", ""},
      {5, "NN", ""},      {5, "//", "-"}, {5, "///", "-"}, {5, "////", "-"}, {5, "08", "8"},
      {27, "102", "102"}, {26, "00", ""}, {1, "10", "10"},
  };
  TextList modes;
  modes.Resize(1, 20);
  for (const char* mode : {"A", "0", ""}) {
    modes.At(kSunshineSection) = mode;
    for (const auto& c : cases) {
      ElementTable table = OneCell(c.raw, 27, c.slot);
      DecodeSunshine(modes, table);
      EXPECT_EQ(table.At(1, c.slot), c.expected) << mode << " slot " << c.slot << " " << c.raw;
    }
  }
}

}  // namespace
}  // namespace quillon
