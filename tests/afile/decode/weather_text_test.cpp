#include "afile/decode/weather_text.h"

#include <gtest/gtest.h>

#include "afile/decode/decode_tables.h"

namespace quillon {
namespace {

TEST(DecodeWeatherText, JoinsDirectionsTimesAndValuesFromPositionEight) {
  const std::pair<const char*, const char*> cases[] = {
      {"", ""},
      {"60 0810 1030", "60 0810-1030"},
      {"60 0810 ////", "60 0810-////"},
      {"60 //// 1030", "60 ////-1030"},
      {"60 0810 103", "60 0810-103"},
      {"60 0810 10a0", "60 0810 10a0"},
      {"60 081a 1030", "60 081a 1030"},
      {"60 0810 ", "60 0810 "},
      {"17 N E", "17 N E"},
      {"42 0800 N E", "42 0800 N-E"},
      {"42 0800 Z W S", "42 0800 Z-W-S"},
      {"42 0800 n e", "42 0800 n e"},
      {"1234N E", "1234N E"},
      {"1234567N E", "1234567N-E"},
      {"60   0810", "60...0810"},
      {"60    0810", "60... 0810"},
      {"60 ,01", "60-,01"},
      // brackets: the ";" is looked at from position 3 on
      {"80;12", "80[12]"},
      {"80 ;123", "80 [123]"},
      {"80 ;1234", "80 [123]4"},
      {"80 ;///", "80 [///]"},
      {"80 ;", "80 ;"},
      {"80 ;ab1", "80 ;ab1"},
      {";123", ";123"},
      {"80;12;34", "80;12[34]"},
      {"80;123;456", "80[123][456]"},
      // the scan ends where the text ended before it grew
      {"ab;111;222;3", "ab[111][222];3"},
      // positions count characters
      {"雾 0810 1030", "雾 0810 1030"},
      {"雾雾 0810 1030", "雾雾 0810-1030"},
      {"雾;12", "雾;12"},
      {"雾雾;12", "雾雾[12]"},
      {"42 0800 N雾E", "42 0800 N雾E"},
  };
  for (const auto& [raw, expected] : cases) {
    ElementTable table;
    table.Resize(2, 0, 24);
    table.At(1, 0) = raw;
    table.At(1, 1) = raw;
    table.At(2, 0) = raw;
    DecodeWeatherText(table);
    EXPECT_EQ(table.At(1, 0), expected) << "\"" << raw << "\"";
    EXPECT_EQ(table.At(2, 0), expected) << "\"" << raw << "\"";
    EXPECT_EQ(table.At(1, 1), raw);
  }
}

}  // namespace
}  // namespace quillon
