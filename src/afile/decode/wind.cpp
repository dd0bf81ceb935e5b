#include "afile/decode/wind.h"

namespace quillon {

// Not yet decoded: the tables keep their raw groups.
void DecodeWind(AFileHeader&, ElementTable&, std::string_view) {}
void DecodeWindExtremes(ElementTable&) {}
void DecodeWireIcing(ElementTable&) {}

}  // namespace quillon
