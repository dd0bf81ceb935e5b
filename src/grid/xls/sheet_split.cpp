#include "grid/xls/sheet_split.h"

#include <stdexcept>
#include <string>

namespace quillon::xls {

std::vector<SheetRows> SplitIntoSheets(int gridRows, int maxSheetRows) {
  if (maxSheetRows < 2)
    throw std::invalid_argument("a sheet of " + std::to_string(maxSheetRows) +
                                " rows cannot hold the header and a row");
  if (gridRows < 2) return {SheetRows{}};
  const int bodyRows = maxSheetRows - 1;
  std::vector<SheetRows> sheets;
  int first = 2;
  do {
    int last = first + bodyRows - 1 < gridRows - 1 ? first + bodyRows - 1 : gridRows - 1;
    sheets.push_back({true, first, last});
    first = last + 1;
  } while (first <= gridRows - 1);
  return sheets;
}

}  // namespace quillon::xls
