#include "stats/precipitation.h"

namespace quillon {

// Not computed yet: the results stay cleared.
void PrecipitationStatistics(const AFileHeader&, const ElementTable&, const TextList&,
                             ElementTable&, ElementTable&, TextList&) {}

}  // namespace quillon
