// Element tables written out day by day, for the decoder tests.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "afile/element_table.h"

namespace quillon::test {

using Rows = std::vector<std::vector<std::string>>;

// A table with one day per row and slots from firstSlot, as wide as the
// widest row (shorter rows leave their last slots empty).
inline ElementTable TableOf(const Rows& rows, int firstSlot = 1) {
  size_t width = 0;
  for (const auto& row : rows) width = std::max(width, row.size());
  ElementTable table;
  table.Resize(static_cast<int>(rows.size()), firstSlot, firstSlot + static_cast<int>(width) - 1);
  for (size_t d = 0; d < rows.size(); ++d)
    for (size_t s = 0; s < rows[d].size(); ++s)
      table.At(static_cast<int>(d) + 1, firstSlot + static_cast<int>(s)) = rows[d][s];
  return table;
}

inline Rows RowsOf(const ElementTable& table) {
  Rows rows;
  for (int day = 1; day <= table.Days(); ++day) {
    rows.emplace_back();
    for (int slot = table.FirstSlot(); slot <= table.LastSlot(); ++slot)
      rows.back().push_back(table.At(day, slot));
  }
  return rows;
}

// A one-day table of `slots` slots (from 1) holding text in `slot`.
inline ElementTable OneCell(const std::string& text, int slots = 1, int slot = 1) {
  ElementTable table;
  table.Resize(1, 1, slots);
  table.At(1, slot) = text;
  return table;
}

}  // namespace quillon::test
