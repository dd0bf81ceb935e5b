// The cell formats of one .xlsx workbook, each made on first use: the grid's
// font, an alignment code, wrap or not, and the text format "@" or a number
// format with a given count of decimals.
#pragma once

#include <xlsxwriter.h>

#include <vector>

#include "grid/grid.h"

namespace quillon::xlsx {

class CellFormats {
 public:
  CellFormats(lxw_workbook* book, const Grid& grid) : book_(book), grid_(grid) {}

  // nullptr when the library is out of memory.
  lxw_format* Text(int alignmentCode, bool wrap) { return Get(alignmentCode, wrap, -1); }
  lxw_format* Number(int alignmentCode, bool wrap, int decimals) {
    return Get(alignmentCode, wrap, decimals);
  }

 private:
  lxw_format* Get(int alignmentCode, bool wrap, int decimals);
  lxw_format* Make(int alignmentCode, bool wrap, int decimals);

  lxw_workbook* book_;
  const Grid& grid_;
  std::vector<lxw_format*> made_;  // by decimals + 1, alignment code and wrap
};

}  // namespace quillon::xlsx
