#include "afile/afile_reader.h"
#include "afile/trailer.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/afile_builder.h"
#include "support/table_text.h"

namespace quillon {
namespace {

using test::AFileBuilder;
using test::HeaderFields;
using test::ReadBuilt;
using test::Seq;
using Lines = std::vector<std::string>;

HeaderFields Layout75(char quality = '0') {
  HeaderFields h;
  h.length = 75;
  h.latitude = "3956N";
  h.longitude = "11628E";
  h.kind = '1';
  h.type = '1';
  h.quality = quality;
  return h;
}

TEST(AFileReader, FileOfEmptySectionsReadsWithItemsAbsent) {
  MonthData data = ReadBuilt(AFileBuilder(), /*decode=*/true);
  ASSERT_TRUE(data.Header.ReadOk) << data.Header.ReadError;
  EXPECT_EQ(data.Header.ReadError, "");
  for (int flag : {21, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 47, 48})
    EXPECT_EQ(data.Header.FlagText(flag), "9") << flag;
  EXPECT_EQ(data.Header.FlagText(20), "0");
  for (const TextList* notes : {&data.NotesJY, &data.NotesGK, &data.NotesBZ}) {
    EXPECT_EQ(notes->First(), 0);
    EXPECT_EQ(notes->Last(), 0);
  }
  EXPECT_EQ(data.SectionModes.At(20), "=");
  // Pre-set sizes of a manual four-times station; every cell empty.
  const std::pair<const char*, int> sizes[] = {
      {"TableP", 6},  {"TableU", 5},  {"TableF", 4},  {"TableD", 6},   {"TableK", 1},
      {"TableB", 28}, {"TableS", 27}, {"TableW", 24}, {"TableR2", 24}, {"TableG", 9}};
  for (const auto& [name, last] : sizes) {
    const ElementTable& t = *TableByName(data, name);
    EXPECT_EQ(t.Days(), 31) << name;
    EXPECT_EQ(t.LastSlot(), last) << name;
  }
  // Decoded, every cell stays empty; a wind group shows "/" (nothing
  // observed in either part), which the workbooks split into two empty cells.
  for (std::string_view name : TableNames()) {
    const ElementTable& t = *TableByName(data, name);
    for (int day = 1; day <= t.Days(); ++day)
      for (int slot = t.FirstSlot(); slot <= t.LastSlot(); ++slot) {
        const std::string& cell = t.At(day, slot);
        bool wind = name == "TableF" || name == "TableF2" || (name == "TableF3" && slot % 2 == 1);
        EXPECT_EQ(cell, wind ? "/" : "") << name << " day " << day << " slot " << slot;
      }
  }
  EXPECT_FALSE(data.TableR3.HasRows());
  EXPECT_EQ(data.TableR4.Last(), 3);
}

TEST(AFileReader, SectionsChangeTheirItemFlags) {
  struct Case {
    HeaderFields header;
    char letter;
    const char* mode;
    Lines body;
    std::vector<std::pair<int, const char*>> flags;
  };
  auto day1 = [](std::string line) { return Lines{line, "="}; };
  auto cat = [](Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  };
  const Lines six = day1("1 2 3 4 5 6"), four = day1("1 2 3 4"), none = {"="};
  const Case cases[] = {
      {{}, 'P', "3", cat(six, four), {{48, "0"}}},
      {{}, 'P', "3", cat(six, day1("//// //// //// ////")), {{48, "9"}}},
      {{}, 'P', "0", six, {{48, "9"}}},
      {{}, 'L', "0", cat(day1("25"), day1("31")), {{30, "0"}, {31, "0"}}},
      {{}, 'L', "0", cat(day1("25"), none), {{30, "0"}, {31, "9"}}},
      {{}, 'Z', "0", day1("12 ///"), {{32, "0"}, {33, "0"}}},
      {{}, 'G', "2", day1("0048 1 2 3 4 5 6"), {{34, "0"}}},
      {{}, 'A', "0", four, {{35, "0"}}},
      {{}, 'H', "0", day1("SC0600"), {{21, "0"}}},
      {{},
       'D',
       "0",
       cat(cat(cat(six, four), cat(four, day1("////"))), cat(four, four)),
       {{36, "0"}, {37, "0"}, {39, "9"}, {41, "0"}}},
      {Layout75(),
       'K',
       "B",
       cat(cat(Lines{Seq(1, 12), Seq(13, 12) + ".", "="}, none), none),
       {{42, "0"}, {43, "9"}, {44, "9"}}},
      {{}, 'F', "0", cat(four, day1("090156 1432")), {{47, "9"}}},
      {{}, 'F', "0", cat(four, day1("090156 1432 120201")), {{47, "0"}}},
      {{}, 'F', "5", cat(four, day1("1432 120201 1501")), {{47, "0"}}},
      {Layout75(),
       'B',
       "A",
       cat(Lines{Seq(1, 12), Seq(13, 16) + ".", "="}, day1("00")),
       {{50, "0"}}},
  };
  for (const Case& c : cases) {
    MonthData data = ReadBuilt(AFileBuilder(c.header).Section(c.letter, c.mode, c.body));
    ASSERT_TRUE(data.Header.ReadOk) << c.letter << c.mode << ": " << data.Header.ReadError;
    for (const auto& [flag, value] : c.flags)
      EXPECT_EQ(data.Header.FlagText(flag), value) << c.letter << c.mode << " flag " << flag;
  }
}

TEST(AFileReader, TrailerOfTheLongLayout) {
  Lines trailer{"??????", "******", "YF", "北京 观象台", " 台站名称 北京 "};
  for (int i = 2; i <= 10; ++i) trailer.push_back("cover " + std::to_string(i));
  trailer.insert(trailer.end(), {"审核 cover 11=", "JY", " 本月3日出现雨凇, ", "电线积冰。= ", "GK",
                                 "=", "BZ", "无="});
  MonthData data = ReadBuilt(AFileBuilder(Layout75()).Trailer(trailer));
  ASSERT_TRUE(data.Header.ReadOk) << data.Header.ReadError;
  EXPECT_EQ(data.Header.CoverLine, "北京 观象台");
  EXPECT_EQ(data.CoverLines.At(1), "台站名称 北京");
  EXPECT_EQ(data.CoverLines.At(11), "审核 cover 11");
  EXPECT_EQ(data.CoverLines.At(12), "");
  EXPECT_EQ(data.NotesJY.Last(), 2);
  EXPECT_EQ(data.NotesJY.At(1), "本月3日出现雨凇,");
  EXPECT_EQ(data.NotesJY.At(2), "电线积冰。");
  EXPECT_EQ(data.NotesGK.Last(), 1);
  EXPECT_EQ(data.NotesBZ.At(1), "无");
}

TEST(AFileReader, QualityControlBlockIsSkipped) {
  Lines trailer{"??????", "checked by", "station 01", "******", "YF", "cover"};
  for (int i = 1; i <= 11; ++i) trailer.push_back("c" + std::to_string(i));
  for (const char* block : {"JY", "GK", "BZ"}) {
    trailer.push_back(block);
    trailer.push_back("=");
  }
  MonthData data = ReadBuilt(AFileBuilder(Layout75('1')).Trailer(trailer));
  EXPECT_TRUE(data.Header.ReadOk) << data.Header.ReadError;
  EXPECT_EQ(data.Header.CoverLine, "cover");
}

TEST(AFileReader, BlankQualityControlIndicatorCountsAsOff) {
  Lines trailer{"??????", "******", "YF", "cover"};
  for (int i = 1; i <= 11; ++i) trailer.push_back("c" + std::to_string(i));
  for (const char* block : {"JY", "GK", "BZ"}) {
    trailer.push_back(block);
    trailer.push_back("=");
  }
  MonthData data = ReadBuilt(AFileBuilder(Layout75(' ')).Trailer(trailer));
  EXPECT_TRUE(data.Header.ReadOk) << data.Header.ReadError;
  // The trailer reads alike either way; what differs is whether the month
  // counts as quality controlled.
  EXPECT_FALSE(QualityControlled(data.Header));
  EXPECT_TRUE(QualityControlled(ReadBuilt(AFileBuilder(Layout75('1')).Trailer(trailer)).Header));
}

struct ErrorCase {
  const char* name;
  std::function<AFileBuilder()> file;
  std::string reason;  // the start of ReadError, or a part of it after "..."
};

AFileBuilder Manual() { return AFileBuilder(); }

TEST(AFileReader, FormatErrorsGiveAReason) {
  const ErrorCase cases[] = {
      {"wrong section letter", [] { return Manual().SectionLines('F', {"D0"}); },
       "line 16: expected section \"F\", found \"D0\""},
      {"garbled section line, cut and made printable",
       [] { return Manual().SectionLines('F', {"\x1b[2J" + std::string(60, 'D')}); },
       "line 16: expected section \"F\", found \"\\x1B[2J" + std::string(36, 'D') + "...\""},
      {"unknown mode", [] { return Manual().Section('P', "5"); },
       "line 2: section \"P\" has no mode \"5\""},
      {"blank after the mode", [] { return Manual().Section('P', "0 "); }, "...has no mode \"0 \""},
      {"short header",
       [] {
         HeaderFields h;
         h.station = "5451";
         h.length = 69;
         h.tail = "0";
         return AFileBuilder(h);
       },
       "line 1: header line has 68 characters"},
      {"timed line short", [] { return Manual().Section('H', "1", {"0108 S="}); },
       "line 9: timed line \"0108 S=\" is shorter than 8"},
      {"timed hour", [] { return Manual().Section('H', "1", {"0109 SC0600="}); },
       "line 9: hour \"09\" is not 02, 08, 14 or 20 (section \"H\", mode \"1\")"},
      {"dated day outside the month", [] { return Manual().Section('R', "3", {"32 1 2 3="}); },
       "line 12: day \"32\" is outside 1..31"},
      {"too many values", [] { return Manual().Section('T', "0", {"1 2 3 4 5 6 7"}); },
       "line 4: 7 values reach slot 7, the table ends at 6"},
      {"file ends inside a section", [] { return Manual().Section('S', "0", {"085"}).Trailer({}); },
       "line 22: the file ends inside the section (section \"S\", mode \"0\")"},
      {"file ends before a section", [] { return Manual().SectionLines('S', {}).Trailer({}); },
       "line 20: the file ends where section \"S\" was expected"},
      {"no end-of-data line", [] { return Manual().Trailer({"?????"}); },
       "line 21: expected \"??????\", found \"?????\""},
      {"no quality-control line",
       [] {
         return AFileBuilder(Layout75()).Trailer({"??????", "YF"});
       },
       "line 23: expected \"******\", found \"YF\""},
      {"no YF",
       [] {
         return AFileBuilder(Layout75()).Trailer({"??????", "******", "JY", "="});
       },
       "line 24: expected \"YF\", found \"JY\""},
      {"checked file without its marker",
       [] {
         return AFileBuilder(Layout75('1')).Trailer({"??????", "YF", "cover"});
       },
       "line 25: the file ends where \"YF\" was expected"},
      {"notes out of order",
       [] {
         Lines t{"??????", "******", "YF", "cover"};
         for (int i = 1; i <= 11; ++i) t.push_back("c");
         t.insert(t.end(), {"GK", "=", "JY", "=", "BZ", "="});
         return AFileBuilder(Layout75()).Trailer(t);
       },
       "line 37: expected \"JY\", found \"GK\""},
      {"note block never ends",
       [] {
         Lines t{"??????", "******", "YF", "cover"};
         for (int i = 1; i <= 11; ++i) t.push_back("c");
         t.insert(t.end(), {"JY", "=", "GK", "=", "BZ", "still going"});
         return AFileBuilder(Layout75()).Trailer(t);
       },
       "line 43: the file ends inside a note block"},
      {"quality control not a number", [] { return AFileBuilder(Layout75('x')); },
       "line 1: quality-control indicator \"x\" is not a number"},
      {"sunshine minutes too large",
       [] {
         return Manual().Section('S', "B", {"99999999999", "="});
       },
       "...sunshine \"99999999999\" of day 1 is out of range"},
      {"section missing", [] { return Manual().SectionLines('P', {}); },
       "line 2: expected section \"P\", found \"T=\""},
  };
  for (const ErrorCase& c : cases) {
    MonthData data = ReadBuilt(c.file(), /*decode=*/true);
    EXPECT_FALSE(data.Header.ReadOk) << c.name;
    std::string_view reason = c.reason;
    if (reason.starts_with("..."))
      EXPECT_NE(data.Header.ReadError.find(reason.substr(3)), std::string::npos)
          << c.name << ": " << data.Header.ReadError;
    else
      EXPECT_TRUE(data.Header.ReadError.starts_with(reason))
          << c.name << ": " << data.Header.ReadError;
  }
}

// Readings are made plain as they are read only when the file is decoded:
// read raw, a month shows its groups as written. A missing mark among them,
// or none, leaves the decoded texts the same as the decoders alone make them.
TEST(AFileReader, HourlyTemperaturesPlainOnlyWhenDecoded) {
  const std::string hours = Seq(4, 21, '|');
  const struct {
    std::string third, raw, decoded;
  } cases[] = {{"////", "////", "-"}, {"", "", ""}, {"0000", "0000", "0"}};
  for (const auto& c : cases) {
    const Lines body{"0012 -001 " + c.third + " " + Seq(4, 9),
                     Seq(13, 12) + " 0105 0815 -003 0030.", "="};
    const AFileBuilder file = AFileBuilder(Layout75()).Section('T', "B", body);
    EXPECT_EQ(test::Row(ReadBuilt(file).TableT, 1),
              "0012|-001|" + c.raw + "|" + hours + "|0105|0815|-003|0030");
    EXPECT_EQ(test::Row(ReadBuilt(file, /*decode=*/true).TableT, 1),
              "12|-1|" + c.decoded + "|" + hours + "|105|0815|-3|0030");
  }
}

TEST(AFileReader, ShortLayoutEndsAfterTheEndOfDataLine) {
  EXPECT_TRUE(ReadBuilt(AFileBuilder().Trailer({"??????"})).Header.ReadOk);
  EXPECT_TRUE(ReadBuilt(AFileBuilder().Trailer({"??????", "anything"})).Header.ReadOk);
}

TEST(AFileReader, ReadsFromTheNamedFile) {
  test::TempFolder folder;
  MonthData data;
  ResetMonthData(data);
  data.Header.FilePath = AFileBuilder().WriteTo(folder);
  (void)ReadAFile(data);
  EXPECT_TRUE(data.Header.ReadOk) << data.Header.ReadError;
  EXPECT_EQ(data.Header.StationId, "54511");
  ResetMonthData(data);
  data.Header.FilePath = (folder.Path() / "A00000-200801.TXT").string();
  (void)ReadAFile(data);
  EXPECT_FALSE(data.Header.ReadOk);
  EXPECT_NE(data.Header.ReadError.find("cannot open"), std::string::npos);
  ResetMonthData(data);
  data.Header.FilePath = folder.Write("A54511-200802.TXT", "");
  (void)ReadAFile(data);
  EXPECT_FALSE(data.Header.ReadOk);
  EXPECT_EQ(data.Header.ReadError, "line 1: the file is empty");
}

}  // namespace
}  // namespace quillon
