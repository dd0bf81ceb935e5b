#include "books/stats_book.h"

#include <gtest/gtest.h>

#include "app/element_list.h"

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

}  // namespace
}  // namespace quillon
