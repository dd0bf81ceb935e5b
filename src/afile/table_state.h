// Whole-table tests of what a table holds, used by the reader to reset the
// observed-item flags and by the decoders to blank tables missing throughout.
#pragma once

#include <string>
#include <string_view>

#include "afile/element_table.h"

namespace quillon {

// A cell that carries an observation: not empty, not only blanks, not only
// "/", not "A---" and not "----".
bool IsRealData(std::string_view cell);

// True when no cell of slots 1 to the last (slot 0 is not looked at) is real
// data.
bool TableIsEmpty(const ElementTable& table);

// "T" as soon as one cell of slots 1.. holds a value (real data that is not
// "-"; here "A---" and "----" count as values); otherwise "-" when any cell is
// all "/" or exactly "-", " " when cells are only empty or blank. A table
// without cells gives "T".
std::string TableState(const ElementTable& table);

}  // namespace quillon
