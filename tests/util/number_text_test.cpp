#include "util/number_text.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

struct TextCase {
  const char* text;
  const char* expected;
};

TEST(PlainNumber, WritesTheLeadingNumberInShortestForm) {
  const TextCase cases[] = {
      {"0123", "123"},   {"-012", "-12"}, {"0000", "0"},
      {"12.50", "12.5"}, {"////", "0"},   {"", "0"},
      {"  05", "5"},     {"1 2", "12"},   {"-0", "0"},
      {"+7", "7"},       {"3.", "3"},     {".5", "0.5"},
      {"007B", "7"},     {"-", "0"},      {"12345678901234567890", "12345678901234567890"},
      {"-0000", "0"},    {"0", "0"},      {"-5", "-5"},
      {"-0105", "-105"}, {"10", "10"},    {"-00012345678901234567890", "-12345678901234567890"},
      {"0450", "450"},   {"000", "0"},    {"5", "5"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PlainNumber(c.text), c.expected) << "text \"" << c.text << "\"";
    std::string cell = c.text;
    MakePlainNumber(cell);
    EXPECT_EQ(cell, c.expected) << "in place, text \"" << c.text << "\"";
    std::string_view text = c.text;
    if (!text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos) {
      EXPECT_EQ(PlainDigits(text), std::string_view(c.expected)) << "digits \"" << c.text << "\"";
    }
  }
}

TEST(LeadingNumber, ReadsUntilTheFirstCharacterThatIsNotPartOfANumber) {
  const std::pair<const char*, double> cases[] = {
      {"0123", 123},
      {"-5", -5},
      {" 1 0", 10},
      {"12.5x", 12.5},
      {"A---", 0},
      {"", 0},
      {"1.2.3", 1.2},
      {"- 3", -3},
      {"//", 0},
      {"35/12", 35},
      {"-0123", -123},
      {"0000", 0},
      {"999999999999999", 999999999999999.0},
      {"12345678901234567", 12345678901234567.0},
  };
  for (const auto& [text, expected] : cases)
    EXPECT_DOUBLE_EQ(LeadingNumber(text), expected) << text;
}

TEST(IsNumeric, AcceptsOnlyAWholeNumber) {
  const std::pair<const char*, bool> cases[] = {
      {"12", true},    {" 12 ", true}, {"-3", true},     {"1.5", true},  {"0830", true},
      {"", false},     {"  ", false},  {"-", false},     {"12a", false}, {"1 2", false},
      {"////", false}, {".", false},   {"1.2.3", false}, {"%%", false},
  };
  for (const auto& [text, expected] : cases)
    EXPECT_EQ(IsNumeric(text), expected) << "\"" << text << "\"";
}

TEST(FormatFixed, PadsAndRoundsHalfAwayFromZero) {
  struct Case {
    double value;
    int minInt, decimals;
    const char* expected;
  };
  const Case cases[] = {
      {5, 2, 0, "05"},      {-5, 2, 0, "-05"},   {123, 2, 0, "123"},  {0, 2, 0, "00"},
      {2.5, 1, 0, "3"},     {-2.5, 1, 0, "-3"},  {2.4999, 1, 0, "2"}, {-0.4, 2, 0, "00"},
      {12.3, 1, 1, "12.3"}, {0.15, 1, 1, "0.2"}, {0, 1, 1, "0.0"},    {5012.3, 1, 1, "5012.3"},
      {9.96, 1, 1, "10.0"}, {0.05, 1, 1, "0.1"}, {99.5, 2, 0, "100"}, {1.0, 4, 0, "0001"},
      {5000, 4, 0, "5000"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatFixed(c.value, c.minInt, c.decimals), c.expected) << c.value;
}

TEST(FormatGeneral, DropsTrailingZeros) {
  EXPECT_EQ(FormatGeneral(12.0), "12");
  EXPECT_EQ(FormatGeneral(12.3), "12.3");
  EXPECT_EQ(FormatGeneral(-0.0), "0");
  EXPECT_EQ(FormatGeneral(99), "99");
}

}  // namespace
}  // namespace quillon
