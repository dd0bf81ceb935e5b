#include "util/plain_decimal.h"

#include <gtest/gtest.h>

#include <tuple>

namespace quillon {
namespace {

TEST(AsPlainDecimal, ReadsPlainNumbersWithTheirDecimals) {
  const std::tuple<const char*, int, double> cases[] = {
      {"-12", 0, -12},
      {"1013.2", 1, 1013.2},
      {"0.0", 1, 0},
      {"-0.5", 1, -0.5},
      {"0.000000000000000000000000000001", 30, 1e-30},
      {"123456789012345", 0, 123456789012345},  // 15 significant digits
      {"0.00123456789012345", 17, 0.00123456789012345},
  };
  for (const auto& [text, decimals, value] : cases) {
    auto number = AsPlainDecimal(text);
    ASSERT_TRUE(number) << text;
    EXPECT_EQ(number->decimals, decimals) << text;
    EXPECT_EQ(number->value, value) << text;
  }
  EXPECT_EQ(DecimalFormat(0), "0");
  EXPECT_EQ(DecimalFormat(3), "0.000");
}

TEST(AsPlainDecimal, LeavesEveryOtherTextAsText) {
  // Labels, marks, loose forms, a negative zero (its sign would not show), 16
  // significant digits and 31 decimals.
  const char* texts[] = {"08",
                         "-08",
                         "00",
                         "45/23",
                         "-",
                         ">12",
                         "",
                         "+5",
                         ".5",
                         "5.",
                         "1e5",
                         " 12",
                         "12 ",
                         "1.2.3",
                         "20080201 21",
                         "-0",
                         "-0.0",
                         "1234567890123456",
                         "123456789012345.6",
                         "0.0000000000000000000000000000001"};
  for (const char* text : texts) EXPECT_FALSE(AsPlainDecimal(text)) << '"' << text << '"';
}

}  // namespace
}  // namespace quillon
