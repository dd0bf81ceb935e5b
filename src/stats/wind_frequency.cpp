#include "stats/wind_frequency.h"

namespace quillon {

// Not computed yet: the results stay cleared.
void WindDirectionFrequencies(int, const ElementTable&, TextCube<28, 17, 3>&, TextList&) {}

}  // namespace quillon
