// Astronomically possible sunshine duration of one day at the station.
#pragma once

#include <string_view>

namespace quillon {

// Day length with an allowance for refraction, in hours rounded to 0.01 h,
// from the header's display texts: year "2008", month "06", day "16",
// latitude "35.30N", longitude "105.00E". Always between 0 and 24.
double PossibleSunshine(std::string_view year, std::string_view month, std::string_view day,
                        std::string_view latitude, std::string_view longitude);

// The station's position in decimal degrees, north and east positive, read
// from the header's texts: "35.30N" (degrees "." minutes) is 35.5.
struct StationPosition {
  double latitude = 0;
  double longitude = 0;
};
StationPosition PositionOf(std::string_view latitude, std::string_view longitude);

// The same for a position read once, for the days of a whole month.
double PossibleSunshine(std::string_view year, std::string_view month, std::string_view day,
                        const StationPosition& at);

}  // namespace quillon
