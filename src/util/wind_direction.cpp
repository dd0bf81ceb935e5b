#include "util/wind_direction.h"

#include <array>

#include "util/number_text.h"

namespace quillon {
namespace {

constexpr std::string_view kWindCodes = "N,NNE,NE,ENE,E,ESE,SE,SSE,S,SSW,SW,WSW,W,WNW,NW,NNW,C,-,";

struct DegreeRange {
  double from, to;
  std::string_view code;
};

// Closed ranges; values between two ranges (11.5) belong to none.
constexpr std::array<DegreeRange, 17> kRanges{{
    {349, 360, "N"},
    {0, 11, "N"},
    {12, 33, "NNE"},
    {34, 56, "NE"},
    {57, 78, "ENE"},
    {79, 101, "E"},
    {102, 123, "ESE"},
    {124, 146, "SE"},
    {147, 168, "SSE"},
    {169, 191, "S"},
    {192, 213, "SSW"},
    {214, 236, "SW"},
    {237, 258, "WSW"},
    {259, 281, "W"},
    {282, 303, "WNW"},
    {304, 326, "NW"},
    {327, 348, "NNW"},
}};

std::string CodeOfDegrees(double degrees) {
  for (const DegreeRange& r : kRanges)
    if (degrees >= r.from && degrees <= r.to) return std::string(r.code);
  return {};
}

}  // namespace

bool IsUnknownWindCode(std::string_view text) {
  std::string needle = "," + std::string(text);
  return kWindCodes.find(needle) == std::string_view::npos;
}

std::string WindDirectionCode(std::string_view direction, std::string_view speed) {
  std::string result;
  if (direction.empty()) {
    result = "";
  } else if (direction == "-" || direction == "C") {
    result = std::string(direction);
  } else if (IsNumeric(direction)) {
    result = CodeOfDegrees(LeadingNumber(direction));
  } else {
    result = IsUnknownWindCode(direction) ? "-" : std::string(direction);
  }
  if (speed.empty()) return "";
  if (speed == "-") return "-";
  if (LeadingNumber(speed) < 3) return "C";
  return result;
}

}  // namespace quillon
