#include "stats/class_counts.h"

namespace quillon {

// Not computed yet: the results stay cleared.
void CloudClassDays(int, const ElementTable&, ElementTable&, TextCube<2, 5, 3>&, int) {}
void VisibilityClassCounts(int, const ElementTable&, ElementTable&) {}
void HourlyPrecipitationTotals(int, const ElementTable&, ElementTable&, std::string&) {}
void RecordedWindSpeedMeans(int, const ElementTable&, ElementTable&, TextList&) {}

}  // namespace quillon
