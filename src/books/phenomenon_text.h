// The day's weather phenomenon line spread over its 24 hour rows as names.
#pragma once

#include <string>
#include <string_view>

#include "afile/element_table.h"

namespace quillon {

// Chinese name of a two-digit phenomenon code ("60" -> "雨"); another code
// is returned unchanged.
std::string PhenomenonName(std::string_view code);

// Minutes since 20:00 of the previous day of a four-character time "hhmm";
// mark is " " for a start time and "-" for an end time (an end at 20:00 is
// the end of the observation day, 1440). "////" gives -1.
int PhenomenonMinutes(std::string_view time, std::string_view mark);

// For every day, appends to TableW slots 1..24 the names of the phenomena
// going on in each hour, read from the day's decoded line in slot 0.
void FormatPhenomena(ElementTable& tableW);

}  // namespace quillon
