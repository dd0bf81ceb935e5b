#include "stats/sunshine.h"

namespace quillon {

// Not computed yet: the results stay cleared.
void SunshinePercentages(int, const ElementTable&, const AFileHeader&, const ElementTable&,
                         TextList&) {}

}  // namespace quillon
