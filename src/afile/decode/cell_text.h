// What the decoders share: walking the cells of a table, cutting groups by
// characters, and the station facts that change how a slot is shown.
#pragma once

#include <algorithm>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

#include "afile/afile_header.h"
#include "afile/element_table.h"
#include "afile/header_line.h"

namespace quillon {

// Calls visit(cell, slot) for every day and every slot from 1 to the last;
// slot 0 of the tables that have one is never visited.
template <typename Visit>
void ForEachCell(ElementTable& table, Visit visit) {
  const int first = std::max(1, table.FirstSlot());
  for (int day = 1; day <= table.Days(); ++day) {
    std::span<std::string> cells = table.Slots(day, first, table.LastSlot());
    for (size_t i = 0; i < cells.size(); ++i) visit(cells[i], first + static_cast<int>(i));
  }
}

// True when visit(cell) holds for every cell of slots 1.. (and for a table
// without cells).
template <typename Test>
bool AllCells(const ElementTable& table, Test test) {
  const int first = std::max(1, table.FirstSlot());
  for (int day = 1; day <= table.Days(); ++day)
    for (const std::string& cell : table.Slots(day, first, table.LastSlot()))
      if (!test(cell)) return false;
  return true;
}

// Every cell of slots 1.. becomes text(cell), worked out once per distinct
// cell: the groups of a month repeat from hour to hour, and some take many
// steps to expand. text must depend on the cell's text alone.
template <typename Text>
void RewriteDistinctCells(ElementTable& table, Text text) {
  std::unordered_map<std::string, std::string> done;
  ForEachCell(table, [&](std::string& cell, int) {
    auto [entry, fresh] = done.try_emplace(cell);
    if (fresh) entry->second = text(cell);
    cell = entry->second;
  });
}

// Number of slots of the table, slot 0 included where it has one.
inline int SlotCount(const ElementTable& table) { return table.LastSlot() - table.FirstSlot() + 1; }

// The first / last count characters (not bytes) of a text; the whole text
// when it is shorter.
std::string FirstChars(std::string_view text, size_t count);
std::string LastChars(std::string_view text, size_t count);

}  // namespace quillon
