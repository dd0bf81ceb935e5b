// Mean air temperature of the six pentads (five-day periods) of a month.
#pragma once

#include "afile/element_table.h"

namespace quillon {

// Pentad p = 1..6 covers days 5p - 4 .. 5p, the sixth running to the month's
// end; its mean of the daily mean temperatures (dailyStats column 3) goes to
// monthExtremes 8 + p as a plain whole number. A pentad that lacks a daily
// mean falls back on the observation times of tableT when each time misses
// at most one reading.
void PentadTemperatureMeans(int days, const ElementTable& tableT, const ElementTable& dailyStats,
                            TextList& monthExtremes);

}  // namespace quillon
