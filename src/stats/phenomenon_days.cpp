#include "stats/phenomenon_days.h"

namespace quillon {

// Not computed yet: the results stay cleared.
void PhenomenonDayCounts(int, const ElementTable&, ElementTable&, TextList&) {}

}  // namespace quillon
