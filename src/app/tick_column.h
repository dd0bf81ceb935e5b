// The select-all toggle shared by the file list and the element list.
#pragma once

#include "grid/grid.h"

namespace quillon {

// Over the rows with a name in column 1: unticks them all when every one is
// ticked in the column, otherwise ticks them all ("1"). Rows without a name
// never change.
void ToggleTickColumn(Grid& grid, int column);

}  // namespace quillon
