// Outcome of saving a grid as a workbook, for the caller to show.
#pragma once

#include <string>

namespace quillon {

struct ExportResult {
  bool ok = false;
  std::string reason;  // human-readable, e.g. "folder does not exist: /x"
};

}  // namespace quillon
