#include "books/stats_book.h"

#include <string>
#include <vector>

#include "books/element_catalogue.h"
#include "grid/alignment.h"

namespace quillon {

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

void WriteStatsBlock(Grid&, const MonthData&, const StatisticsResults&, ElementTable&) {}

}  // namespace quillon
