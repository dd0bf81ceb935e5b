// The month's highest and lowest values with the day they occurred on: the
// day as a plain number ("9"), or the number of days followed by "天" ("3天")
// when the extreme occurred on more than one day.
#pragma once

#include <string_view>

#include "afile/element_table.h"

namespace quillon {

// Highest value of one column over days 1..days into monthExtremes index (the
// value) and index + 1 (its day). Snow ("Z") and frozen ground ("A") are
// written "0", the others "00". A frozen-ground depth recorded as ">150" (the
// ground frozen deeper than the gauge reaches) keeps its ">" when it alone
// holds the maximum.
void MonthMaximum(int days, const ElementTable& table, int column, TextList& monthExtremes,
                  int index, std::string_view letter);

// Lowest value, humidity ("U") written "0", the others "00". For grass ("B")
// and ground ("D") temperatures index + 2 gets the number of days with a
// minimum at or below 0 (frost days), "" when there was none.
void MonthMinimum(int days, const ElementTable& table, int column, TextList& monthExtremes,
                  int index, std::string_view letter);

// Highest and lowest vapour pressure of all observations of the month into
// entries 15..18; all four "-" when the month's mean is missing.
void VapourPressureExtremes(int days, const ElementTable& tableE, const ElementTable& periodStats,
                            TextList& monthExtremes);

}  // namespace quillon
