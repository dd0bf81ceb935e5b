// Decoders of the amount-type sections: precipitation, evaporation, snow,
// frozen ground and sunshine, with their zero and trace conventions.
#pragma once

#include "afile/afile_header.h"
#include "afile/element_table.h"

namespace quillon {

// TableR, TableR2.
void DecodePrecipitation(ElementTable& table);
// TableR4 entries 1..3: next month's first amount, spell start date, amount.
void DecodeRainSummary(const AFileHeader& header, TextList& summary);
// TableL, TableL2; modes are the section modes (entry 12 is L).
void DecodeEvaporation(ElementTable& table);
// TableZ.
void DecodeSnow(ElementTable& table);
// TableA: two pairs of depths.
void DecodeFrozenGround(ElementTable& table);
// TableS; modes entry 19 is S.
void DecodeSunshine(const TextList& modes, ElementTable& table);

}  // namespace quillon
