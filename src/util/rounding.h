// Rounding of computed values to whole numbers: half away from zero, the rule
// of every mean and converted value in the workbooks.
#pragma once

#include <cmath>
#include <cstdint>

namespace quillon {

[[noreturn]] void ThrowOutside32(const char* who);

// sign(x) * floor(|x| + 0.5). A result outside the 32-bit range, or a value
// that is not a number, throws std::range_error: a wrapped number would be
// written into a workbook as if it were data. Inline: every mean of the
// statistics is rounded here.
inline int32_t RoundHalfAway(double x) {
  double r = std::floor(std::fabs(x) + 0.5);
  double most = x < 0 ? 2147483648.0 : 2147483647.0;  // -2^31 .. 2^31 - 1
  if (!(r <= most)) ThrowOutside32("RoundHalfAway");  // a NaN too
  return static_cast<int32_t>(x < 0 ? -r : r);
}

// x rounded to the nearest whole number, a half to the even one (2.5 -> 2,
// 3.5 -> 4): running sums of readings stay whole this way. Throws
// std::range_error like RoundHalfAway when the result leaves the 32-bit range.
int32_t RoundHalfEven(double x);

}  // namespace quillon
