#include "util/plain_decimal.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

TEST(AsPlainDecimal, TakesOnlyTextsANumberFormatShowsAgain) {
  struct Case {
    const char* text;
    int decimals;  // -1: stays text
    double value;
  };
  const Case cases[] = {
      {"-12", 0, -12},
      {"1013.2", 1, 1013.2},
      {"0.0", 1, 0},
      {"0", 0, 0},
      {"-0.5", 1, -0.5},
      {"10.25", 2, 10.25},
      {"0.000000000000000000000000000001", 30, 1e-30},
      {"123456789012345", 0, 123456789012345},
      {"12345678901234.5", 1, 12345678901234.5},
      {"0.00123456789012345", 17, 0.00123456789012345},
      {"08", -1, 0},  // an hour label
      {"-08", -1, 0},
      {"00", -1, 0},
      {"45/23", -1, 0},
      {"-", -1, 0},
      {">12", -1, 0},
      {"", -1, 0},
      {"+5", -1, 0},
      {".5", -1, 0},
      {"5.", -1, 0},
      {"1e5", -1, 0},
      {" 12", -1, 0},
      {"12 ", -1, 0},
      {"1.2.3", -1, 0},
      {"-0", -1, 0},  // a negative zero cannot show its sign
      {"-0.0", -1, 0},
      {"1234567890123456", -1, 0},                   // 16 significant digits
      {"0.0000000000000000000000000000001", -1, 0},  // 31 decimals
      {"2008010121 21", -1, 0},
  };
  for (const auto& c : cases) {
    auto number = AsPlainDecimal(c.text);
    ASSERT_EQ(number.has_value(), c.decimals >= 0) << '"' << c.text << '"';
    if (!number) continue;
    EXPECT_EQ(number->decimals, c.decimals) << c.text;
    EXPECT_EQ(number->value, c.value) << c.text;
  }
}

TEST(DecimalFormat, ShowsExactlyTheDecimals) {
  EXPECT_EQ(DecimalFormat(0), "0");
  EXPECT_EQ(DecimalFormat(1), "0.0");
  EXPECT_EQ(DecimalFormat(3), "0.000");
}

}  // namespace
}  // namespace quillon
