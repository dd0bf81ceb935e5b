// Monthly wire icing maxima.
#pragma once

#include <string>

#include "afile/afile_header.h"
#include "afile/element_table.h"
#include "stats/statistics_results.h"

namespace quillon {

void WireIcingMaximum(int days, const ElementTable& tableG, TextList& monthExtremes, int selector);

}  // namespace quillon
