#include "grid/number_cells.h"

#include "grid/grid.h"
#include "util/plain_decimal.h"

namespace quillon {

NumberCells::NumberCells(const Grid& grid, bool numericCells) {
  if (!numericCells) return;
  decimals_.assign(grid.TextCount(), -1);
  values_.assign(grid.TextCount(), 0.0);
  std::vector<bool> seen;
  for (TextId id = 0; id < grid.TextCount(); ++id) {
    auto number = AsPlainDecimal(grid.Text(id));
    if (!number) continue;
    decimals_[id] = static_cast<int8_t>(number->decimals);
    values_[id] = number->value;
    if (seen.size() <= static_cast<size_t>(number->decimals))
      seen.resize(static_cast<size_t>(number->decimals) + 1);
    seen[static_cast<size_t>(number->decimals)] = true;
  }
  for (size_t d = 0; d < seen.size(); ++d)
    if (seen[d]) used_.push_back(static_cast<int>(d));
}

}  // namespace quillon
