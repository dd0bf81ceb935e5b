#include "books/hourly_book.h"

#include <utility>

#include "books/phenomenon_text.h"
#include "util/fields.h"
#include "util/number_text.h"
#include "util/utf8_text.h"

namespace quillon {
namespace {

constexpr int kHours = 24;
constexpr std::string_view kWeather = "天气现象";

// Columns copied from one table of the store.
const ElementTable* DirectSource(const MonthData& d, std::string_view header) {
  static const std::pair<std::string_view, ElementTable MonthData::*> kSources[] = {
      {"本站气压", &MonthData::TableP},   {"海平面气压", &MonthData::TableP2},
      {"气温", &MonthData::TableT},       {"水汽压", &MonthData::TableE},
      {"相对湿度", &MonthData::TableU},   {"露点温度", &MonthData::TableI2},
      {"总云量", &MonthData::TableN},     {"低云量", &MonthData::TableN2},
      {"云状", &MonthData::TableC},       {"能见度", &MonthData::TableV},
      {"天气现象", &MonthData::TableW},   {"小时降水量", &MonthData::TableR2},
      {"地面温度", &MonthData::TableD},   {"5cm地温", &MonthData::TableD2},
      {"10cm地温", &MonthData::TableD3},  {"15cm地温", &MonthData::TableD4},
      {"20cm地温", &MonthData::TableD5},  {"40cm地温", &MonthData::TableD6},
      {"80cm地温", &MonthData::TableK},   {"160cm地温", &MonthData::TableK2},
      {"320cm地温", &MonthData::TableK3}, {"日照时数", &MonthData::TableS},
  };
  for (const auto& [name, member] : kSources)
    if (name == header) return &(d.*member);
  return nullptr;
}

void ClearScratch(ElementTable& scratch) {
  for (int d = 1; d <= scratch.Days(); ++d)
    for (int s = 1; s <= kHours; ++s) scratch.At(d, s).clear();
}

// Timed precipitation: the 20-08 h amount in the 08 h row, the 08-20 h
// amount in the 20 h row.
const ElementTable& TimedRain(const MonthData& d, ElementTable& scratch) {
  ClearScratch(scratch);
  for (int day = 1; day <= std::min(d.TableR.Days(), scratch.Days()); ++day) {
    scratch.At(day, 12) = d.TableR.At(day, 1);
    scratch.At(day, 24) = d.TableR.At(day, 2);
  }
  return scratch;
}

// One part of the "direction/speed" wind cells. A four-time table puts its
// observations in the 02, 08, 14 and 20 h rows like every other four-time
// element; every other row stays empty, so nothing of an earlier column or
// file shows through.
const ElementTable& WindPart(const ElementTable& wind, int field, ElementTable& scratch) {
  ClearScratch(scratch);
  int days = std::min(wind.Days(), scratch.Days());
  bool hourly = wind.LastSlot() >= kHours;
  for (int day = 1; day <= days; ++day) {
    for (int s = 1; s <= std::min(wind.LastSlot(), kHours); ++s) {
      int row = hourly ? s : 6 * s;
      if (row > kHours) break;
      scratch.At(day, row) = FieldOf(wind.At(day, s), "/", field);
    }
  }
  return scratch;
}

const ElementTable* SourceFor(MonthData& d, std::string_view header, ElementTable& scratch) {
  if (header == "定时降水量") return &TimedRain(d, scratch);
  if (header == "2分钟平均风向") return &WindPart(d.TableF, 1, scratch);
  if (header == "2分钟平均风速") return &WindPart(d.TableF, 2, scratch);
  if (header == "10分钟平均风向") return &WindPart(d.TableF2, 1, scratch);
  if (header == "10分钟平均风速") return &WindPart(d.TableF2, 2, scratch);
  return DirectSource(d, header);
}

int WidthFor(std::string_view header) {
  size_t length = CharLength(header);
  if (length <= 3) return 50;
  if (length == 4) return 60;
  if (length == 5) return 65;
  return 90;
}

// Hour of row offset o (0..23) of a day: 21, 22, 23, 24, 01, ..., 20.
int HourOfOffset(int o) { return o < 4 ? o + 21 : o - 3; }

}  // namespace

ElementTable MakeScratchTable() {
  ElementTable scratch;
  scratch.Resize(31, 1, kHours);
  return scratch;
}

std::string HourLabel(std::string_view year, std::string_view month, int day, int hour) {
  return std::string(year) + std::string(month) + Format00(day) + " " + Format00(hour);
}

void SetupHourlyGrid(Grid& book, const Grid& elementList) {
  std::vector<std::string> names;
  for (int r = 2; r < elementList.Rows(); ++r)
    if (!elementList.CellText(r, 2).empty()) names.emplace_back(elementList.CellText(r, 1));
  book.SetAutoRedraw(false);
  book.SetFont("Tahoma", 8);
  book.SetRows(2);
  book.SetCols(static_cast<int>(names.size()) + 2);
  book.SetColumnWidth(1, 90);
  book.SetCellText(1, 1, "年月日时");
  for (size_t i = 0; i < names.size(); ++i) {
    int col = static_cast<int>(i) + 2;
    book.SetCellText(1, col, names[i]);
    book.SetColumnWidth(col, WidthFor(names[i]));
  }
  for (int j = 1; j < book.Cols(); ++j) book.SetColumnAlignment(j, 10);
  book.SetAutoRedraw(true);
  book.Refresh();
}

void WriteElementColumn(Grid& book, const ElementTable& table, int days, int firstRow, int column) {
  bool weather = book.CellText(1, column) == kWeather;
  int last = table.LastSlot();
  for (int d = 1; d <= days; ++d) {
    for (int s = 1; s <= kHours; ++s) {
      int row = firstRow + kHours * (d - 1) + s - 1;
      int slot = 0;  // the table's slot for this hour, 0 for none
      if (last >= kHours)
        slot = s;
      else if (last == 1)
        slot = s == 18 ? 1 : 0;
      else if (last > 1 && s % 6 == 0 && s / 6 <= last)
        slot = s / 6;
      if (slot > 0 && table.Contains(d, slot)) book.SetCellText(row, column, table.At(d, slot));
      if (weather) book.SetWrapText(row, column, true);
    }
  }
}

void WriteHourlyBlock(Grid& book, MonthData& data, ElementTable& scratch) {
  const AFileHeader& h = data.Header;
  book.SetAutoRedraw(false);
  int firstRow = book.Rows();
  int days = h.DaysInMonth.value_or(0);
  book.SetRows(firstRow + kHours * days);
  std::string year = TextOf(h.Year), month = TextOf(h.Month);
  for (int o = 0; o < kHours * days; ++o)
    book.SetCellText(firstRow + o, 1,
                     HourLabel(year, month, o / kHours + 1, HourOfOffset(o % kHours)));
  for (int j = 2; j < book.Cols(); ++j) {
    std::string header(book.CellText(1, j));
    if (header == kWeather) FormatPhenomena(data.TableW);
    if (const ElementTable* source = SourceFor(data, header, scratch))
      WriteElementColumn(book, *source, days, firstRow, j);
  }
  book.SetAutoRedraw(true);
  book.Refresh();
}

}  // namespace quillon
