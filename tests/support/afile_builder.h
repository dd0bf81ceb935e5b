// Writes A files for tests: a header of any of the three layouts, any
// section with any mode and body, and any trailer, so that each test makes
// the file it needs instead of carrying a hand-typed one.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "afile/month_data.h"
#include "support/temp_folder.h"

namespace quillon::test {

// Station parameters; Line() places them in the layout of the length.
struct HeaderFields {
  int length = 66;                        // 66, 69 or 75
  std::string station = "54511";          // 5 characters
  std::string latitude = "3956";          // 66/69: ddmm; 75: ddmm + "N" or "S"
  std::string longitude = "11628";        // 66/69: dddmm; 75: dddmm + "E" or "W"
  std::string fieldHeight = "00313";      // 0.1 m, 5 digits
  std::string barometerHeight = "00325";  // 0.1 m, 5 digits
  std::string windHeight = "105";         // 0.1 m, 3 digits
  std::string platformHeight = "012";     // 75 only
  std::string year = "2008";
  std::string month = "01";
  char kind = '2';          // station kind code: 1..4, 5 automatic
  char type = '0';          // observation type code, "0" manual
  char quality = '0';       // 75 only: quality-control indicator
  std::string tail = "00";  // 69 only: quadrant and height-estimate digits
  // Observed-item characters at 43..61 (66/69) or 46..65 (75); empty for
  // every item observed.
  std::string items;

  std::string Line() const;
  int Days() const;
};

class AFileBuilder {
 public:
  explicit AFileBuilder(HeaderFields header = {});

  // The section line is the letter and the mode; body lines follow it as
  // given. Sections never set are written as the letter and "=" (the grass
  // section "B" only in the 75-character layout).
  AFileBuilder& Section(char letter, std::string mode, std::vector<std::string> body = {});
  // Lines written in the section's place as they are, section line included
  // (none at all for an empty list).
  AFileBuilder& SectionLines(char letter, std::vector<std::string> lines);
  // Everything after the last section. The default is "??????" and, for 75
  // characters, "******", a plain cover block and three empty note blocks.
  AFileBuilder& Trailer(std::vector<std::string> lines);

  const HeaderFields& Header() const { return header_; }
  std::vector<std::string> Lines() const;  // UTF-8, without line ends
  std::string Bytes() const;               // GBK with CR LF, as stations write them
  // Writes A<station>-<yyyymm>.TXT (or the given name) and returns its path.
  std::string WriteTo(const TempFolder& folder, std::string name = "") const;
  std::string FileName() const;

 private:
  HeaderFields header_;
  std::map<char, std::vector<std::string>> sections_;
  std::vector<std::string> trailer_;
};

// The section letters in file order.
inline constexpr char kSectionLetters[] = "PTIEUNHCVRWLZGFDKASB";

// Reads the built file through the reader; decode false keeps raw groups.
MonthData ReadBuilt(const AFileBuilder& file, bool decode = false);

// Section bodies from the values of each day, in the layouts the reader
// knows. Each ends the last day with "=".
using DayValues = std::function<std::vector<std::string>(int day)>;
// One line per day.
std::vector<std::string> DayLines(int days, const DayValues& values, char separator = ' ');
// Two lines per day: 12 values, then the rest; each day ends with ".".
std::vector<std::string> HalfDayLines(int days, const DayValues& values);
// Four lines per day of the given numbers of values (6, 6, 6, 6 for wind;
// 8, 5, 5, 6 for clouds); comma-separated lines end with ",", each day with ".".
std::vector<std::string> QuarterDayLines(int days, const DayValues& values,
                                         const std::vector<int>& counts, char separator = ' ');
// Lines that start with the day number, for the days that have values; a
// day of 24 values is two lines of 12, the first day-ending line with ".".
std::vector<std::string> DatedLines(int days, const DayValues& values);

// Values joined with the separator.
std::string Join(const std::vector<std::string>& values, char separator = ' ');
// The same line for each of days days, the last ending with "=".
std::vector<std::string> SameEveryDay(int days, const std::string& line);
// The lines with "=" appended to the last one.
std::vector<std::string> Ended(std::vector<std::string> lines);

}  // namespace quillon::test
