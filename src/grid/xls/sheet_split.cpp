#include "grid/xls/sheet_split.h"

namespace quillon::xls {

std::vector<SheetRows> SplitIntoSheets(int gridRows) {
  if (gridRows < 2) return {SheetRows{}};
  constexpr int kBodyRows = kMaxSheetRows - 1;
  std::vector<SheetRows> sheets;
  int first = 2;
  do {
    int last = first + kBodyRows - 1 < gridRows - 1 ? first + kBodyRows - 1 : gridRows - 1;
    sheets.push_back({true, first, last});
    first = last + 1;
  } while (first <= gridRows - 1);
  return sheets;
}

}  // namespace quillon::xls
