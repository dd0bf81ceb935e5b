// Which texts of a grid a workbook holds as numbers, decided once for each
// distinct text. With numeric cells off (the default) every text stays text.
#pragma once

#include <cstdint>
#include <vector>

#include "grid/text_pool.h"

namespace quillon {

class Grid;

class NumberCells {
 public:
  NumberCells() = default;
  NumberCells(const Grid& grid, bool numericCells);

  bool IsNumber(TextId id) const { return id < decimals_.size() && decimals_[id] >= 0; }
  // For a text that IsNumber: its value and the decimals its format shows.
  double Value(TextId id) const { return values_.at(id); }
  int Decimals(TextId id) const { return decimals_.at(id); }
  // The decimal counts in use, fewest first; empty when no cell is a number.
  const std::vector<int>& DecimalsUsed() const { return used_; }

 private:
  std::vector<int8_t> decimals_;  // -1 for a text that stays text
  std::vector<double> values_;
  std::vector<int> used_;
};

}  // namespace quillon
