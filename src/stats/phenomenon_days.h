// Days with each weather phenomenon.
#pragma once

#include <string>

#include "afile/afile_header.h"
#include "afile/element_table.h"
#include "stats/statistics_results.h"

namespace quillon {

void PhenomenonDayCounts(int days, const ElementTable& tableW, ElementTable& dailyStats,
                         TextList& phenomenonDays);

}  // namespace quillon
