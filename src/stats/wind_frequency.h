// Wind direction frequencies of the two-minute wind and the prevailing direction.
#pragma once

#include <string>

#include "afile/afile_header.h"
#include "afile/element_table.h"
#include "stats/statistics_results.h"

namespace quillon {

void WindDirectionFrequencies(int days, const ElementTable& tableF,
                              TextCube<28, 17, 3>& windFrequency, TextList& monthExtremes);

}  // namespace quillon
