// Decoders of the groups that pair a wind direction with a speed.
#pragma once

#include <string_view>

#include "afile/afile_header.h"
#include "afile/element_table.h"

namespace quillon {

// TableF (label "FDFF") and TableF2 (label "ZJFDFF", also sets header flag
// 46): "045023" becomes "45/23".
void DecodeWind(AFileHeader& header, ElementTable& table, std::string_view label);
// TableF3: maximum and extreme wind with their times.
void DecodeWindExtremes(ElementTable& table);
// TableG: wire icing sizes, weights, temperature and wind.
void DecodeWireIcing(ElementTable& table);

}  // namespace quillon
