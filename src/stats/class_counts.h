// Cloud and visibility class counts, hourly precipitation totals and the ten-minute mean wind.
#pragma once

#include <string>

#include "afile/afile_header.h"
#include "afile/element_table.h"
#include "stats/statistics_results.h"

namespace quillon {

void CloudClassDays(int days, const ElementTable& cloud, ElementTable& dailyStats,
                    TextCube<2, 5, 3>& cloudDayCounts, int layer);
void VisibilityClassCounts(int days, const ElementTable& tableV, ElementTable& visibilityCounts);
void HourlyPrecipitationTotals(int days, const ElementTable& tableR2, ElementTable& dailyStats,
                               std::string& hourlyPrecipTotal);
void RecordedWindSpeedMeans(int days, const ElementTable& tableF2, ElementTable& dailyStats,
                            TextList& windSpeedStats);

}  // namespace quillon
