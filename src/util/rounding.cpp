#include "util/rounding.h"

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

namespace quillon {

namespace {

int32_t Checked32(double r, const char* who) {
  if (!(r >= std::numeric_limits<int32_t>::min() && r <= std::numeric_limits<int32_t>::max()))
    ThrowOutside32(who);
  return static_cast<int32_t>(r);
}

}  // namespace

void ThrowOutside32(const char* who) {
  throw std::range_error(std::string(who) + ": value outside the 32-bit range");
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
