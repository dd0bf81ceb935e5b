#include "books/stats_book.h"

#include <string>
#include <vector>

namespace quillon {
namespace {

// The column titles of one element; names without statistics give none.
std::vector<std::string> TitlesFor(const std::string& n) {
  if (n.find("风向") != std::string::npos || n == "云状" || n == "能见度" || n == "露点温度")
    return {};
  if (n == "本站气压" || n == "气温" || n == "地面温度" || n == "草面温度")
    return {"日平均" + n, "日最高" + n, "日最低" + n};
  if (n == "相对湿度") return {"日平均相对湿度", "日最小相对湿度"};
  if (n == "天气现象") return {"天气现象摘要"};
  if (n == "定时降水量") return {"日定时降水量"};
  if (n == "小时降水量") return {"日小时降水量"};
  if (n == "日照时数") return {"日日照时数"};
  if (n == "10分钟平均风速")
    return {"日平均10分钟平均风速", "日最大风速", "日最大风速的风向", "日极大风速",
            "日极大风速的风向"};
  return {"日平均" + n};
}

}  // namespace

void SetupStatsGrid(Grid& book, const Grid& elementList) {
  std::vector<std::string> titles;
  for (int r = 2; r < elementList.Rows(); ++r) {
    if (elementList.CellText(r, 3).empty()) continue;
    for (std::string& t : TitlesFor(std::string(elementList.CellText(r, 1))))
      titles.push_back(std::move(t));
  }
  book.SetAutoRedraw(false);
  book.SetFont("Tahoma", 8);
  book.SetRows(2);
  book.SetCols(static_cast<int>(titles.size()) + 2);
  book.SetRowHeight(1, 45);
  book.SetColumnWidth(1, 156);
  book.SetCellText(1, 1, "年月日");
  for (size_t i = 0; i < titles.size(); ++i)
    book.SetCellText(1, static_cast<int>(i) + 2, titles[i]);
  for (int j = 2; j < book.Cols(); ++j) {
    book.SetColumnWidth(j, 69);
    book.SetWrapText(1, j, true);
    book.SetColumnAlignment(j, 10);
  }
  book.SetAutoRedraw(true);
  book.Refresh();
}

void WriteStatsBlock(Grid&, const MonthData&, const StatisticsResults&, ElementTable&) {}

}  // namespace quillon
