// Monthly maximum and extreme wind with their directions and times.
#pragma once

#include <string>

#include "afile/afile_header.h"
#include "afile/element_table.h"
#include "stats/statistics_results.h"

namespace quillon {

void MonthWindExtreme(int days, const ElementTable& tableF3, TextList& monthExtremes, int selector);
void ObservedWindMaximum(int days, const ElementTable& tableF, TextList& monthExtremes);

}  // namespace quillon
