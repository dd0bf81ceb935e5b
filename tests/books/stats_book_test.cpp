#include "books/stats_book.h"

#include <gtest/gtest.h>

#include "app/element_list.h"
#include "books/hourly_book.h"

namespace quillon {
namespace {

// The statistics grid set up for the elements ticked in column 3.
Grid StatsBookWith(const std::vector<std::string>& names) {
  Grid elements;
  SetupElementGrid(elements);
  TickElements(elements, kStatisticsColumn, names);
  Grid book;
  SetupStatsGrid(book, elements);
  return book;
}

std::vector<std::string> Titles(const Grid& book) {
  std::vector<std::string> titles;
  for (int j = 2; j < book.Cols(); ++j) titles.emplace_back(book.CellText(1, j));
  return titles;
}

TEST(StatsBook, TitlesOfEachTickedElement) {
  struct Case {
    std::vector<std::string> ticked;
    std::vector<std::string> titles;
  };
  const Case cases[] = {
      {{"本站气压"}, {"日平均本站气压", "日最高本站气压", "日最低本站气压"}},
      {{"草面温度"}, {"日平均草面温度", "日最高草面温度", "日最低草面温度"}},
      {{"相对湿度"}, {"日平均相对湿度", "日最小相对湿度"}},
      {{"天气现象"}, {"天气现象摘要"}},
      {{"定时降水量", "小时降水量"}, {"日定时降水量", "日小时降水量"}},
      {{"10分钟平均风速"},
       {"日平均10分钟平均风速", "日最大风速", "日最大风速的风向", "日极大风速",
        "日极大风速的风向"}},
      {{"海平面气压", "320cm地温"}, {"日平均海平面气压", "日平均320cm地温"}},
      {{"日照时数"}, {"日日照时数"}},
      // Elements without statistics give no column, even when ticked.
      {{"2分钟平均风向", "10分钟平均风向", "云状", "能见度", "露点温度"}, {}},
      // The element list's order, not the order ticked; a three-title
      // element last still gets all three columns.
      {{"地面温度", "气温", "2分钟平均风速"},
       {"日平均气温", "日最高气温", "日最低气温", "日平均2分钟平均风速", "日平均地面温度",
        "日最高地面温度", "日最低地面温度"}},
  };
  for (const Case& c : cases) {
    Grid book = StatsBookWith(c.ticked);
    EXPECT_EQ(Titles(book), c.titles) << c.ticked.front();
    EXPECT_EQ(book.Rows(), 2);
    EXPECT_EQ(book.CellText(1, 1), "年月日");
  }
}

TEST(StatsBook, HeadingRowLook) {
  Grid book = StatsBookWith({"气温", "相对湿度"});
  ASSERT_EQ(book.Cols(), 7);
  EXPECT_EQ(book.RowHeight(1), 45);
  EXPECT_EQ(book.ColumnWidth(1), 156);
  for (int j = 2; j < book.Cols(); ++j) {
    EXPECT_EQ(book.ColumnWidth(j), 69) << j;
    EXPECT_TRUE(book.WrapText(1, j)) << j;
    EXPECT_EQ(book.ColumnAlignment(j), 10) << j;
  }
}

TEST(StatsBook, ANewRunStartsFromTheHeadingRow) {
  Grid elements;
  SetupElementGrid(elements);
  TickElements(elements, kStatisticsColumn, {"本站气压", "10分钟平均风速"});
  Grid book;
  SetupStatsGrid(book, elements);
  book.SetRows(40);
  book.SetCellText(39, 8, "old");
  Grid fewer;
  SetupElementGrid(fewer);
  TickElements(fewer, kStatisticsColumn, {"气温"});
  SetupStatsGrid(book, fewer);
  EXPECT_EQ(book.Rows(), 2);
  EXPECT_EQ(Titles(book), (std::vector<std::string>{"日平均气温", "日最高气温", "日最低气温"}));
}

// A 31-day month whose tables hold day * 1000 + slot, ticked elements'
// statistics results holding their own address ("D1.1" for DailyStats(1, 1),
// "P458" for PeriodStats(4, 458), "E15" for MonthExtremes(15)).
struct StatsBlock {
  MonthData data;
  StatisticsResults r;
  Grid book;

  StatsBlock(const std::vector<std::string>& ticked, int pressureSlots) {
    data.Header.Year = "2008";
    data.Header.Month = "03";
    data.Header.DaysInMonth = 31;
    const std::pair<ElementTable MonthData::*, int> tables[] = {{&MonthData::TableP, pressureSlots},
                                                                {&MonthData::TableU, 4},
                                                                {&MonthData::TableP2, 24},
                                                                {&MonthData::TableF, 4},
                                                                {&MonthData::TableS, 27},
                                                                {&MonthData::TableF3, 4}};
    for (const auto& [member, slots] : tables) {
      ElementTable& t = data.*member;
      t.Resize(31, 1, slots);
      for (int d = 1; d <= 31; ++d)
        for (int s = 1; s <= slots; ++s) t.At(d, s) = std::to_string(d * 1000 + s);
    }
    data.TableF3.At(2, 1) = "170/NW";
    for (int c = 1; c <= kDailyStatsColumns; ++c) r.DailyStats.At(2, c) = "D2." + std::to_string(c);
    for (int c = 1; c <= kPeriodStatsColumns; ++c) r.PeriodStats.At(4, c) = "P" + std::to_string(c);
    for (int i = 1; i <= kMonthExtremeEntries; ++i) r.MonthExtremes.At(i) = "E" + std::to_string(i);
    r.SunshineStats.At(1) = "12";
    r.SunshineStats.At(3) = "-";
    book = StatsBookWith(ticked);
    book.SetRows(5);  // an earlier file's rows
    ElementTable scratch = MakeScratchTable();
    WriteStatsBlock(book, data, r, scratch);
  }
  // Day 2 and the month rows R0..R5 of the column titled title.
  std::vector<std::string> Column(const std::string& title) const {
    int j = 2;
    while (book.CellText(1, j) != title) ++j;
    std::vector<std::string> cells{std::string(book.CellText(6, j))};
    for (int row = 36; row <= 41; ++row) cells.emplace_back(book.CellText(row, j));
    return cells;
  }
};

TEST(StatsBook, BlockOfDayAndMonthRows) {
  StatsBlock b({"云状"}, 6);
  ASSERT_EQ(b.book.Rows(), 5 + 31 + 6);
  EXPECT_EQ(b.book.CellText(5, 1), "20080301");
  EXPECT_EQ(b.book.CellText(35, 1), "20080331");
  const char* months[] = {
      "合计", "平均", "最高(大)", "最高(大)出现时间", "最低(小)", "最低(小)出现时间"};
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(b.book.CellText(36 + i, 1), std::string("2008年03月") + months[i]);
}

TEST(StatsBook, ColumnsTakeTheirDayAndMonthRows) {
  using Cells = std::vector<std::string>;
  struct Case {
    int pressureSlots;
    const char* title;
    Cells cells;  // day 2, R0 .. R5
  };
  const Case cases[] = {
      {6, "日平均本站气压", {"D2.1", "", "P5", "", "", "", ""}},
      {28, "日平均本站气压", {"D2.1", "", "P25", "", "", "", ""}},
      {6, "日最高本站气压", {"2005", "", "P6", "E1", "E2", "", ""}},
      {28, "日最高本站气压", {"2025", "", "P27", "E1", "E2", "", ""}},
      {28, "日最低本站气压", {"2027", "", "P28", "", "", "E3", "E4"}},
      {6, "日最低本站气压", {"2006", "", "P7", "", "", "E3", "E4"}},
      {4, "日最低本站气压", {"", "", "P7", "", "", "E3", "E4"}},  // no extreme slot
      {6, "日最小相对湿度", {"", "", "P88", "", "", "E19", "E20"}},
      {6, "日平均海平面气压", {"D2.40", "", "P463", "", "", "", ""}},
      {6, "日平均2分钟平均风速", {"D2.16", "", "P172", "", "", "", ""}},
      {6, "日平均10分钟平均风速", {"D2.18", "", "", "", "", "", ""}},
      {6, "日最大风速", {"170", "", "", "E65", "E67", "", ""}},
      {6, "日最大风速的风向", {"NW", "", "", "E66", "", "", ""}},
      {6, "日日照时数", {"2027", "P458", "", ">=60%:12", "", "", ""}},
  };
  for (const Case& c : cases) {
    StatsBlock b(
        {"本站气压", "海平面气压", "相对湿度", "2分钟平均风速", "10分钟平均风速", "日照时数"},
        c.pressureSlots);
    EXPECT_EQ(b.Column(c.title), c.cells) << c.title << " " << c.pressureSlots;
  }
}

}  // namespace
}  // namespace quillon
