#include "afile/line_readers.h"

#include <gtest/gtest.h>

#include <functional>

#include "afile/format_error.h"
#include "support/table_text.h"
#include "util/gbk_text.h"

namespace quillon {
namespace {

using test::Row;
using test::Seq;
using Reader = std::function<void(LineSource&, ElementTable&)>;

// The lines as the file holds them (GBK), followed by the line the reader
// must leave unread unless the file is to end there.
LineSource Source(const std::vector<std::string>& lines, bool next = true) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return LineSource(Utf8ToGbk(text + (next ? "NEXT\r\n" : "")));
}

struct PlaceCase {
  const char* name;
  int days, first, last;
  bool marked;  // slot `first` of every day holds "x" before the read
  Reader read;
  std::vector<std::string> lines;
  std::vector<std::pair<int, std::string>> rows;  // day, expected Row
};

Reader DayLines(int offset, char separator = ' ') {
  return [=](LineSource& l, ElementTable& t) { ReadDayLines(l, t, offset, separator); };
}
Reader Quarter(const char* sectionLine, char separator = ' ') {
  return [=](LineSource& l, ElementTable& t) { ReadQuarterDayLines(l, t, separator, sectionLine); };
}
const Reader kHalf = [](LineSource& l, ElementTable& t) { ReadHalfDayLines(l, t); };
const Reader kHalfPlain = [](LineSource& l, ElementTable& t) { ReadHalfDayLines(l, t, true); };
const Reader kDated = [](LineSource& l, ElementTable& t) { ReadDatedLines(l, t); };
const Reader kSunshine = [](LineSource& l, ElementTable& t) { ReadSunshineLines(l, t, 0); };
const Reader kTimed = [](LineSource& l, ElementTable& t) { ReadTimedLines(l, t); };

TEST(LineReaders, PlaceValuesWhereTheLayoutSays) {
  const PlaceCase cases[] = {
      {"offset 1 leaves slot 1",
       2,
       1,
       4,
       true,
       DayLines(1),
       {"a b c", "d="},
       {{1, "x|a|b|c"}, {2, "x|d||"}}},
      {"comma, trailing one dropped",
       1,
       1,
       3,
       false,
       DayLines(0, ','),
       {"12,34,"},
       {{1, "12|34|"}}},
      {"two blanks give an empty cell", 1, 1, 3, false, DayLines(0), {"12  34  "}, {{1, "12||34"}}},
      {"end line first", 2, 1, 2, true, DayLines(0), {"="}, {{1, "x|"}, {2, "x|"}}},
      {"0= ends early", 2, 1, 2, true, DayLines(0), {"1 2", "0="}, {{1, "1|2"}, {2, "x|"}}},
      {"dot kept in day lines", 1, 1, 2, false, DayLines(0), {"1. 2="}, {{1, "1.|2"}}},
      {"= inside a day line", 1, 1, 2, false, DayLines(0), {"1=2 3"}, {{1, "12|3"}}},
      {"dots inside half-day lines",
       1,
       1,
       13,
       false,
       kHalf,
       {"0.5 1", "2."},
       {{1, "05|1|" + std::string(10, '|') + "2"}}},
      {"half day of 12 and 14",
       1,
       1,
       26,
       false,
       kHalf,
       {Seq(1, 12), Seq(13, 14) + "."},
       {{1, Seq(1, 26, '|')}}},
      {"readings placed plain, missing marks and other groups as written",
       1,
       1,
       24,
       false,
       kHalfPlain,
       {"0012 -001 0000 //// 0012A -000  A012 0100 -010 7", "0 00."},
       {{1, "12|-1|0|////|12|0||A012|100|-10|7||0|0" + std::string(10, '|')}}},
      {"readings plain, the extremes' times of 28 slots kept",
       1,
       1,
       28,
       false,
       kHalfPlain,
       {Seq(1, 12), "0013 " + Seq(14, 11) + " 0105 0815 -003 0030"},
       {{1, Seq(1, 24, '|') + "|105|0815|-3|0030"}}},
      {"four-digit readings, the usual line, placed plain",
       2,
       1,
       24,
       false,
       kHalfPlain,
       {"0012 0000 0100 1234", "0500 0007.", "0001", "9999="},
       {{1, "12|0|100|1234" + std::string(9, '|') + "500|7" + std::string(10, '|')},
        {2, "1" + std::string(12, '|') + "9999" + std::string(11, '|')}}},
      {"four-digit readings of 28 slots keep the extremes' times",
       1,
       1,
       28,
       false,
       kHalfPlain,
       {"0001 0002 0003 0004 0005 0006 0007 0008 0009 0010 0011 0012",
        "0013 0014 0015 0016 0017 0018 0019 0020 0021 0022 0023 0024 0105 0815 0003 0030"},
       {{1, Seq(1, 24, '|') + "|105|0815|3|0030"}}},
      {"wind quarters, 7th value of the last dropped",
       1,
       1,
       24,
       false,
       Quarter("FK"),
       {Seq(1, 6), Seq(7, 6), Seq(13, 6), Seq(19, 7) + "."},
       {{1, Seq(1, 24, '|')}}},
      {"cloud quarters 8, 5, 5, 6",
       1,
       1,
       24,
       false,
       Quarter("C0", ','),
       {Seq(1, 8, ',') + ",", Seq(9, 5, ',') + ",", Seq(14, 5, ','), Seq(19, 6, ',') + ",="},
       {{1, Seq(1, 24, '|')}}},
      {"dated, two slots",
       12,
       1,
       2,
       false,
       kDated,
       {"05 12 30", "12 5 7.2="},
       {{5, "12|30"}, {12, "5|72"}, {6, "|"}}},
      {"dated, 24 values over two lines",
       3,
       1,
       24,
       false,
       kDated,
       {"02 " + Seq(1, 12), Seq(13, 12) + ".", "03 " + Seq(1, 12), Seq(13, 12) + "="},
       {{2, Seq(1, 24, '|')}, {3, Seq(1, 24, '|')}}},
      {"sunshine total to 27",
       2,
       1,
       27,
       false,
       kSunshine,
       {Seq(1, 25), "1 2 3="},
       {{1, Seq(1, 24, '|') + "|||25"}, {2, "1|2|3" + std::string(24, '|')}}},
      {"timed cloud heights",
       3,
       1,
       4,
       false,
       kTimed,
       {"0108 SC0600", "0320 CB1200="},
       {{1, "|SC0600||"}, {3, "|||CB1200"}}},
  };
  for (const PlaceCase& c : cases) {
    ElementTable table;
    table.Resize(c.days, c.first, c.last);
    if (c.marked)
      for (int day = 1; day <= c.days; ++day) table.At(day, c.first) = "x";
    LineSource lines = Source(c.lines);
    c.read(lines, table);
    for (const auto& [day, row] : c.rows)
      EXPECT_EQ(Row(table, day), row) << c.name << ", day " << day;
    std::string next;
    ASSERT_TRUE(lines.Next(next));
    EXPECT_EQ(next, "NEXT") << c.name;
  }
}

TEST(LineReaders, RainSummaryByLineLength) {
  struct Case {
    std::string line;
    const char *first, *second, *third;
  };
  const Case cases[] = {
      {"0012 12-03 00235=", "0012", "12-03", "00235"},
      {"0012 12-0314-03 00235=", "0012", "12-0314-03", "00235"},
      {"0012 12-03 0023=", "", "", ""},                   // 16 characters: passed over
      {"０012 12-03 00235=", "０012", "12-03", "00235"},  // counted in characters
  };
  for (const Case& c : cases) {
    TextList summary;
    summary.Resize(1, 3);
    LineSource lines = Source({c.line});
    ReadRainSummary(lines, summary);
    EXPECT_EQ(summary.At(1), c.first) << c.line;
    EXPECT_EQ(summary.At(2), c.second) << c.line;
    EXPECT_EQ(summary.At(3), c.third) << c.line;
    std::string next;
    EXPECT_TRUE(lines.Next(next) && next == "NEXT") << c.line;
  }
}

TEST(LineReaders, NoteBlockRunsToTheLineEndingWithEquals) {
  TextList notes;
  LineSource lines = Source({"  abc ", "本月 def= "});
  ReadNoteBlock(lines, notes);
  EXPECT_EQ(notes.First(), 0);
  EXPECT_EQ(notes.Last(), 2);
  EXPECT_EQ(notes.At(0), "");
  EXPECT_EQ(notes.At(1), "abc");
  EXPECT_EQ(notes.At(2), "本月 def");
}

TEST(LineReaders, IcingBlocksMergeGlazeAndRime) {
  struct Case {
    const char *glaze, *rime, *row;
  };
  const char* none = "000 000 000 000 000 000";
  const Case cases[] = {
      {"010 020 030 040 050 060", none, "5600|010|020|030|040|050|060||"},
      {none, "011 021 031 041 051 061", "4800|011|021|031|041|051|061||"},
      {"010 020 030 040 050 060", "011 021 031 041 051 061", "5648|011|021|031|041|051|061||"},
      {"010 020 030 040 050 060", "011 021 001 041 051 001", "5648|010|020|030|040|050|060||"},
      {"010 020 000 040 050 060", none, "|010|020|000|040|050|060||"},
      {none, none, "|000|000|000|000|000|000||"},
  };
  for (const Case& c : cases) {
    ElementTable g;
    g.Resize(1, 1, 9);
    LineSource lines = Source({std::string(c.glaze) + "=", std::string(c.rime) + "="});
    MergeIcingBlocks(lines, 1, g);
    EXPECT_EQ(Row(g, 1), c.row) << c.glaze << " / " << c.rime;
  }
}

TEST(LineReaders, LinesThatDoNotFitAreFormatErrors) {
  struct Case {
    const char* name;
    int days, last;
    Reader read;
    std::vector<std::string> lines;
    int line;  // where the fault is reported
    const char* detail;
  };
  const Case cases[] = {
      {"day line too long", 2, 3, DayLines(1), {"1 2", "1 2 3"}, 2, "reach slot 4"},
      {"half day too long", 1, 24, kHalf, {Seq(1, 12), Seq(1, 13)}, 2, "reach slot 25"},
      {"four-digit readings too long",
       1,
       24,
       kHalfPlain,
       {"0001", "0001 0002 0003 0004 0005 0006 0007 0008 0009 0010 0011 0012 0013"},
       2,
       "reach slot 25"},
      {"quarter too long",
       1,
       24,
       Quarter("FK"),
       {Seq(1, 6), Seq(1, 6), Seq(1, 6), Seq(1, 8)},
       4,
       "reach slot 25"},
      {"dated day 0", 3, 2, kDated, {"00 1 2="}, 1, "day \"00\""},
      {"dated day past the month", 30, 2, kDated, {"31 1 2="}, 1, "outside 1..30"},
      {"dated day not a number", 3, 2, kDated, {"ab 1 2="}, 1, "day \"ab\""},
      {"dated too long", 3, 2, kDated, {"01 1 2 3="}, 1, "reach slot 3"},
      {"sunshine 28 values", 1, 27, kSunshine, {Seq(1, 28)}, 1, "reach slot 28"},
      {"timed line short", 3, 4, kTimed, {"0108 SC"}, 1, "shorter than 8"},
      {"timed hour 5", 3, 4, kTimed, {"0105 SC0600="}, 1, "hour \"05\""},
      {"timed day 9", 3, 4, kTimed, {"0908 SC0600="}, 1, "day \"09\""},
      {"file ends in day lines", 3, 2, DayLines(0), {"1 2"}, 2, "the file ends"},
      {"file ends in dated lines", 3, 2, kDated, {"01 1 2"}, 2, "the file ends"},
  };
  for (const Case& c : cases) {
    ElementTable table;
    table.Resize(c.days, 1, c.last);
    LineSource lines = Source(c.lines, !std::string_view(c.name).starts_with("file ends"));
    try {
      c.read(lines, table);
      ADD_FAILURE() << c.name << ": no error";
    } catch (const FormatError& e) {
      EXPECT_EQ(e.Line(), c.line) << c.name;
      EXPECT_NE(e.Detail().find(c.detail), std::string::npos) << c.name << ": " << e.what();
    }
  }
}

}  // namespace
}  // namespace quillon
