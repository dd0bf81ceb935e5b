#include "support/table_text.h"

namespace quillon::test {

std::string Row(const ElementTable& table, int day) {
  std::string row;
  for (int slot = table.FirstSlot(); slot <= table.LastSlot(); ++slot)
    row += (slot > table.FirstSlot() ? "|" : "") + table.At(day, slot);
  return row;
}

std::string Seq(int from, int count, char separator) {
  std::string text;
  for (int i = 0; i < count; ++i)
    text += (i ? std::string(1, separator) : "") + std::to_string(from + i);
  return text;
}

}  // namespace quillon::test
