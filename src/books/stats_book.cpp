#include "books/stats_book.h"

#include <vector>

#include "books/element_catalogue.h"
#include "grid/alignment.h"
#include "util/fields.h"
#include "util/number_text.h"

namespace quillon {
namespace {

// The six month rows of a block, after its day rows.
enum MonthRow { kTotal, kMean, kHighest, kHighestDay, kLowest, kLowestDay, kMonthRows };
constexpr std::string_view kMonthRowLabels[kMonthRows] = {
    "月合计", "月平均", "月最高(大)", "月最高(大)出现时间", "月最低(小)", "月最低(小)出现时间"};

// Where a month row takes its text from.
enum class From { kExtreme, kMonthOf, kHourlyPrecipTotal, kWindSpeed, kSunshine };
struct MonthCell {
  MonthRow row;
  From from;
  int index = 0;  // MonthExtremes index, PeriodStats column, WindSpeedStats or SunshineStats entry
};

// Columns of daily means: day rows from DailyStats.
struct MeanColumn {
  std::string_view title;
  int daily;
  ElementTable MonthData::*bound;
  MonthMeanColumns monthMean;
  std::vector<MonthCell> more;
};

// The month-mean row shows the mean where the statistics put it: the
// sea-level pressure is always reduced to the four main hours, a four-time
// two-minute wind has it behind its four time means, and once-a-day deep soil
// readings in the first column of their block. The weather summary and the
// hourly rain show none; the ten-minute wind has its own monthly mean.
const std::vector<MeanColumn>& MeanColumns() {
  static const std::vector<MeanColumn> kColumns = {
      {"日平均本站气压", 1, &MonthData::TableP, {25, 5}, {}},
      {"日平均气温", 3, &MonthData::TableT, {53, 33}, {}},
      {"日平均水汽压",
       5,
       &MonthData::TableE,
       {81, 61},
       {{kHighest, From::kExtreme, 15}, {kLowest, From::kExtreme, 17}}},
      {"日平均相对湿度", 7, &MonthData::TableU, {107, 87}, {}},
      {"日平均总云量", 9, &MonthData::TableN, {134, 114}, {}},
      {"日平均低云量", 11, &MonthData::TableN2, {160, 140}, {}},
      {"天气现象摘要", 13, &MonthData::TableN2, {}, {}},
      {"日小时降水量", 15, &MonthData::TableR, {}, {{kTotal, From::kHourlyPrecipTotal}}},
      {"日平均2分钟平均风速", 16, &MonthData::TableF, {192, 172}, {}},
      {"日平均10分钟平均风速", 18, &MonthData::TableF2, {}, {{kMean, From::kWindSpeed, 25}}},
      {"日平均草面温度", 20, &MonthData::TableB, {218, 198}, {}},
      {"日平均地面温度", 22, &MonthData::TableD, {246, 226}, {}},
      {"日平均5cm地温", 24, &MonthData::TableD2, {274, 254}, {}},
      {"日平均10cm地温", 26, &MonthData::TableD3, {300, 280}, {}},
      {"日平均15cm地温", 28, &MonthData::TableD4, {326, 306}, {}},
      {"日平均20cm地温", 30, &MonthData::TableD5, {352, 332}, {}},
      {"日平均40cm地温", 32, &MonthData::TableD6, {378, 358}, {}},
      {"日平均80cm地温", 34, &MonthData::TableK, {404, 380}, {}},
      {"日平均160cm地温", 36, &MonthData::TableK2, {430, 406}, {}},
      {"日平均320cm地温", 38, &MonthData::TableK3, {456, 432}, {}},
      {"日平均海平面气压", 40, &MonthData::TableP2, {463, 463}, {}},
  };
  return kColumns;
}

// Which slot of its own table a daily-extreme or total column shows.
enum class Slot { kDailyMaximum, kDailyMinimum, kHumidityMinimum, kRainTotal, kSunshineTotal };

// The slot for a table of w slots; 0 when the table keeps no such value.
int SlotOf(Slot slot, int w) {
  switch (slot) {
    case Slot::kDailyMaximum:
    case Slot::kHumidityMinimum:
      return w > 23 ? 25 : 5;
    case Slot::kDailyMinimum:
      return w == 26 ? 26 : w == 28 ? 27 : w <= 23 ? 6 : 0;
    case Slot::kRainTotal:
      return 3;
    case Slot::kSunshineTotal:
      return 27;
  }
  return 0;
}

// Columns of daily extremes and totals: day rows from the element's table.
struct ExtremeColumn {
  std::string_view title;
  ElementTable MonthData::*table;
  Slot slot;
  MonthMeanColumns monthMean;
  std::vector<MonthCell> more;
};

const std::vector<ExtremeColumn>& ExtremeColumns() {
  using T = MonthData;
  static const std::vector<ExtremeColumn> kColumns = {
      {"日最高本站气压",
       &T::TableP,
       Slot::kDailyMaximum,
       {27, 6},
       {{kHighest, From::kExtreme, 1}, {kHighestDay, From::kExtreme, 2}}},
      {"日最低本站气压",
       &T::TableP,
       Slot::kDailyMinimum,
       {28, 7},
       {{kLowest, From::kExtreme, 3}, {kLowestDay, From::kExtreme, 4}}},
      {"日最高气温",
       &T::TableT,
       Slot::kDailyMaximum,
       {55, 34},
       {{kHighest, From::kExtreme, 5}, {kHighestDay, From::kExtreme, 6}}},
      {"日最低气温",
       &T::TableT,
       Slot::kDailyMinimum,
       {56, 35},
       {{kLowest, From::kExtreme, 7}, {kLowestDay, From::kExtreme, 8}}},
      {"日最小相对湿度",
       &T::TableU,
       Slot::kHumidityMinimum,
       {109, 88},
       {{kLowest, From::kExtreme, 19}, {kLowestDay, From::kExtreme, 20}}},
      {"日最高草面温度",
       &T::TableB,
       Slot::kDailyMaximum,
       {220, 199},
       {{kHighest, From::kExtreme, 75}, {kHighestDay, From::kExtreme, 76}}},
      {"日最低草面温度",
       &T::TableB,
       Slot::kDailyMinimum,
       {221, 200},
       {{kLowest, From::kExtreme, 77}, {kLowestDay, From::kExtreme, 78}}},
      {"日最高地面温度",
       &T::TableD,
       Slot::kDailyMaximum,
       {248, 227},
       {{kHighest, From::kExtreme, 80}, {kHighestDay, From::kExtreme, 81}}},
      {"日最低地面温度",
       &T::TableD,
       Slot::kDailyMinimum,
       {249, 228},
       {{kLowest, From::kExtreme, 82}, {kLowestDay, From::kExtreme, 83}}},
      {"日定时降水量",
       &T::TableR,
       Slot::kRainTotal,
       {},
       {{kTotal, From::kMonthOf, 164},
        {kHighest, From::kExtreme, 35},
        {kHighestDay, From::kExtreme, 36}}},
      {"日日照时数",
       &T::TableS,
       Slot::kSunshineTotal,
       {},
       {{kTotal, From::kMonthOf, 458},
        {kMean, From::kSunshine, 3},
        {kHighest, From::kSunshine, 1},
        {kLowest, From::kSunshine, 2}}},
  };
  return kColumns;
}

// Columns of the day's maximum and extreme wind: one field of the recorded
// "speed/direction" cell of TableF3.
struct WindColumn {
  std::string_view title;
  int slot;
  int field;
  std::vector<MonthCell> more;
};

const std::vector<WindColumn>& WindColumns() {
  static const std::vector<WindColumn> kColumns = {
      {"日最大风速", 1, 1, {{kHighest, From::kExtreme, 65}, {kHighestDay, From::kExtreme, 67}}},
      {"日最大风速的风向", 1, 2, {{kHighest, From::kExtreme, 66}}},
      {"日极大风速", 3, 1, {{kHighest, From::kExtreme, 70}, {kHighestDay, From::kExtreme, 72}}},
      {"日极大风速的风向", 3, 2, {{kHighest, From::kExtreme, 71}}},
  };
  return kColumns;
}

// The sunshine lines: the month's percentage of the possible sunshine, the
// days with at least 60 % and those with at most 20 %.
std::string SunshineText(const StatisticsResults& r, int entry) {
  const std::string& value = r.SunshineStats.At(entry);
  if (!IsNumeric(value)) return "";
  if (entry == 3) return "百分率:" + value + "%";
  return (entry == 1 ? ">=60%:" : "<=20%:") + value;
}

std::string MonthText(const StatisticsResults& r, const MonthCell& cell) {
  switch (cell.from) {
    case From::kExtreme:
      return r.MonthExtremes.At(cell.index);
    case From::kMonthOf:
      return r.PeriodStats.At(4, cell.index);
    case From::kHourlyPrecipTotal:
      return r.HourlyPrecipTotal;
    case From::kWindSpeed:
      return r.WindSpeedStats.At(cell.index);
    case From::kSunshine:
      return SunshineText(r, cell.index);
  }
  return "";
}

// The place of one block: its first row and day count.
struct Block {
  int firstRow;
  int days;
  int Row(MonthRow row) const { return firstRow + days + row; }
};

void WriteMonthCells(Grid& book, const Block& block, int column, const StatisticsResults& r,
                     const std::vector<MonthCell>& cells) {
  for (const MonthCell& cell : cells)
    book.SetCellText(block.Row(cell.row), column, MonthText(r, cell));
}

void WriteLabels(Grid& book, const Block& block, const AFileHeader& header) {
  std::string year = TextOf(header.Year), month = TextOf(header.Month);
  for (int d = 1; d <= block.days; ++d)
    book.SetCellText(block.firstRow + d - 1, 1, year + month + Format00(d));
  for (int row = kTotal; row < kMonthRows; ++row)
    book.SetCellText(block.Row(MonthRow(row)), 1,
                     year + "年" + month + std::string(kMonthRowLabels[row]));
}

// The wind field of every day into scratch column 1; days that TableF3 does
// not hold are left empty, so nothing of an earlier use shows through.
const ElementTable& WindField(const ElementTable& tableF3, int slot, int field, int days,
                              ElementTable& scratch) {
  for (int d = 1; d <= days; ++d)
    scratch.At(d, 1) = tableF3.Contains(d, slot) ? FieldOf(tableF3.At(d, slot), "/", field) : "";
  return scratch;
}

// One column by its title; a title without statistics leaves it empty.
void WriteColumn(Grid& book, const Block& block, int column, std::string_view title,
                 const MonthData& data, const StatisticsResults& r, ElementTable& scratch) {
  for (const MeanColumn& c : MeanColumns()) {
    if (c.title != title) continue;
    WriteStatsColumn(book, data.*c.bound, r.DailyStats, c.daily, r.PeriodStats, c.monthMean,
                     block.days, block.firstRow, column);
    WriteMonthCells(book, block, column, r, c.more);
    return;
  }
  for (const ExtremeColumn& c : ExtremeColumns()) {
    if (c.title != title) continue;
    const ElementTable& table = data.*c.table;
    WriteStatsColumn(book, table, table, SlotOf(c.slot, table.LastSlot()), r.PeriodStats,
                     c.monthMean, block.days, block.firstRow, column);
    WriteMonthCells(book, block, column, r, c.more);
    return;
  }
  for (const WindColumn& c : WindColumns()) {
    if (c.title != title) continue;
    const ElementTable& field = WindField(data.TableF3, c.slot, c.field, block.days, scratch);
    WriteStatsColumn(book, field, field, 1, r.PeriodStats, {}, block.days, block.firstRow, column);
    WriteMonthCells(book, block, column, r, c.more);
    return;
  }
}

}  // namespace

void SetupStatsGrid(Grid& book, const Grid& elementList) {
  std::vector<std::string> titles;
  for (int r = 2; r < elementList.Rows(); ++r) {
    if (elementList.CellText(r, 3).empty()) continue;
    if (const Element* e = ElementNamed(elementList.CellText(r, 1)))
      for (std::string_view t : e->StatsTitles()) titles.emplace_back(t);
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
    book.SetColumnAlignment(j, kCentred);
  }
  book.SetAutoRedraw(true);
  book.Refresh();
}

void WriteStatsColumn(Grid& book, const ElementTable& bound, const ElementTable& values,
                      int valueColumn, const ElementTable& periodStats, MonthMeanColumns monthMean,
                      int days, int firstRow, int column) {
  for (int d = 1; d <= days; ++d)
    if (valueColumn >= 1 && values.Contains(d, valueColumn))
      book.SetCellText(firstRow + d - 1, column, values.At(d, valueColumn));
  int mean = bound.LastSlot() > 23 ? monthMean.hourly : monthMean.fourTimes;
  if (mean > 0) book.SetCellText(firstRow + days + kMean, column, periodStats.At(4, mean));
}

void WriteStatsBlock(Grid& book, const MonthData& data, const StatisticsResults& results,
                     ElementTable& scratch) {
  book.SetAutoRedraw(false);
  Block block{book.Rows(), data.Header.DaysInMonth.value_or(0)};
  book.SetRows(block.firstRow + block.days + kMonthRows);
  WriteLabels(book, block, data.Header);
  for (int j = 2; j < book.Cols(); ++j) {
    std::string title(book.CellText(1, j));
    WriteColumn(book, block, j, title, data, results, scratch);
  }
  book.SetAutoRedraw(true);
  book.Refresh();
}

}  // namespace quillon
