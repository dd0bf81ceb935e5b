#include "afile/decode/weather_text.h"

namespace quillon {

// Not yet decoded: the day texts stay as read.
void DecodeWeatherText(ElementTable&) {}

}  // namespace quillon
