// Rounding, separated fields, wind directions and possible sunshine.
#include <gtest/gtest.h>

#include <stdexcept>

#include "util/calendar.h"
#include "util/fields.h"
#include "util/possible_sunshine.h"
#include "util/rounding.h"
#include "util/utf8_text.h"
#include "util/wind_direction.h"

namespace quillon {
namespace {

TEST(RoundHalfAway, RoundsHalvesAwayFromZero) {
  const std::pair<double, int> cases[] = {{2.5, 3},   {-2.5, -3}, {2.4999, 2}, {0.5, 1},
                                          {-0.5, -1}, {0.49, 0},  {5.83, 6},   {-7.5, -8}};
  for (const auto& [x, expected] : cases) EXPECT_EQ(RoundHalfAway(x), expected) << x;
}

TEST(RoundHalfAway, RefusesResultsOutside32Bits) {
  EXPECT_EQ(RoundHalfAway(2147483647.0), 2147483647);
  EXPECT_THROW(RoundHalfAway(2147483648.0), std::range_error);
  EXPECT_THROW(RoundHalfAway(-3e10), std::range_error);
  EXPECT_THROW(RoundHalfAway(std::numeric_limits<double>::quiet_NaN()), std::range_error);
}

TEST(RoundHalfEven, RoundsHalvesToEvenWithin32Bits) {
  const std::pair<double, int> cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {2.6, 3}, {7.0, 7}};
  for (const auto& [x, expected] : cases) EXPECT_EQ(RoundHalfEven(x), expected) << x;
  EXPECT_THROW(RoundHalfEven(4e9), std::range_error);
}

TEST(AfterFirst, GivesTheTextBehindTheFirstSeparator) {
  EXPECT_EQ(AfterFirst("NE/35", '/'), "35");
  EXPECT_EQ(AfterFirst("-/-", '/'), "-");
  EXPECT_EQ(AfterFirst("a/b/c", '/'), "b/c");
  EXPECT_EQ(AfterFirst("35", '/'), "35");
}

TEST(CountOf, CountsOccurrencesWithoutOverlap) {
  EXPECT_EQ(CountOf("a,b,,c", ","), 3);
  EXPECT_EQ(CountOf("", ","), 0);
  EXPECT_EQ(CountOf("aaaa", "aa"), 2);
  EXPECT_EQ(CountOf("NE/35", "/"), 1);
  EXPECT_THROW(CountOf("abc", ""), std::invalid_argument);
}

TEST(FieldOf, PicksTheNthFieldOfTheTrimmedText) {
  struct Case {
    const char* text;
    const char* sep;
    int n;
    const char* expected;
  };
  const Case cases[] = {
      {"NE/35", "/", 1, "NE"},  {"NE/35", "/", 2, "35"}, {"NE/35", "/", 3, ""},
      {"  a/b  ", "/", 2, "b"}, {"a//c", "/", 2, ""},    {"a//c", "/", 3, "c"},
      {"", "/", 1, ""},         {"35.30", ".", 2, "30"}, {"35", ".", 2, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FieldOf(c.text, c.sep, c.n), c.expected) << c.text << " " << c.n;
}

TEST(SplitInto, CutsLikeSplitAtIntoReusedViews) {
  std::vector<std::string_view> pieces{"old"};
  for (std::string_view text : {"", " ", "a", "0174 0176  0173", " a ", "a,,b,"}) {
    SplitInto(text, text.find(',') == std::string_view::npos ? ' ' : ',', pieces);
    std::vector<std::string> split =
        SplitAt(text, text.find(',') == std::string_view::npos ? ' ' : ',');
    EXPECT_EQ(std::vector<std::string>(pieces.begin(), pieces.end()), split) << text;
  }
}

TEST(FieldCursor, HandsOutThePiecesOfSplitAtAndCountsThoseLeft) {
  for (std::string_view text : {"", " ", "a", "0174 0176  0173", " a ", "a,,b,"}) {
    char separator = text.find(',') == std::string_view::npos ? ' ' : ',';
    std::vector<std::string> split = SplitAt(text, separator);
    FieldCursor cursor(text, separator);
    std::vector<std::string> pieces;
    while (!cursor.Done()) {
      EXPECT_EQ(cursor.Left(), split.size() - pieces.size()) << text;
      pieces.emplace_back(cursor.Next());
    }
    EXPECT_EQ(cursor.Left(), 0u);
    EXPECT_EQ(pieces, split) << text;
  }
}

TEST(EraseAll, RemovesEveryOccurrenceInPlace) {
  for (auto [text, expected] :
       {std::pair{"", ""}, {"0174", "0174"}, {"=01=7=", "017"}, {"===", ""}}) {
    std::string s = text;
    EraseAll(s, '=');
    EXPECT_EQ(s, expected);
  }
}

TEST(FirstNonAscii, FindsAHighByteAtAnyPosition) {
  // Lines are looked at eight bytes at a time; the tail is checked alone.
  for (size_t length = 0; length <= 19; ++length) {
    std::string text(length, 'a');
    EXPECT_TRUE(IsAscii(text));
    for (size_t at = 0; at < length; ++at) {
      std::string high = text;
      high[at] = static_cast<char>(0xB0);
      EXPECT_FALSE(IsAscii(high)) << length << " " << at;
      EXPECT_EQ(FirstNonAscii(high), at) << length;
      EXPECT_EQ(FirstNonAscii(high, at + 1), std::string::npos) << length << " " << at;
    }
  }
}

TEST(WindDirectionCode, MapsDegreesByClosedRanges) {
  const std::pair<const char*, const char*> cases[] = {
      {"11", "N"},   {"12", "NNE"}, {"348", "NNW"}, {"349", "N"}, {"360", "N"},
      {"0", "N"},    {"361", ""},   {"-5", ""},     {"11.5", ""}, {"90", "E"},
      {"225", "SW"}, {"101", "E"},  {"102", "ESE"},
  };
  for (const auto& [direction, expected] : cases)
    EXPECT_EQ(WindDirectionCode(direction, "25"), expected) << direction;
}

TEST(WindDirectionCode, SpeedDecidesCalmAndMissing) {
  EXPECT_EQ(WindDirectionCode("90", "2"), "C");
  EXPECT_EQ(WindDirectionCode("90", ""), "");
  EXPECT_EQ(WindDirectionCode("90", "-"), "-");
  EXPECT_EQ(WindDirectionCode("90", "3"), "E");
  EXPECT_EQ(WindDirectionCode("XYZ", "30"), "-");
  EXPECT_EQ(WindDirectionCode("SW", "30"), "SW");
  EXPECT_EQ(WindDirectionCode("C", "30"), "C");
  EXPECT_EQ(WindDirectionCode("-", "30"), "-");
  EXPECT_EQ(WindDirectionCode("", "30"), "");
}

TEST(IsUnknownWindCode, SearchesTheCodeListForACommaAndPrefix) {
  EXPECT_FALSE(IsUnknownWindCode("NNE"));
  EXPECT_FALSE(IsUnknownWindCode(""));
  EXPECT_FALSE(IsUnknownWindCode("NN"));
  EXPECT_FALSE(IsUnknownWindCode("C"));
  EXPECT_TRUE(IsUnknownWindCode("X"));
  EXPECT_TRUE(IsUnknownWindCode("n"));
}

TEST(DaysInMonth, FollowsTheCalendar) {
  EXPECT_EQ(DaysInMonth(2008, 2), 29);
  EXPECT_EQ(DaysInMonth(2007, 2), 28);
  EXPECT_EQ(DaysInMonth(1900, 2), 28);
  EXPECT_EQ(DaysInMonth(2000, 2), 29);
  EXPECT_EQ(DaysInMonth(2008, 4), 30);
  EXPECT_EQ(DaysInMonth(2008, 12), 31);
  EXPECT_EQ(DaySerial(2008, 13, 1), DaySerial(2009, 1, 1));
  EXPECT_EQ(DaySerial(2008, 0, 1), DaySerial(2007, 12, 1));
}

TEST(PossibleSunshine, GivesTheDayLengthAtTheStation) {
  struct Case {
    const char *month, *day, *latitude;
    double hours;
  };
  const Case cases[] = {
      {"06", "16", "35.30N", 14.49},
      {"12", "16", "35.30N", 9.72},
      {"06", "16", "80.00N", 24.0},
      {"12", "16", "80.00N", 0.0},
  };
  for (const auto& c : cases)
    EXPECT_DOUBLE_EQ(PossibleSunshine("2008", c.month, c.day, c.latitude, "105.00E"), c.hours)
        << c.month << "-" << c.day << " " << c.latitude;
}

TEST(PossibleSunshine, SouthernLatitudeMirrorsTheSeasons) {
  // Southern winter in June: shorter than the equinox, as long as the
  // northern December day.
  double south = PossibleSunshine("2008", "06", "16", "35.30S", "105.00E");
  EXPECT_LT(south, 12.0);
  EXPECT_NEAR(south, PossibleSunshine("2008", "12", "16", "35.30N", "105.00E"), 0.2);
  EXPECT_EQ(PossibleSunshine("2008", "06", "16", "35", "105"),
            PossibleSunshine("2008", "06", "16", "35.00N", "105.00E"));
}

}  // namespace
}  // namespace quillon
