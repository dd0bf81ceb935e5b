#include "afile/month_data.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "afile/format_error.h"
#include "afile/line_source.h"
#include "support/temp_folder.h"
#include "util/gbk_text.h"

namespace quillon {
namespace {

TEST(ElementTable, KeepsDaysFromOneAndItsOwnFirstSlot) {
  ElementTable t;
  t.Resize(30, 0, 24);
  t.At(1, 0) = "first";
  t.At(30, 24) = "last";
  EXPECT_EQ(t.At(1, 0), "first");
  EXPECT_EQ(t.At(30, 24), "last");
  EXPECT_EQ(t.At(15, 12), "");
  const std::pair<int, int> outside[] = {{0, 1}, {31, 1}, {1, -1}, {1, 25}, {-1, 0}};
  for (const auto& [day, slot] : outside) EXPECT_THROW(t.At(day, slot), std::out_of_range);
  t.Resize(29, 1, 4);
  EXPECT_EQ(t.At(1, 1), "");
  EXPECT_THROW(t.At(1, 0), std::out_of_range);
  t.Erase();
  EXPECT_FALSE(t.HasRows());
  EXPECT_THROW(t.At(1, 1), std::out_of_range);
}

TEST(ElementTable, StartsEveryFileWithEmptyCellsWhateverTheMonthBefore) {
  // Smaller, the same and larger than the table filled before; with and
  // without an Erase between, as ResetMonthData and a section's sizes do.
  const std::pair<int, bool> cases[] = {{28, true}, {31, true}, {31, false}, {15, false}};
  for (const auto& [days, erased] : cases) {
    ElementTable t;
    t.Resize(30, 1, 26);
    for (int day = 1; day <= 30; ++day)
      for (std::string& cell : t.Slots(day, 1, 26)) cell = "0123456789abcdefghij";
    if (erased) t.Erase();
    t.Resize(days, 1, 26);
    for (int day = 1; day <= days; ++day)
      for (const std::string& cell : t.Slots(day, 1, 26))
        EXPECT_EQ(cell, "") << days << " days, day " << day;
  }
}

TEST(ElementTable, GivesADaysSlotsCheckedOnce) {
  ElementTable t;
  t.Resize(2, 1, 4);
  t.At(2, 2) = "b";
  std::span<std::string> slots = t.Slots(2, 2, 3);
  ASSERT_EQ(slots.size(), 2u);
  EXPECT_EQ(slots[0], "b");
  slots[1] = "c";
  EXPECT_EQ(t.At(2, 3), "c");
  EXPECT_TRUE(t.Slots(1, 3, 2).empty());
  EXPECT_THROW(t.Slots(1, 2, 5), std::out_of_range);
  EXPECT_THROW(t.Slots(3, 1, 1), std::out_of_range);
  EXPECT_THROW(t.Slots(1, 0, 1), std::out_of_range);
}

TEST(TextList, GrowsKeepingItsEntries) {
  TextList notes;
  notes.Resize(0, 0);
  notes.Grow(2);
  notes.At(2) = "def";
  notes.Grow(1);
  EXPECT_EQ(notes.Last(), 2);
  EXPECT_EQ(notes.At(2), "def");
  EXPECT_THROW(notes.At(3), std::out_of_range);
}

TEST(MonthData, ResetLeavesNullHeaderAndEmptyTables) {
  MonthData data;
  data.Header.StationId = "54511";
  data.Header.ReadOk = true;
  data.TableP.Resize(31, 1, 6);
  data.TableK.Resize(31, 0, 1);
  data.NotesJY.Resize(0, 3);
  ResetMonthData(data);
  EXPECT_FALSE(data.Header.StationId.has_value());
  EXPECT_FALSE(data.Header.ReadOk);
  EXPECT_FALSE(data.Header.Flag(20).has_value());
  EXPECT_EQ(data.SectionModes.First(), 1);
  EXPECT_EQ(data.SectionModes.Last(), 20);
  EXPECT_EQ(data.CoverLines.Last(), 12);
  EXPECT_TRUE(data.NotesJY.Empty());
  for (std::string_view name : TableNames())
    EXPECT_FALSE(TableByName(data, name)->HasRows()) << name;
  EXPECT_EQ(TableNames().size(), 36u);
  EXPECT_EQ(TableByName(data, "TableQ"), nullptr);
  EXPECT_THROW(data.Header.Flag(19), std::out_of_range);
  EXPECT_THROW(data.Header.Flag(51), std::out_of_range);
}

TEST(LineSource, SplitsCrLfAndLfAndDecodesGbk) {
  std::string bytes = "first\r\nsecond\n" + Utf8ToGbk("观测员:张三") + "\r\n\nlast";
  LineSource lines(bytes);
  std::string line;
  std::vector<std::string> got;
  while (lines.Next(line)) got.push_back(line);
  EXPECT_EQ(got, (std::vector<std::string>{"first", "second", "观测员:张三", "", "last"}));
  EXPECT_EQ(lines.LineNumber(), 5);
}

TEST(LineSource, HandsOutViewsAndStopsAtEachNul) {
  LineSource lines("ab\r\n" + Utf8ToGbk("本站") + "\ncd\n" + std::string("e\0f\ngh\0\0\n", 9) +
                   Utf8ToGbk("云") + "\nok");
  std::string_view line;
  for (std::string_view expected : {"ab", "本站", "cd"}) {
    ASSERT_TRUE(lines.Next(line));
    EXPECT_EQ(line, expected);
  }
  for (auto [number, column] : {std::pair{4, "column 2"}, {5, "column 3"}}) {
    try {
      lines.Next(line);
      FAIL() << "a NUL byte was taken for text";
    } catch (const FormatError& e) {
      EXPECT_EQ(e.Line(), number);
      EXPECT_NE(std::string(e.what()).find(column), std::string::npos) << e.what();
    }
  }
  for (std::string_view expected : {"云", "ok"}) {
    ASSERT_TRUE(lines.Next(line));
    EXPECT_EQ(line, expected);
  }
}

TEST(LineSource, UndecodableBytesBecomeReplacementCharacters) {
  LineSource lines(std::string("ab\x81\xFF") + "cd\xB0\xA1" + "\x81");
  std::string line;
  ASSERT_TRUE(lines.Next(line));
  EXPECT_EQ(line,
            "ab\xEF\xBF\xBD\xEF\xBF\xBD"
            "cd啊\xEF\xBF\xBD");
}

TEST(LineSource, ReportsFilesThatCannotBeOpened) {
  test::TempFolder folder;
  auto missing = LineSource::Open((folder.Path() / "missing.TXT").string());
  ASSERT_FALSE(missing.Ok());
  EXPECT_NE(missing.Failure().reason.find("cannot open"), std::string::npos);
  EXPECT_EQ(missing.Failure().kind, ErrorKind::Unreadable);
  EXPECT_FALSE(LineSource::Open(folder.Path().string()).Ok());
  std::string path = folder.Write("A54511-200801.TXT", "line\n");
  auto lines = LineSource::Open(path);
  ASSERT_TRUE(lines.Ok());
  std::string line;
  EXPECT_TRUE(lines.Value().Next(line));
  EXPECT_EQ(line, "line");
  EXPECT_FALSE(lines.Value().Next(line));
}

}  // namespace
}  // namespace quillon
