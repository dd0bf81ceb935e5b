#include "books/phenomenon_text.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

TEST(PhenomenonMinutes, CountsFromTwentyHoursOfThePreviousDay) {
  struct Case {
    const char *time, *mark;
    int minutes;
  };
  const Case cases[] = {
      {"////", " ", -1},   {"2000", " ", 0},   {"2030", " ", 30},  {"2000", "-", 1440},
      {"2030", "-", 30},   {"2100", " ", 60},  {"2359", " ", 239}, {"2400", " ", 240},
      {"0000", " ", 240},  {"0015", " ", 255}, {"0830", " ", 750}, {"1015", "-", 855},
      {"1959", "-", 1439}, {"2500", " ", 0},   {"ab", " ", 240},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PhenomenonMinutes(c.time, c.mark), c.minutes) << c.time << c.mark;
}

TEST(PhenomenonName, NamesKnownCodesAndKeepsOthers) {
  EXPECT_EQ(PhenomenonName("60"), "雨");
  EXPECT_EQ(PhenomenonName("10"), "轻雾");
  EXPECT_EQ(PhenomenonName("83"), "阵性雨夹雪");
  EXPECT_EQ(PhenomenonName("99"), "99");
  EXPECT_EQ(PhenomenonName(""), "");
}

// The slots 1..24 of one day after spreading the given day text.
std::vector<std::string> Spread(const std::string& text) {
  ElementTable w;
  w.Resize(1, 0, 24);
  w.At(1, 0) = text;
  FormatPhenomena(w);
  std::vector<std::string> slots(25);
  for (int s = 1; s <= 24; ++s) slots[static_cast<size_t>(s)] = w.At(1, s);
  return slots;
}

std::vector<int> SlotsHolding(const std::vector<std::string>& slots, const std::string& text) {
  std::vector<int> found;
  for (int s = 1; s <= 24; ++s)
    if (slots[static_cast<size_t>(s)] == text) found.push_back(s);
  return found;
}

TEST(FormatPhenomena, MarksTheHoursOfEachTimeRange) {
  struct Case {
    const char* text;
    const char* name;
    std::vector<int> slots;
  };
  const Case cases[] = {
      {"60 0830-1015,.", "雨", {13, 14, 15}},
      {"60 2000-2130,.", "雨", {1, 2}},
      {"60 1930-2000,.", "雨", {24}},
      {"10 2000-2030,.", "轻雾", {1}},
      {"60 ////-2130,.", "雨", {1, 2}},
      {"60 ////,.", "雨", {}},
      {"60,.", "雨", {}},
      {"99 0830-0900,.", "99", {13}},
      {"60 0830-0900'1130-1200,.", "雨", {13, 16}},
      {"60 0830-0930'0900-0915,.", "雨", {13, 14}},
      {"60 0830[12]-0900;5,.", "雨", {13}},
      {"60 0830-1015", "雨", {}},  // a text without "," is one unread item
  };
  for (const auto& c : cases) EXPECT_EQ(SlotsHolding(Spread(c.text), c.name), c.slots) << c.text;
}

TEST(FormatPhenomena, JoinsSeveralPhenomenaInItemOrder) {
  auto slots = Spread("60 0830-1000,10 0910-1000,.");
  EXPECT_EQ(slots[13], "雨");
  EXPECT_EQ(slots[14], "雨,轻雾");
  EXPECT_EQ(slots[12], "");
}

TEST(FormatPhenomena, UntimedGroupGoesToTheFirstHour) {
  // Items before the one holding ")" are phenomena without times.
  auto slots = Spread("(01,02),60 0830-0900,.");
  EXPECT_EQ(slots[1], "露");
  EXPECT_EQ(slots[13], "雨");
  auto withValue = Spread("01[12],16),.");
  EXPECT_EQ(withValue[1], "露");
}

TEST(FormatPhenomena, LeavesEmptyDaysEmpty) {
  for (const auto& slot : Spread("")) EXPECT_EQ(slot, "");
}

}  // namespace
}  // namespace quillon
