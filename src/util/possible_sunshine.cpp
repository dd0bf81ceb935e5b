#include "util/possible_sunshine.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "util/calendar.h"
#include "util/fields.h"
#include "util/number_text.h"
#include "util/rounding.h"

namespace quillon {
namespace {

constexpr double kPi = 3.14159265358979;

// "35.30N" -> 35.5: degrees "." minutes, the hemisphere letter giving the sign.
double DecimalDegrees(std::string_view text, char negativeLetter, char positiveLetter) {
  std::string t(Trim(text));
  bool negative = false;
  if (!t.empty() && t.back() == negativeLetter) {
    negative = true;
    t.pop_back();
  } else if (!t.empty() && t.back() == positiveLetter) {
    t.pop_back();
  }
  double minutes = RoundHalfAway(LeadingNumber(FieldOf(t, ".", 2)));
  int32_t fraction = RoundHalfAway(minutes / 60.0 * 10000.0);
  std::string decimal = FieldOf(t, ".", 1) + "." + FormatFixed(fraction, 4, 0);
  double value = LeadingNumber(decimal);
  return negative ? -value : value;
}

}  // namespace

StationPosition PositionOf(std::string_view latitude, std::string_view longitude) {
  return {DecimalDegrees(latitude, 'S', 'N'), DecimalDegrees(longitude, 'W', 'E')};
}

double PossibleSunshine(std::string_view year, std::string_view month, std::string_view day,
                        std::string_view latitude, std::string_view longitude) {
  return PossibleSunshine(year, month, day, PositionOf(latitude, longitude));
}

double PossibleSunshine(std::string_view year, std::string_view month, std::string_view day,
                        const StationPosition& at) {
  double phi = at.latitude;
  double lambda = at.longitude;
  // Clamped so that a garbled date text cannot overflow the conversions.
  auto whole = [](std::string_view text) {
    return static_cast<long>(std::clamp(LeadingNumber(text), -1e6, 1e6));
  };
  long y = whole(year);
  long m = whole(month);
  long d = whole(day);
  double t = static_cast<double>(DaySerial(y, m, d) - DaySerial(y, 1, 1));
  double n0 = (y - 1985) * 0.2422 + 79.6764 - std::floor((y - 1985) * 0.25);
  double theta = ((12 - lambda / 15) / 24 + t - n0) * 6.28318530717958 / 365.2422;
  double delta = 0.3723 + 23.2567 * std::sin(theta) + 0.1149 * std::sin(2 * theta) -
                 0.1712 * std::sin(3 * theta) - 0.758 * std::cos(theta) +
                 0.3656 * std::cos(2 * theta) + 0.0201 * std::cos(3 * theta);
  double r = 34.0 / 60.0;
  double a = std::sin((45 - (phi - delta - r) / 2) * kPi / 180);
  double b = std::sin(((phi - delta + r) / 2 + 45) * kPi / 180);
  double p = a * b;
  if (!(p >= 0)) return 0;
  double q = p / (std::cos(delta * kPi / 180) * std::cos(phi * kPi / 180));
  double s = std::sqrt(q);
  if (!(s < 1)) return 24;
  double w = std::atan(s / std::sqrt(1 - s * s));
  double h = w * 2 * 180 / kPi / 15;
  return RoundHalfAway(h * 2 * 100) / 100.0;
}

}  // namespace quillon
