#include "afile/table_state.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

ElementTable TableOf(const std::vector<std::string>& cells, int firstSlot = 1) {
  ElementTable table;
  table.Resize(1, firstSlot, firstSlot + static_cast<int>(cells.size()) - 1);
  for (size_t i = 0; i < cells.size(); ++i) table.At(1, firstSlot + static_cast<int>(i)) = cells[i];
  return table;
}

TEST(TableState, EmptinessAndStateOfTheCells) {
  struct Case {
    std::vector<std::string> cells;
    bool empty;
    const char* state;
  };
  const Case cases[] = {
      {{"////", "   ", "A---", ""}, true, "T"},  // "A---" holds a value for the state
      {{"////", "   ", ""}, true, "-"},
      {{"", "  "}, true, " "},
      {{"-", ""}, false, "-"},
      {{"----"}, true, "T"},
      {{"", "0012", "////"}, false, "T"},
      {{"/", "//"}, true, "-"},
      {{}, true, "T"},
  };
  for (const Case& c : cases) {
    ElementTable table = TableOf(c.cells);
    EXPECT_EQ(TableIsEmpty(table), c.empty) << ::testing::PrintToString(c.cells);
    EXPECT_EQ(TableState(table), c.state) << ::testing::PrintToString(c.cells);
  }
}

TEST(TableState, SlotZeroIsNotLookedAt) {
  ElementTable table = TableOf({"0123", ""}, 0);
  EXPECT_TRUE(TableIsEmpty(table));
  EXPECT_EQ(TableState(table), " ");
}

}  // namespace
}  // namespace quillon
