#include "stats/wind_extremes.h"

namespace quillon {

// Not computed yet: the results stay cleared.
void MonthWindExtreme(int, const ElementTable&, TextList&, int) {}
void ObservedWindMaximum(int, const ElementTable&, TextList&) {}

}  // namespace quillon
