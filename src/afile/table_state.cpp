#include "afile/table_state.h"

#include <algorithm>

#include "util/fields.h"

namespace quillon {
bool IsRealData(std::string_view cell) {
  return !IsBlankOrEmpty(cell) && !IsAllOf(cell, '/') && cell != "A---" && cell != "----";
}

bool TableIsEmpty(const ElementTable& table) {
  for (int day = 1; day <= table.Days(); ++day)
    for (int slot = std::max(1, table.FirstSlot()); slot <= table.LastSlot(); ++slot)
      if (IsRealData(table.At(day, slot))) return false;
  return true;
}

std::string TableState(const ElementTable& table) {
  std::string state = "T";
  for (int day = 1; day <= table.Days(); ++day)
    for (int slot = std::max(1, table.FirstSlot()); slot <= table.LastSlot(); ++slot) {
      const std::string& cell = table.At(day, slot);
      if (IsBlankOrEmpty(cell)) {
        if (state != "-") state = " ";
      } else if (IsAllOf(cell, '/') || cell == "-") {
        state = "-";
      } else {
        return "T";
      }
    }
  return state;
}

}  // namespace quillon
