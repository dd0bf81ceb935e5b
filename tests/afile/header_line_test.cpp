#include "afile/header_line.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

// A header line of the given length with fields placed at 1-based positions;
// every other position is "0" (items observed) and the ends stay as given.
std::string Line(size_t length, std::initializer_list<std::pair<size_t, std::string>> fields) {
  std::string line(length, '0');
  for (size_t i : {6u, 16u, 22u, 28u, 33u, 36u, 39u}) line[i - 1] = ' ';
  for (const auto& [pos, text] : fields) line.replace(pos - 1, text.size(), text);
  return line;
}

std::string Line66(std::initializer_list<std::pair<size_t, std::string>> extra = {}) {
  std::string line = Line(66, {{1, "54511"},
                               {7, "3956"},
                               {11, "11628"},
                               {17, "00313"},
                               {23, "00325"},
                               {29, "2008"},
                               {34, "01"},
                               {38, "2"},
                               {41, "0"},
                               {64, "105"}});
  for (const auto& [pos, text] : extra) line.replace(pos - 1, text.size(), text);
  return line;
}

std::string Line75(std::initializer_list<std::pair<size_t, std::string>> extra = {}) {
  std::string line(75, '0');
  auto put = [&](size_t pos, const std::string& text) { line.replace(pos - 1, text.size(), text); };
  put(1, "54511 ");
  put(7, "3956N 11628E ");
  put(20, "000313 000325 ");
  put(34, "105 012  11");
  put(45, " ");
  put(66, " 0 2008 01");
  for (const auto& [pos, text] : extra) put(pos, text);
  return line;
}

AFileHeader Parsed(const std::string& line) {
  AFileHeader h;
  Status parsed = ParseHeaderLine(line, h);
  EXPECT_TRUE(parsed.Ok()) << ReasonOf(parsed);
  return h;
}

TEST(HeaderLine, Layout66GivesStationPositionAndHeights) {
  AFileHeader h = Parsed(Line66());
  EXPECT_EQ(h.StationId, "54511");
  EXPECT_EQ(h.Latitude, "39.56N");
  EXPECT_EQ(h.Longitude, "116.28E");
  EXPECT_EQ(h.FieldHeight, "31.3");
  EXPECT_EQ(h.BarometerHeight, "32.5");
  EXPECT_EQ(h.WindSensorHeight, "10.5");
  EXPECT_EQ(h.PlatformHeight, "");
  EXPECT_EQ(h.StationKind, "基本站");
  EXPECT_EQ(h.TimesPerDay, "4");
  EXPECT_EQ(h.ObservationType, "人工");
  EXPECT_EQ(h.Year, "2008");
  EXPECT_EQ(h.Month, "01");
  EXPECT_EQ(h.DaysInMonth, 31);
  EXPECT_FALSE(h.QualityControl.has_value());
  EXPECT_EQ(h.CoverLine, "");
  EXPECT_EQ(TimesPerDaySlots(h), 4);
  EXPECT_EQ(DataSlots(h), 4);
}

TEST(HeaderLine, Layout66EstimatedHeightsAbove5000) {
  struct Case {
    const char* digits;
    const char* height;
  };
  const Case cases[] = {{"50123", "(12.3)"}, {"50120", "(12)"}, {"51234", "(123.4)"},
                        {"49999", "4999.9"}, {"50000", "(0)"},  {"00005", "0.5"}};
  for (const auto& c : cases) {
    AFileHeader h = Parsed(Line66({{17, c.digits}, {23, c.digits}}));
    EXPECT_EQ(h.FieldHeight, c.height) << c.digits;
    EXPECT_EQ(h.BarometerHeight, c.height) << c.digits;
  }
}

TEST(HeaderLine, LongitudeLosesLeadingZerosAndWindHeightDrops50) {
  AFileHeader h = Parsed(Line66({{11, "09905"}, {64, "612"}}));
  EXPECT_EQ(h.Longitude, "99.05E");
  EXPECT_EQ(h.WindSensorHeight, "11.2");
}

TEST(HeaderLine, Layout69QuadrantAndEstimateDigits) {
  struct Case {
    const char* tail;
    const char *latitude, *longitude, *field;
  };
  const Case cases[] = {
      {"00", "39.56N", "116.28E", "31.3"},   {"10", "39.56N", "116.28E", "31.3"},
      {"20", "39.56N", "116.28W", "31.3"},   {"31", "39.56S", "116.28E", "(31.3)"},
      {"43", "39.56S", "116.28W", "(31.3)"}, {"02", "39.56N", "116.28E", "31.3"},
  };
  for (const auto& c : cases) {
    AFileHeader h = Parsed(Line66() + " " + c.tail);
    EXPECT_EQ(h.Latitude, c.latitude) << c.tail;
    EXPECT_EQ(h.Longitude, c.longitude) << c.tail;
    EXPECT_EQ(h.FieldHeight, c.field) << c.tail;
    EXPECT_EQ(h.BarometerHeight, std::string(c.field) == "31.3" ? "32.5" : "(32.5)") << c.tail;
  }
  // Digit "0" keeps the 5000 rule of the short layout; "2" does not apply it.
  EXPECT_EQ(Parsed(Line66({{17, "50123"}}) + " 10").FieldHeight, "(12.3)");
  EXPECT_EQ(Parsed(Line66({{17, "50123"}}) + " 12").FieldHeight, "5012.3");
}

TEST(HeaderLine, Layout75CarriesLettersEstimatesAndPlatform) {
  AFileHeader h = Parsed(Line75({{20, "1"}, {27, "0"}}));
  EXPECT_EQ(h.Latitude, "39.56N");
  EXPECT_EQ(h.Longitude, "116.28E");
  EXPECT_EQ(h.FieldHeight, "(31.3)");
  EXPECT_EQ(h.BarometerHeight, "32.5");
  EXPECT_EQ(h.WindSensorHeight, "10.5");
  EXPECT_EQ(h.PlatformHeight, "1.2");
  EXPECT_EQ(h.ObservationType, "自动站");
  EXPECT_EQ(h.StationKind, "基准站");
  EXPECT_EQ(h.TimesPerDay, "24");
  EXPECT_EQ(h.QualityControl, "0");
  EXPECT_EQ(h.Year, "2008");
  EXPECT_EQ(h.DaysInMonth, 31);
  EXPECT_EQ(Parsed(Line75({{7, "3956S"}, {13, "09905W"}})).Longitude, "99.05W");
  EXPECT_EQ(Parsed(Line75({{7, "3956S"}})).Latitude, "39.56S");
  EXPECT_EQ(Parsed(Line75({{43, "0"}})).ObservationType, "人工");
  EXPECT_EQ(Parsed(Line75({{43, "7"}})).ObservationType, "自动站");
}

TEST(HeaderLine, StationKindsAndObservationTypes) {
  struct Case {
    const char *kind, *type;
    const char *stationKind, *timesPerDay, *observationType;
    int slots, dataSlots;
  };
  const Case cases[] = {
      {"1", "0", "基准站", "24", "人工", 24, 24}, {"2", "1", "基本站", "4", "Ⅰ型", 4, 24},
      {"3", "2", "一般站", "4", "Ⅱ型", 4, 24},    {"4", "3", "一般站", "3", "Milos", 4, 24},
      {"4", "0", "一般站", "3", "人工", 4, 4},
  };
  for (const auto& c : cases) {
    AFileHeader h = Parsed(Line66({{38, c.kind}, {41, c.type}}));
    EXPECT_EQ(h.StationKind, c.stationKind);
    EXPECT_EQ(h.TimesPerDay, c.timesPerDay);
    EXPECT_EQ(h.ObservationType, c.observationType);
    EXPECT_EQ(TimesPerDaySlots(h), c.slots) << c.kind;
    EXPECT_EQ(DataSlots(h), c.dataSlots) << c.kind << c.type;
  }
  AFileHeader automatic = Parsed(Line66({{38, "5"}}));
  EXPECT_EQ(automatic.StationKind, "自动");
  EXPECT_FALSE(automatic.TimesPerDay.has_value());
  EXPECT_EQ(TimesPerDaySlots(automatic), 24);
  EXPECT_FALSE(Parsed(Line66({{41, "7"}})).ObservationType.has_value());
}

TEST(HeaderLine, DaysInMonthOfFebruary) {
  EXPECT_EQ(Parsed(Line66({{29, "2008"}, {34, "02"}})).DaysInMonth, 29);
  EXPECT_EQ(Parsed(Line66({{29, "2007"}, {34, "02"}})).DaysInMonth, 28);
  EXPECT_EQ(Parsed(Line66({{29, "2008"}, {34, "04"}})).DaysInMonth, 30);
}

TEST(HeaderLine, ElementFlagsComeFromTheirPositionsWithCopies) {
  std::string line = Line66();
  for (size_t pos = 43; pos <= 61; ++pos) line[pos - 1] = static_cast<char>('A' + (pos - 43));
  AFileHeader h = Parsed(line);
  EXPECT_EQ(h.FlagText(24), "A");  // position 43
  EXPECT_EQ(h.FlagText(20), "F");  // 48
  EXPECT_EQ(h.FlagText(30), "L");  // 54
  EXPECT_EQ(h.FlagText(31), "L");
  EXPECT_EQ(h.FlagText(36), "P");  // 58
  EXPECT_EQ(h.FlagText(41), "P");
  EXPECT_EQ(h.FlagText(42), "Q");  // 59
  EXPECT_EQ(h.FlagText(44), "Q");
  EXPECT_EQ(h.FlagText(45), h.FlagText(28));
  EXPECT_EQ(h.FlagText(46), h.FlagText(27));
  for (int slot : {47, 48, 49, 50}) EXPECT_EQ(h.FlagText(slot), "9") << slot;
  AFileHeader h75 = Parsed(Line75({{65, "1"}}));
  EXPECT_EQ(h75.FlagText(49), "1");
}

TEST(HeaderLine, RefusesLinesThatAreNotAHeader) {
  const std::string bad[] = {"",
                             Line66().substr(0, 65),
                             Line66() + "  ",
                             Line66() + "0123",
                             Line66({{38, "6"}}),
                             Line66({{38, "0"}}),
                             Line66({{34, "13"}}),
                             Line66({{34, "00"}}),
                             Line66({{29, "20x8"}}),
                             Line66({{29, "0000"}}),
                             Line66({{29, " 208"}}),
                             Line75({{69, "-999"}}),
                             Line75({{69, "2.00"}})};
  for (const std::string& line : bad) {
    AFileHeader h;
    Status parsed = ParseHeaderLine(line, h);
    ASSERT_FALSE(parsed.Ok()) << line;
    EXPECT_EQ(parsed.Failure().kind, ErrorKind::Format);
    EXPECT_FALSE(parsed.Failure().reason.empty());
  }
}

TEST(HeaderLine, CountsCharactersNotBytes) {
  // A line with a Chinese character is measured in characters.
  std::string line = Line66();
  line.replace(45, 1, "中");
  AFileHeader h;
  Status parsed = ParseHeaderLine(line, h);
  EXPECT_TRUE(parsed.Ok()) << ReasonOf(parsed);
}

}  // namespace
}  // namespace quillon
