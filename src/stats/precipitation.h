// Precipitation statistics: totals, day counts, spells and the rain summary.
#pragma once

#include <string>

#include "afile/afile_header.h"
#include "afile/element_table.h"
#include "stats/statistics_results.h"

namespace quillon {

void PrecipitationStatistics(const AFileHeader& header, const ElementTable& tableR,
                             const TextList& tableR4, ElementTable& dailyStats,
                             ElementTable& periodStats, TextList& monthExtremes);

}  // namespace quillon
