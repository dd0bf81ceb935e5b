// The decoding pass: every element table rewritten from raw value groups
// into display text, once per file, after a complete read.
#pragma once

#include "afile/month_data.h"

namespace quillon {

// Routes each table to its decoder in the fixed order. Touches members 1..39
// of the store (not TableR3, CoverLines or the notes).
void DecodeSections(MonthData& data);

}  // namespace quillon
