// Decoders of the groups that pair a wind direction with a speed.
#pragma once

#include "afile/afile_header.h"
#include "afile/element_table.h"

namespace quillon {

// The two wind tables: the two-minute wind of the observation times (TableF)
// and the ten-minute wind recorded every hour (TableF2).
enum WindTable { kTwoMinuteWind, kTenMinuteWind };

// "045023" becomes "45/23". The ten-minute table also sets its header flag
// from what it holds.
void DecodeWind(AFileHeader& header, ElementTable& table, WindTable which);
// TableF3: maximum and extreme wind with their times.
void DecodeWindExtremes(ElementTable& table);
// TableG: wire icing sizes, weights, temperature and wind.
void DecodeWireIcing(ElementTable& table);

}  // namespace quillon
