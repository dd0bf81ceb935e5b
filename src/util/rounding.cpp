#include "util/rounding.h"

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

namespace quillon {

namespace {

int32_t Checked32(double r, const char* who) {
  if (!(r >= std::numeric_limits<int32_t>::min() && r <= std::numeric_limits<int32_t>::max()))
    throw std::range_error(std::string(who) + ": value outside the 32-bit range");
  return static_cast<int32_t>(r);
}

}  // namespace

int32_t RoundHalfAway(double x) {
  double r = std::floor(std::fabs(x) + 0.5);
  return Checked32(x < 0 ? -r : r, "RoundHalfAway");
}

int32_t RoundHalfEven(double x) {
  // Whole numbers within range, nearly every running sum, need no rounding.
  if (x >= std::numeric_limits<int32_t>::min() && x <= std::numeric_limits<int32_t>::max()) {
    auto whole = static_cast<int32_t>(x);
    if (whole == x) return whole;
  }
  return Checked32(x - std::remainder(x, 1.0), "RoundHalfEven");
}

}  // namespace quillon
