// Rounding of computed values to whole numbers: half away from zero, the rule
// of every mean and converted value in the workbooks.
#pragma once

#include <cstdint>

namespace quillon {

// sign(x) * floor(|x| + 0.5). A result outside the 32-bit range, or a value
// that is not a number, throws std::range_error: a wrapped number would be
// written into a workbook as if it were data.
int32_t RoundHalfAway(double x);

// x rounded to the nearest whole number, a half to the even one (2.5 -> 2,
// 3.5 -> 4): running sums of readings stay whole this way. Throws
// std::range_error like RoundHalfAway when the result leaves the 32-bit range.
int32_t RoundHalfEven(double x);

}  // namespace quillon
