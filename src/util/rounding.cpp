#include "util/rounding.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace quillon {

int32_t RoundHalfAway(double x) {
  double r = std::floor(std::fabs(x) + 0.5);
  if (x < 0) r = -r;
  if (!(r >= std::numeric_limits<int32_t>::min() && r <= std::numeric_limits<int32_t>::max()))
    throw std::range_error("RoundHalfAway: value outside the 32-bit range");
  return static_cast<int32_t>(r);
}

}  // namespace quillon
