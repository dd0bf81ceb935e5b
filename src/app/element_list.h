// The element list: 28 elements, each with a timed-record tick (column 2) and
// a statistics tick (column 3), under two fixed heading rows.
#pragma once

#include <string_view>
#include <vector>

#include "grid/grid.h"

namespace quillon {

inline constexpr int kTimedRecordColumn = 2;
inline constexpr int kStatisticsColumn = 3;

// Lays out the element grid: headings "序号", "要素", "选取内容" over "时记录"
// and "日月统计值", the 28 names in rows 2..29, nothing ticked.
void SetupElementGrid(Grid& elements);

// A click on the heading "时记录" or "日月统计值" (row 1, column > 1) ticks
// every element in that column, or unticks them all when all are ticked.
void ToggleElementColumn(Grid& elements, int activeRow, int activeCol);

// Ticks the named elements in a column; returns the names that are not
// elements of the list.
std::vector<std::string> TickElements(Grid& elements, int column,
                                      const std::vector<std::string>& names);

}  // namespace quillon
