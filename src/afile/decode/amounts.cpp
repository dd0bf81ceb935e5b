#include "afile/decode/amounts.h"

namespace quillon {

// Not yet decoded: the tables keep their raw groups.
void DecodePrecipitation(ElementTable&) {}
void DecodeRainSummary(const AFileHeader&, TextList&) {}
void DecodeEvaporation(const TextList&, ElementTable&) {}
void DecodeSnow(ElementTable&) {}
void DecodeFrozenGround(ElementTable&) {}
void DecodeSunshine(const TextList&, ElementTable&) {}

}  // namespace quillon
