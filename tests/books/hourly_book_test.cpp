#include "books/hourly_book.h"

#include <gtest/gtest.h>

#include "app/element_list.h"

namespace quillon {
namespace {

// A book with one header row and the given element columns.
Grid BookWith(std::initializer_list<const char*> names) {
  Grid elements;
  SetupElementGrid(elements);
  std::vector<std::string> list(names.begin(), names.end());
  TickElements(elements, kTimedRecordColumn, list);
  Grid book;
  SetupHourlyGrid(book, elements);
  return book;
}

// Rows of day 1 (hours 21..20) that hold text in a column.
std::vector<int> FilledSlots(const Grid& book, int column, int firstRow = 2) {
  std::vector<int> slots;
  for (int s = 1; s <= 24; ++s)
    if (!book.CellText(firstRow + s - 1, column).empty()) slots.push_back(s);
  return slots;
}

ElementTable TableOf(int days, int lastSlot) {
  ElementTable t;
  t.Resize(days, 1, lastSlot);
  for (int d = 1; d <= days; ++d)
    for (int s = 1; s <= lastSlot; ++s) t.At(d, s) = std::to_string(d * 100 + s);
  return t;
}

TEST(HourlyBook, HeaderRowAndWidthsByNameLength) {
  Grid book = BookWith({"气温", "海平面气压", "相对湿度", "2分钟平均风向"});
  EXPECT_EQ(book.Rows(), 2);
  EXPECT_EQ(book.Cols(), 6);
  EXPECT_EQ(book.CellText(1, 1), "年月日时");
  EXPECT_EQ(book.ColumnWidth(1), 90);
  // Columns follow the element list's order, not the order ticked.
  const std::pair<const char*, int> expected[] = {
      {"海平面气压", 65}, {"气温", 50}, {"相对湿度", 60}, {"2分钟平均风向", 90}};
  for (int j = 2; j < 6; ++j) {
    EXPECT_EQ(book.CellText(1, j), expected[j - 2].first);
    EXPECT_EQ(book.ColumnWidth(j), expected[j - 2].second);
  }
}

TEST(HourlyBook, WritesEachTableShapeIntoItsHours) {
  struct Case {
    int lastSlot;
    std::vector<int> slots;
  };
  const Case cases[] = {
      {24, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24}},
      {28, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24}},
      {4, {6, 12, 18, 24}},
      {6, {6, 12, 18, 24}},
      {1, {18}},
      {2, {6, 12}},  // never read past the table's last slot
      {3, {6, 12, 18}},
  };
  for (const auto& c : cases) {
    Grid book = BookWith({"气温"});
    book.SetRows(2 + 24 * 2);
    ElementTable t = TableOf(2, c.lastSlot);
    WriteElementColumn(book, t, 2, 2, 2);
    EXPECT_EQ(FilledSlots(book, 2), c.slots) << c.lastSlot << " slots";
    EXPECT_EQ(FilledSlots(book, 2, 26), c.slots) << c.lastSlot << " slots, day 2";
  }
  Grid book = BookWith({"气温"});
  book.SetRows(2 + 24);
  WriteElementColumn(book, TableOf(1, 4), 1, 2, 2);
  EXPECT_EQ(book.CellText(2 + 5, 2), "101");   // 02 h row: slot 1
  EXPECT_EQ(book.CellText(2 + 23, 2), "104");  // 20 h row: slot 4
}

MonthData MonthOf(int days, const char* month) {
  MonthData d;
  ResetMonthData(d);
  d.Header.Year = "2008";
  d.Header.Month = month;
  d.Header.DaysInMonth = days;
  for (std::string_view name : TableNames()) TableByName(d, name)->Resize(days, 1, 24);
  d.TableW.Resize(days, 0, 24);
  d.TableR.Resize(days, 1, 3);
  return d;
}

TEST(HourlyBook, BlockLabelsRunFrom21To20) {
  Grid book = BookWith({"气温"});
  MonthData feb = MonthOf(29, "02");
  ElementTable scratch = MakeScratchTable();
  WriteHourlyBlock(book, feb, scratch);
  EXPECT_EQ(book.Rows(), 2 + 24 * 29);
  EXPECT_EQ(book.CellText(2, 1), "20080201 21");
  EXPECT_EQ(book.CellText(5, 1), "20080201 24");
  EXPECT_EQ(book.CellText(6, 1), "20080201 01");
  EXPECT_EQ(book.CellText(25, 1), "20080201 20");
  EXPECT_EQ(book.CellText(26, 1), "20080202 21");
  EXPECT_EQ(book.CellText(book.Rows() - 1, 1), "20080229 20");
  MonthData mar = MonthOf(31, "03");
  WriteHourlyBlock(book, mar, scratch);
  EXPECT_EQ(book.Rows(), 2 + 24 * 29 + 24 * 31);
  EXPECT_EQ(book.CellText(2 + 24 * 29, 1), "20080301 21");
}

TEST(HourlyBook, TimedRainShowsIn08And20Rows) {
  Grid book = BookWith({"定时降水量"});
  MonthData d = MonthOf(1, "07");
  d.TableR.At(1, 1) = "12";
  d.TableR.At(1, 2) = "3";
  d.TableR.At(1, 3) = "15";
  ElementTable scratch = MakeScratchTable();
  WriteHourlyBlock(book, d, scratch);
  EXPECT_EQ(FilledSlots(book, 2), (std::vector<int>{12, 24}));
  EXPECT_EQ(book.CellText(2 + 11, 2), "12");
  EXPECT_EQ(book.CellText(2 + 23, 2), "3");
}

TEST(HourlyBook, WindSplitsIntoDirectionAndSpeed) {
  Grid book = BookWith({"2分钟平均风向", "2分钟平均风速", "10分钟平均风向", "10分钟平均风速"});
  MonthData d = MonthOf(1, "07");
  for (int s = 1; s <= 24; ++s) d.TableF2.At(1, s) = "NE/" + std::to_string(s);
  d.TableF.Resize(1, 1, 4);  // a four-observation station
  const char* four[] = {"N/10", "-/-", "C/0", "SW/35"};
  for (int s = 1; s <= 4; ++s) d.TableF.At(1, s) = four[s - 1];
  // Stale text in the scratch table must not show through.
  ElementTable scratch = MakeScratchTable();
  for (int s = 1; s <= 24; ++s) scratch.At(1, s) = "stale";
  WriteHourlyBlock(book, d, scratch);
  EXPECT_EQ(FilledSlots(book, 2), (std::vector<int>{6, 12, 18, 24}));
  EXPECT_EQ(book.CellText(2 + 5, 2), "N");
  EXPECT_EQ(book.CellText(2 + 5, 3), "10");
  EXPECT_EQ(book.CellText(2 + 11, 2), "-");
  EXPECT_EQ(book.CellText(2 + 23, 2), "SW");
  EXPECT_EQ(book.CellText(2 + 23, 3), "35");
  EXPECT_EQ(FilledSlots(book, 4).size(), 24u);
  EXPECT_EQ(book.CellText(2, 4), "NE");
  EXPECT_EQ(book.CellText(2 + 23, 5), "24");
}

TEST(HourlyBook, WeatherNamesPerHourWithWrapText) {
  Grid book = BookWith({"天气现象"});
  MonthData d = MonthOf(1, "07");
  d.TableW.At(1, 0) = "60 0830-1015,.";
  ElementTable scratch = MakeScratchTable();
  WriteHourlyBlock(book, d, scratch);
  EXPECT_EQ(FilledSlots(book, 2), (std::vector<int>{13, 14, 15}));
  EXPECT_EQ(book.CellText(2 + 12, 2), "雨");
  for (int r = 2; r < book.Rows(); ++r) EXPECT_TRUE(book.WrapText(r, 2)) << r;
}

}  // namespace
}  // namespace quillon
