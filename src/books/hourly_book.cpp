#include "books/hourly_book.h"

#include <array>
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

// The cell as Trim gives it, without the call for the usual cell that has
// no blank at either end.
std::string_view Trimmed(std::string_view cell) {
  auto blank = [](char c) { return c == ' ' || c == '\t'; };
  if (cell.empty() || (!blank(cell.front()) && !blank(cell.back()))) return cell;
  return Trim(cell);
}

// Field 1 (direction) or 2 (speed) of a "direction/speed" cell trimmed of
// blanks, as FieldOf cuts it, seen in place rather than copied.
std::string_view WindField(std::string_view cell, int field) {
  std::string_view text = Trimmed(cell);
  // Searched by hand: the cells are a few characters long, too short to be
  // worth a library search.
  auto slash = [&text] {
    size_t at = 0;
    while (at < text.size() && text[at] != '/') ++at;
    return at;
  };
  for (int k = 1; k < field; ++k) {
    size_t at = slash();
    if (at == text.size()) return {};
    text.remove_prefix(at + 1);
  }
  return text.substr(0, slash());
}

// The table slot shown in hour row s (1..24) of a day, 0 for none: every
// hour from a table of 24 or more slots, the 02, 08, 14 and 20 h rows from a
// four-time table, and the row oneValueHour from a one-value table.
int SlotShownAt(int s, int lastSlot, int oneValueHour) {
  if (lastSlot >= kHours) return s;
  if (lastSlot == 1) return s == oneValueHour ? 1 : 0;
  if (lastSlot > 1 && s % 6 == 0 && s / 6 <= lastSlot) return s / 6;
  return 0;
}

// Writes the shown slots of a table into one column, each cell's text as
// textOf reads it; the weather column wraps its text in every row.
template <class TextOf>
void WriteCells(Grid& book, const ElementTable& table, int days, int firstRow, int column,
                int oneValueHour, TextOf textOf) {
  const Element* element = ElementNamed(book.CellText(1, column));
  bool weather = element != nullptr && element->timed == TimedColumn::Phenomena;
  int last = table.LastSlot();
  for (int d = 1; d <= days; ++d) {
    int dayRow = firstRow + kHours * (d - 1);
    if (!weather && table.Contains(d, 1) && table.Contains(d, kHours)) {
      // An hourly table fills every row of the day: write them at once.
      book.SetColumnTexts(dayRow, column, table.Slots(d, 1, kHours), textOf);
      continue;
    }
    for (int s = 1; s <= kHours; ++s) {
      int row = dayRow + s - 1;
      int slot = SlotShownAt(s, last, oneValueHour);
      if (slot > 0 && table.Contains(d, slot))
        book.SetCellText(row, column, textOf(table.At(d, slot)));
      if (weather) book.SetWrapText(row, column, true);
    }
  }
}

// One part of the "direction/speed" wind cells, read in place. A four-time
// table puts its observations in the 02, 08, 14 and 20 h rows like every
// other four-time element, a one-value table in the 02 h row.
void WriteWindColumn(Grid& book, const ElementTable& wind, int field, int days, int firstRow,
                     int column) {
  constexpr int kFirstMainHour = 6;  // 02 h
  WriteCells(book, wind, days, firstRow, column, kFirstMainHour,
             [field](std::string_view cell) { return WindField(cell, field); });
}

// Writes one timed-record column of the block from the element's table.
void WriteColumn(Grid& book, MonthData& d, const Element& e, ElementTable& scratch, int days,
                 int firstRow, int column) {
  if (e.table == nullptr) return;
  ElementTable& table = d.*e.table;
  switch (e.timed) {
    case TimedColumn::None:
      return;
    case TimedColumn::Copy:
      return WriteElementColumn(book, table, days, firstRow, column);
    case TimedColumn::Phenomena:
      FormatPhenomena(table);
      return WriteElementColumn(book, table, days, firstRow, column);
    case TimedColumn::TimedRain:
      return WriteElementColumn(book, TimedRain(table, scratch), days, firstRow, column);
    case TimedColumn::WindDirection:
      return WriteWindColumn(book, table, 1, days, firstRow, column);
    case TimedColumn::WindSpeed:
      return WriteWindColumn(book, table, 2, days, firstRow, column);
  }
}

int WidthFor(std::string_view header) {
  size_t length = CharLength(header);
  if (length <= 3) return 50;
  if (length == 4) return 60;
  if (length == 5) return 65;
  return 90;
}

// The hours of a day's rows: the observation day begins at 20 h of the day
// before, and the hour after 23 is 24.
constexpr std::array<std::string_view, kHours> kRowHours{
    "21", "22", "23", "24", "01", "02", "03", "04", "05", "06", "07", "08",
    "09", "10", "11", "12", "13", "14", "15", "16", "17", "18", "19", "20"};

// Column 1 of the block: one label per row, day after day.
void WriteLabels(Grid& book, const AFileHeader& h, int firstRow, int days) {
  std::string year = TextOf(h.Year), month = TextOf(h.Month);
  for (int d = 1; d <= days; ++d) {
    // Only the last two characters, the hour, change within a day.
    std::string label = HourLabel(year, month, d, 21);
    size_t hourAt = label.size() - 2;
    for (int o = 0; o < kHours; ++o) {
      label[hourAt] = kRowHours[o][0];
      label[hourAt + 1] = kRowHours[o][1];
      book.SetCellText(firstRow + kHours * (d - 1) + o, 1, label);
    }
  }
}

}  // namespace

ElementTable MakeScratchTable() {
  ElementTable scratch;
  scratch.Resize(31, 1, kHours);
  return scratch;
}

std::string HourLabel(std::string_view year, std::string_view month, int day, int hour) {
  std::string label(year);
  label += month;
  AppendWhole(label, day, 2);
  label += ' ';
  AppendWhole(label, hour, 2);
  return label;
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
  constexpr int kOneValueHour = 18;  // 14 h
  WriteCells(book, table, days, firstRow, column, kOneValueHour,
             [](const std::string& cell) -> std::string_view { return cell; });
}

void WriteHourlyBlock(Grid& book, MonthData& data, ElementTable& scratch) {
  const AFileHeader& h = data.Header;
  book.SetAutoRedraw(false);
  int firstRow = book.Rows();
  int days = h.DaysInMonth.value_or(0);
  book.SetRows(firstRow + kHours * days);
  WriteLabels(book, h, firstRow, days);
  for (int j = 2; j < book.Cols(); ++j) {
    const Element* element = ElementNamed(book.CellText(1, j));
    if (element == nullptr) continue;
    WriteColumn(book, data, *element, scratch, days, firstRow, j);
  }
  book.SetAutoRedraw(true);
  book.Refresh();
}

}  // namespace quillon
