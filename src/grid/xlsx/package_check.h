// Reads a saved .xlsx file back and checks that none of its parts was cut
// short. libxlsxwriter builds each part in a scratch file and does not notice
// when a write to one fails (a full disk): without this check such a save
// would report success for a workbook that has lost rows.
#pragma once

#include <string>
#include <vector>

#include "util/result.h"

namespace quillon::xlsx {

// The reason of a failure does not name the file. lastRows[k]: the 1-based number of the last row
// written on sheet k + 1, 0 when the sheet holds none.
Status CheckPackage(const std::string& path, const std::vector<int>& lastRows);

}  // namespace quillon::xlsx
