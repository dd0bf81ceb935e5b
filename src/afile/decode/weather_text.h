// Normalises the day's weather phenomenon line so that it can be split into
// phenomena with their times.
#pragma once

#include "afile/element_table.h"

namespace quillon {

// TableW slot 0 of every day.
void DecodeWeatherText(ElementTable& table);

}  // namespace quillon
