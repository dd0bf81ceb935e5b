#include "books/hourly_book.h"

#include <utility>

#include "books/element_catalogue.h"
#include "books/phenomenon_text.h"
#include "grid/alignment.h"
#include "util/fields.h"
#include "util/number_text.h"
#include "util/utf8_text.h"

namespace quillon {
namespace {

constexpr int kHours = 24;

void ClearScratch(ElementTable& scratch) {
  for (int d = 1; d <= scratch.Days(); ++d)
    for (int s = 1; s <= kHours; ++s) scratch.At(d, s).clear();
}

// Timed precipitation: the 20-08 h amount in the 08 h row, the 08-20 h
// amount in the 20 h row.
const ElementTable& TimedRain(const ElementTable& rain, ElementTable& scratch) {
  ClearScratch(scratch);
  for (int day = 1; day <= std::min(rain.Days(), scratch.Days()); ++day) {
    scratch.At(day, 12) = rain.At(day, 1);
    scratch.At(day, 24) = rain.At(day, 2);
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

// The table a timed-record column is written from; nullptr for none.
const ElementTable* SourceFor(MonthData& d, const Element& e, ElementTable& scratch) {
  if (e.table == nullptr) return nullptr;
  const ElementTable& table = d.*e.table;
  switch (e.timed) {
    case TimedColumn::None:
      return nullptr;
    case TimedColumn::Copy:
      return &table;
    case TimedColumn::Phenomena:
      FormatPhenomena(d.*e.table);
      return &table;
    case TimedColumn::TimedRain:
      return &TimedRain(table, scratch);
    case TimedColumn::WindDirection:
      return &WindPart(table, 1, scratch);
    case TimedColumn::WindSpeed:
      return &WindPart(table, 2, scratch);
  }
  return nullptr;
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
  for (int j = 1; j < book.Cols(); ++j) book.SetColumnAlignment(j, kCentred);
  book.SetAutoRedraw(true);
  book.Refresh();
}

void WriteElementColumn(Grid& book, const ElementTable& table, int days, int firstRow, int column) {
  const Element* element = ElementNamed(book.CellText(1, column));
  bool weather = element != nullptr && element->timed == TimedColumn::Phenomena;
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
    const Element* element = ElementNamed(book.CellText(1, j));
    if (element == nullptr) continue;
    if (const ElementTable* source = SourceFor(data, *element, scratch))
      WriteElementColumn(book, *source, days, firstRow, j);
  }
  book.SetAutoRedraw(true);
  book.Refresh();
}

}  // namespace quillon
