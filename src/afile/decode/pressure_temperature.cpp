#include "afile/decode/pressure_temperature.h"

namespace quillon {

// Not yet decoded: the tables keep their raw groups.
void DecodePressure(const AFileHeader&, ElementTable&, std::string_view) {}
void DecodeTemperature(ElementTable&) {}
void DecodeLowerSoilTemperature(std::string_view, std::string_view, ElementTable&) {}
void DecodeMarkedTemperature(ElementTable&) {}
void DecodePlainGroups(ElementTable&) {}
void DecodeHumidity(ElementTable&) {}
void DecodeSingleSlot(ElementTable&) {}

}  // namespace quillon
