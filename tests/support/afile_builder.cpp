#include "support/afile_builder.h"

#include "afile/afile_reader.h"
#include "afile/line_source.h"
#include "util/calendar.h"
#include "util/gbk_text.h"
#include "util/number_text.h"

namespace quillon::test {
namespace {

void Put(std::string& line, size_t pos, const std::string& text) {
  line.replace(pos - 1, text.size(), text);
}

std::vector<std::string> DefaultTrailer(int length) {
  if (length != 75) return {"??????"};
  std::vector<std::string> lines{"??????", "******", "YF", "cover"};
  for (int i = 1; i <= 11; ++i) lines.push_back(i == 11 ? "line 11=" : "line " + std::to_string(i));
  for (const char* block : {"JY", "GK", "BZ"}) {
    lines.push_back(block);
    lines.push_back("=");
  }
  return lines;
}

}  // namespace

std::string HeaderFields::Line() const {
  if (length == 75) {
    std::string line(75, ' ');
    std::string flags = items.empty() ? "00  000 000000000000" : items;
    Put(line, 1, station);
    Put(line, 7, latitude);
    Put(line, 13, longitude);
    Put(line, 20, "0" + fieldHeight);
    Put(line, 27, "0" + barometerHeight);
    Put(line, 34, windHeight);
    Put(line, 38, platformHeight);
    Put(line, 43, std::string{type, kind});
    Put(line, 46, flags);
    Put(line, 67, std::string(1, quality));
    Put(line, 69, year);
    Put(line, 74, month);
    return line;
  }
  std::string line(66, ' ');
  std::string flags = items.empty() ? "00  000 00000000000" : items;
  Put(line, 1, station);
  Put(line, 7, latitude);
  Put(line, 11, longitude);
  Put(line, 17, fieldHeight);
  Put(line, 23, barometerHeight);
  Put(line, 29, year);
  Put(line, 34, month);
  Put(line, 37, std::string{'0', kind});
  Put(line, 40, std::string{'0', type});
  Put(line, 43, flags);
  Put(line, 64, windHeight);
  return length == 69 ? line + " " + tail : line;
}

int HeaderFields::Days() const {
  return DaysInMonth(static_cast<long>(LeadingNumber(year)),
                     static_cast<long>(LeadingNumber(month)));
}

AFileBuilder::AFileBuilder(HeaderFields header)
    : header_(std::move(header)), trailer_(DefaultTrailer(header_.length)) {}

AFileBuilder& AFileBuilder::Section(char letter, std::string mode, std::vector<std::string> body) {
  body.insert(body.begin(), std::string(1, letter) + mode);
  return SectionLines(letter, std::move(body));
}

AFileBuilder& AFileBuilder::SectionLines(char letter, std::vector<std::string> lines) {
  sections_[letter] = std::move(lines);
  return *this;
}

AFileBuilder& AFileBuilder::Trailer(std::vector<std::string> lines) {
  trailer_ = std::move(lines);
  return *this;
}

std::vector<std::string> AFileBuilder::Lines() const {
  std::vector<std::string> lines{header_.Line()};
  for (const char* letter = kSectionLetters; *letter; ++letter) {
    if (*letter == 'B' && header_.length != 75) break;
    auto found = sections_.find(*letter);
    if (found == sections_.end())
      lines.push_back(std::string(1, *letter) + "=");
    else
      lines.insert(lines.end(), found->second.begin(), found->second.end());
  }
  lines.insert(lines.end(), trailer_.begin(), trailer_.end());
  return lines;
}

std::string AFileBuilder::Bytes() const {
  std::string text;
  for (const std::string& line : Lines()) text += line + "\r\n";
  return Utf8ToGbk(text);
}

std::string AFileBuilder::FileName() const {
  return "A" + header_.station + "-" + header_.year + header_.month + ".TXT";
}

std::string AFileBuilder::WriteTo(const TempFolder& folder, std::string name) const {
  return folder.Write(name.empty() ? FileName() : name, Bytes());
}

MonthData ReadBuilt(const AFileBuilder& file, bool decode) {
  MonthData data;
  ResetMonthData(data);
  data.Header.FilePath = file.FileName();
  LineSource lines(file.Bytes());
  (void)ReadAFileLines(lines, data, decode);  // the header keeps the outcome
  return data;
}

std::string Join(const std::vector<std::string>& values, char separator) {
  std::string line;
  for (size_t i = 0; i < values.size(); ++i)
    line += (i ? std::string(1, separator) : "") + values[i];
  return line;
}

std::vector<std::string> DayLines(int days, const DayValues& values, char separator) {
  std::vector<std::string> lines;
  for (int day = 1; day <= days; ++day) lines.push_back(Join(values(day), separator));
  return Ended(std::move(lines));
}

std::vector<std::string> HalfDayLines(int days, const DayValues& values) {
  std::vector<std::string> lines;
  for (int day = 1; day <= days; ++day) {
    std::vector<std::string> v = values(day);
    lines.push_back(Join({v.begin(), v.begin() + 12}));
    lines.push_back(Join({v.begin() + 12, v.end()}) + (day < days ? "." : "="));
  }
  return lines;
}

std::vector<std::string> QuarterDayLines(int days, const DayValues& values,
                                         const std::vector<int>& counts, char separator) {
  std::vector<std::string> lines;
  for (int day = 1; day <= days; ++day) {
    std::vector<std::string> v = values(day);
    auto from = v.begin();
    for (size_t i = 0; i < counts.size(); ++i) {
      std::string line = Join({from, from + counts[i]}, separator);
      from += counts[i];
      if (separator == ',') line += ",";
      if (i + 1 == counts.size()) line += day < days ? "." : "=";
      lines.push_back(line);
    }
  }
  return lines;
}

std::vector<std::string> DatedLines(int days, const DayValues& values) {
  std::vector<std::string> lines;
  for (int day = 1; day <= days; ++day) {
    std::vector<std::string> v = values(day);
    if (v.empty()) continue;
    std::string number = (day < 10 ? "0" : "") + std::to_string(day) + " ";
    if (v.size() == 24) {
      lines.push_back(number + Join({v.begin(), v.begin() + 12}));
      lines.push_back(Join({v.begin() + 12, v.end()}) + ".");
    } else {
      lines.push_back(number + Join(v));
    }
  }
  if (lines.empty()) return {"="};
  if (lines.back().ends_with(".")) lines.back().pop_back();
  return Ended(std::move(lines));
}

std::vector<std::string> SameEveryDay(int days, const std::string& line) {
  return Ended(std::vector<std::string>(static_cast<size_t>(days), line));
}

std::vector<std::string> Ended(std::vector<std::string> lines) {
  if (!lines.empty()) lines.back() += "=";
  return lines;
}

}  // namespace quillon::test
