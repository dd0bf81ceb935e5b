#include "afile/decode/clouds.h"

namespace quillon {

// Not yet decoded: the tables keep their raw groups.
void DecodeCloudAmount(ElementTable&) {}
void DecodeCloudHeight(ElementTable&) {}
void DecodeCloudForm(ElementTable&) {}

}  // namespace quillon
