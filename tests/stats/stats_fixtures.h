// Tables for the statistics tests: a month of one value everywhere with a
// few cells set, or one column written as a line of day values.
#pragma once

#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "afile/element_table.h"
#include "stats/statistics_results.h"

namespace quillon::test {

struct Cell {
  int day, slot;
  std::string text;
};

// days x slots 1..slots, every cell fill, then the given cells.
inline ElementTable Filled(int days, int slots, const std::string& fill,
                           const std::vector<Cell>& cells = {}) {
  ElementTable table;
  table.Resize(days, 1, slots);
  for (int d = 1; d <= days; ++d)
    for (int s = 1; s <= slots; ++s) table.At(d, s) = fill;
  for (const Cell& c : cells) table.At(c.day, c.slot) = c.text;
  return table;
}

// Blank-separated day values into one slot, "_" for an empty cell:
// Column(3, 3, "_ 12 -") gives day 2 slot 3 "12" and day 3 slot 3 "-".
inline ElementTable Column(int slots, int slot, const std::string& values) {
  std::vector<std::string> cells;
  std::istringstream in(values);
  for (std::string v; in >> v;) cells.push_back(v == "_" ? "" : v);
  ElementTable table = Filled(static_cast<int>(cells.size()), slots, "");
  for (size_t d = 0; d < cells.size(); ++d) table.At(static_cast<int>(d) + 1, slot) = cells[d];
  return table;
}

// One day's slots from 1 as a line of values, "_" for an empty cell; the
// rest of the slots empty.
inline ElementTable Day(int slots, const std::string& values) {
  ElementTable table = Filled(1, slots, "");
  std::istringstream in(values);
  int slot = 0;
  for (std::string v; in >> v;) table.At(1, ++slot) = v == "_" ? "" : v;
  return table;
}

// Entries first..last of a list joined by "|".
inline std::string Entries(const TextList& list, int first, int last) {
  std::string text;
  for (int i = first; i <= last; ++i) text += (i > first ? "|" : "") + list.At(i);
  return text;
}

}  // namespace quillon::test
