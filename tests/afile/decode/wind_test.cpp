#include "afile/decode/wind.h"

#include <gtest/gtest.h>

#include "afile/decode/decode_tables.h"

namespace quillon {
namespace {

using test::OneCell;
using test::Rows;
using test::RowsOf;
using test::TableOf;

TEST(DecodeWind, JoinsDirectionAndSpeed) {
  const std::pair<const char*, const char*> cases[] = {
      {"045023", "45/23"},      {"//////", "-/-"},    {"045///", "45/-"},  {"", "/"},
      {"C  000", "C  /0"},      {"///023", "-/23"},   {"P45023", "45/23"}, {"360A15", "360/15"},
      {"000000", "0/0"},        {"NNE030", "NNE/30"}, {"PPPAAA", "/"},     {"12", "12/12"},
      {"云南0023", "云南0/23"},
  };
  AFileHeader header;
  header.TimesPerDay = "24";
  for (WindTable label : {kTwoMinuteWind, kTenMinuteWind})
    for (const auto& [raw, expected] : cases) {
      ElementTable table = OneCell(raw, 24, 3);
      DecodeWind(header, table, label);
      EXPECT_EQ(table.At(1, 3), expected) << label << " \"" << raw << "\"";
    }
}

TEST(DecodeWind, ShowsTheUnobservedFirstSlotOfThreeObservationStationsAsNothing) {
  struct Case {
    const char* timesPerDay;
    WindTable label;
    int slots, slot;
    const char* raw;
    const char* expected;
  };
  const Case cases[] = {
      {"3", kTwoMinuteWind, 4, 1, "//////", "/"},    {"3", kTwoMinuteWind, 4, 2, "//////", "-/-"},
      {"3", kTenMinuteWind, 4, 1, "//////", "-/-"},  {"3", kTwoMinuteWind, 24, 1, "//////", "-/-"},
      {"4", kTwoMinuteWind, 4, 1, "//////", "-/-"},  {"3", kTwoMinuteWind, 4, 1, "045023", "45/23"},
      {"3", kTwoMinuteWind, 4, 1, "045///", "45/-"},
  };
  for (const auto& c : cases) {
    AFileHeader header;
    header.TimesPerDay = c.timesPerDay;
    ElementTable table = OneCell(c.raw, c.slots, c.slot);
    DecodeWind(header, table, c.label);
    EXPECT_EQ(table.At(1, c.slot), c.expected)
        << c.label << " " << c.timesPerDay << " slot " << c.slot << " of " << c.slots;
  }
}

TEST(DecodeWind, SetsTheTenMinuteWindFlagFromWhatTheTableHolds) {
  struct Case {
    WindTable label;
    Rows raw;
    const char* expected46;
  };
  const Case cases[] = {
      {kTenMinuteWind, {{"", ""}, {"", ""}}, "9"},
      {kTenMinuteWind, {{"//////", "    "}, {"A---", "----"}}, "9"},
      {kTenMinuteWind, {{"//////", ""}, {"", "045023"}}, "1"},
      {kTwoMinuteWind, {{"045023"}}, "x"},
      {kTwoMinuteWind, {{""}}, "x"},
  };
  for (const auto& c : cases) {
    AFileHeader header;
    header.Flag(kWindFlag) = "1";
    header.Flag(kTenMinuteWindFlag) = "x";
    ElementTable table = TableOf(c.raw);
    DecodeWind(header, table, c.label);
    EXPECT_EQ(header.FlagText(kTenMinuteWindFlag), c.expected46) << c.label;
    EXPECT_EQ(header.FlagText(kWindFlag), "1");
  }
}

TEST(DecodeWindExtremes, ReadsBothPartsAsNumbers) {
  const Rows raw = {
      {"090156", "1435", "//////", "////"},
      {"", "", "C  000", "0802"},
      {"045///", "////", "///156", "1200"},
      {"P90A56", "12", "abc", "0000"},
  };
  const Rows expected = {
      {"90/156", "1435", "-/-", "-"},
      {"/", "", "0/0", "0802"},
      {"45/-", "-", "-/156", "1200"},
      {"90/56", "12", "0/abc", "0000"},
  };
  ElementTable table = TableOf(raw);
  DecodeWindExtremes(table);
  EXPECT_EQ(RowsOf(table), expected);
}

TEST(DecodeWireIcing, DecodesCodesSizesTemperatureAndWind) {
  const Rows raw = {
      {"0000", "000", "12", "003", "0", "00", "010", "-05", "045012"},
      {"5600", "   ", "////", "-----", "     ", "///", "0", "7", "//////"},
      {"0048", "", "----", "", "", "", "", "-3", "045///"},
      {"5648", "025", "", "", "", "", "", "    ", "///012"},
      {"////", "", "", "", "", "", "", "/////", "------"},
      {"----", "", "", "", "", "", "", "0", ""},
      {"    ", "", "", "", "", "", "", "---", "P45A12"},
  };
  const Rows expected = {
      {"", "", "12", "3", "", "", "10", "-05", "045/12"},
      {"56", "", "-", "", "", "-", "", "07", "-/-"},
      {"48", "", "", "", "", "", "", "-03", "045/-"},
      {"5648", "25", "", "", "", "", "", "", "-/12"},
      {"-", "", "", "", "", "", "", "-", ""},
      {"", "", "", "", "", "", "", "00", ""},
      {"", "", "", "", "", "", "", "", "45/0"},
  };
  ElementTable table = TableOf(raw);
  DecodeWireIcing(table);
  EXPECT_EQ(RowsOf(table), expected);
}

}  // namespace
}  // namespace quillon
