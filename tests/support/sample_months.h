// The synthetic station-months bundled in samples/: invented weather with
// realistic cycles and ranges, written through the A-file builder. The same
// code always writes the same bytes, so the bundled files can be checked
// against it and rewritten from it (samples/README.md).
#pragma once

#include <vector>

#include "support/afile_builder.h"

namespace quillon::test {

// An hourly automatic reference station with every section and the long
// header; a manual four-times station; a three-times station in a leap-year
// February; an automatic station with whole missing days and gaps.
std::vector<AFileBuilder> SampleMonths();

}  // namespace quillon::test
