// Decoders of the cloud sections: amounts, heights and forms.
#pragma once

#include "afile/element_table.h"

namespace quillon {

// TableN, TableN2: "11" is "10-" (overcast with gaps).
void DecodeCloudAmount(ElementTable& table);
// TableH: genus letters followed by the height in plain form.
void DecodeCloudHeight(ElementTable& table);
// TableC: compact genus-and-species codes to full abbreviations.
void DecodeCloudForm(ElementTable& table);

}  // namespace quillon
