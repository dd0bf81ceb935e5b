// Sunshine percentages against the possible sunshine duration.
#pragma once

#include <string>

#include "afile/afile_header.h"
#include "afile/element_table.h"
#include "stats/statistics_results.h"

namespace quillon {

void SunshinePercentages(int days, const ElementTable& tableS, const AFileHeader& header,
                         const ElementTable& periodStats, TextList& sunshineStats);

}  // namespace quillon
