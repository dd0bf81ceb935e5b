// Wind direction frequencies of the two-minute wind and the prevailing direction.
#pragma once

#include <string>

#include "afile/afile_header.h"
#include "afile/element_table.h"
#include "stats/statistics_results.h"

namespace quillon {

// Counts, speeds and frequencies of the 16 directions and calm (index 17) per
// slot of TableF (4 or 24 slots) and for the month; the prevailing direction
// into MonthExtremes 61-64.
void WindDirectionFrequencies(int days, const ElementTable& tableF,
                              TextCube<28, 17, 3>& windFrequency, TextList& monthExtremes);

// The direction of greatest frequency in the summary column pair summary,
// summary + 1 into entries target (name) and target + 1 (frequency).
void PrevailingDirection(const TextCube<28, 17, 3>& windFrequency, TextList& monthExtremes,
                         int summary, int target);

}  // namespace quillon
