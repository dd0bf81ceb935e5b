// Table rows as one text for compact expectations: the cells of a day from
// the first slot to the last, joined by "|".
#pragma once

#include <string>

#include "afile/element_table.h"

namespace quillon::test {

std::string Row(const ElementTable& table, int day);

// The numbers from, from + 1, ... (count of them) joined by the separator:
// test values whose position shows where they landed.
std::string Seq(int from, int count, char separator = ' ');

}  // namespace quillon::test
