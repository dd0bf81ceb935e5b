#include "afile/header_line.h"

#include <algorithm>
#include <array>

#include "util/calendar.h"
#include "util/number_text.h"
#include "util/utf8_text.h"

namespace quillon {
namespace {

// 1-based position and width, as the layouts are written.
std::string Field(std::string_view line, size_t pos, size_t width = 1) {
  return CharSub(line, pos - 1, width);
}

int Code(std::string_view line, size_t pos) {
  return static_cast<int>(LeadingNumber(Field(line, pos)));
}

// "12.3" for 123 tenths; "(12.3)" when estimated.
std::string Height(double tenths, bool estimated) {
  std::string text = Format0Point0(tenths / 10.0);
  return estimated ? "(" + text + ")" : text;
}

// 66/69 rule: a height of 5000.0 m or more is an estimate stored as 5000 +
// the height; worked in tenths so that 50123 gives exactly "(12.3)".
std::string HeightWith5000Rule(double tenths) {
  if (tenths >= 50000) {
    double rest = tenths - 50000;
    std::string text = FormatFixed(rest / 10.0, 1, 1);
    if (text.size() > 2 && text.compare(text.size() - 2, 2, ".0") == 0) text.erase(text.size() - 2);
    return "(" + text + ")";
  }
  return Height(tenths, false);
}

std::string Longitude(std::string_view degrees) { return FormatGeneral(LeadingNumber(degrees)); }

struct KindCode {
  const char* kind;
  const char* timesPerDay;  // nullptr: none defined
};

constexpr std::array<KindCode, 5> kKinds{
    {{"基准站", "24"}, {"基本站", "4"}, {"一般站", "4"}, {"一般站", "3"}, {"自动", nullptr}}};

constexpr std::array<const char*, 4> kTypes66{"人工", "Ⅰ型", "Ⅱ型", "Milos"};

// Positions of the observed-item characters, by flag slot 20..30 and 32, 34,
// 35, 36, 42; the other slots are copies or fixed.
struct FlagPosition {
  int slot;
  size_t pos66;
  size_t pos75;
};
constexpr std::array<FlagPosition, 16> kFlagPositions{{
    {20, 48, 51},
    {21, 49, 52},
    {22, 51, 54},
    {23, 53, 56},
    {24, 43, 46},
    {25, 44, 47},
    {26, 47, 50},
    {27, 57, 60},
    {28, 52, 55},
    {29, 61, 64},
    {30, 54, 57},
    {32, 55, 58},
    {34, 56, 59},
    {35, 60, 63},
    {36, 58, 61},
    {42, 59, 62},
}};

void SetFlags(std::string_view line, bool layout75, AFileHeader& h) {
  for (const FlagPosition& f : kFlagPositions)
    h.Flag(f.slot) = Field(line, layout75 ? f.pos75 : f.pos66);
  h.Flag(kLargePanFlag) = h.Flag(kSmallPanFlag);
  h.Flag(kSnowPressureFlag) = h.Flag(kSnowDepthFlag);
  for (int slot = kGroundSurfaceFlag + 1; slot <= kGroundSurfaceFlag + 5; ++slot)
    h.Flag(slot) = h.Flag(kGroundSurfaceFlag);
  h.Flag(kDeepGroundFlag + 1) = h.Flag(kDeepGroundFlag);
  h.Flag(kDeepGroundFlag + 2) = h.Flag(kDeepGroundFlag);
  h.Flag(45) = h.Flag(28);
  h.Flag(kTenMinuteWindFlag) = h.Flag(kWindFlag);
  h.Flag(kExtremeWindFlag) = "9";
  h.Flag(kSeaLevelPressureFlag) = "9";
  h.Flag(49) = layout75 ? Field(line, 65) : "9";
  h.Flag(kGrassFlag) = "9";
}

void Parse66Or69(std::string_view line, AFileHeader& h) {
  bool has69 = CharLength(line) == 69;
  std::string quadrant = has69 ? Field(line, 68) : "";
  std::string estimate = has69 ? Field(line, 69) : "0";
  char ns = 'N', ew = 'E';
  if (quadrant == "2") ew = 'W';
  if (quadrant == "3") ns = 'S';
  if (quadrant == "4") ns = 'S', ew = 'W';
  h.Latitude = Field(line, 7, 2) + "." + Field(line, 9, 2) + ns;
  h.Longitude = Longitude(Field(line, 11, 3)) + "." + Field(line, 14, 2) + ew;
  double field = LeadingNumber(Field(line, 17, 5));
  double barometer = LeadingNumber(Field(line, 23, 5));
  if (estimate == "0") {
    h.FieldHeight = HeightWith5000Rule(field);
    h.BarometerHeight = HeightWith5000Rule(barometer);
  } else {
    bool both = estimate == "1" || estimate == "3";
    h.FieldHeight = Height(field, both);
    h.BarometerHeight = Height(barometer, both);
  }
  double wind = LeadingNumber(Field(line, 64, 3));
  if (wind >= 500) wind -= 500;
  h.WindSensorHeight = Height(wind, false);
  h.PlatformHeight = "";
  h.Year = Field(line, 29, 4);
  h.Month = Field(line, 34, 2);
  int type = Code(line, 41);
  if (type >= 0 && type < static_cast<int>(kTypes66.size())) h.ObservationType = kTypes66[type];
  h.QualityControl.reset();
  SetFlags(line, false, h);
}

void Parse75(std::string_view line, AFileHeader& h) {
  h.Latitude = Field(line, 7, 2) + "." + Field(line, 9, 3);
  h.Longitude = Longitude(Field(line, 13, 3)) + "." + Field(line, 16, 3);
  h.FieldHeight = Height(LeadingNumber(Field(line, 21, 5)), Field(line, 20) == "1");
  h.BarometerHeight = Height(LeadingNumber(Field(line, 28, 5)), Field(line, 27) == "1");
  h.WindSensorHeight = Height(LeadingNumber(Field(line, 34, 3)), false);
  h.PlatformHeight = Height(LeadingNumber(Field(line, 38, 3)), false);
  h.ObservationType = Code(line, 43) == 0 ? "人工" : "自动站";
  h.QualityControl = Field(line, 67);
  h.Year = Field(line, 69, 4);
  h.Month = Field(line, 74, 2);
  SetFlags(line, true, h);
}

// Four digits, as every row label starts with it; "0000" is no year.
bool IsYear(std::string_view year) {
  return year.size() == 4 && year != "0000" &&
         std::all_of(year.begin(), year.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

Status ParseHeaderLine(std::string_view line, AFileHeader& header) {
  // Derived into a copy so that a refused line leaves the header untouched.
  AFileHeader h = header;
  size_t length = CharLength(line);
  if (length != 66 && length != 69 && length != 75) {
    return Error{ErrorKind::Format, "header line has " + std::to_string(length) +
                                        " characters, expected 66, 69 or 75"};
  }
  bool layout75 = length == 75;
  int kind = Code(line, layout75 ? 44 : 38);
  if (kind < 1 || kind > 5) {
    return Error{ErrorKind::Format,
                 "unknown station kind code \"" + Field(line, layout75 ? 44 : 38) + "\""};
  }
  h.HeaderLine = std::string(line);
  h.StationId = Field(line, 1, 5);
  h.StationKind = kKinds[kind - 1].kind;
  if (kKinds[kind - 1].timesPerDay) h.TimesPerDay = kKinds[kind - 1].timesPerDay;
  if (layout75)
    Parse75(line, h);
  else
    Parse66Or69(line, h);
  h.CoverLine = "";
  if (!IsYear(*h.Year)) {
    return Error{ErrorKind::Format, "header year \"" + *h.Year + "\" is not a year of four digits"};
  }
  long month = static_cast<long>(LeadingNumber(*h.Month));
  if (!IsNumeric(*h.Month) || month < 1 || month > 12) {
    return Error{ErrorKind::Format, "header month \"" + *h.Month + "\" is not a month"};
  }
  h.DaysInMonth = DaysInMonth(static_cast<long>(LeadingNumber(*h.Year)), month);
  header = std::move(h);
  return Done();
}

int TimesPerDaySlots(const AFileHeader& h) {
  if (!h.TimesPerDay) return 24;
  int n = static_cast<int>(LeadingNumber(*h.TimesPerDay));
  return n == 3 ? 4 : n;
}

int DataSlots(const AFileHeader& h) {
  return h.ObservationType == "人工" ? TimesPerDaySlots(h) : 24;
}

bool IsThreeObservationStation(const AFileHeader& h) {
  return IsThreeObservationStation(TextOf(h.TimesPerDay));
}

bool IsThreeObservationStation(std::string_view timesPerDay) {
  return LeadingNumber(timesPerDay) == 3;
}

}  // namespace quillon
