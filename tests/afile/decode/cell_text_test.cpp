#include "afile/decode/cell_text.h"

#include <gtest/gtest.h>

#include "afile/decode/decode_tables.h"

namespace quillon {
namespace {

TEST(RewriteDistinctCells, GivesRepeatedCellsTheSameText) {
  ElementTable table = test::TableOf({{"a", "b", "a"}, {"", "b", "c"}});
  int calls = 0;
  RewriteDistinctCells(table, [&](const std::string& t) { return t + std::to_string(++calls); });
  EXPECT_EQ(test::RowsOf(table), (test::Rows{{"a1", "b2", "a1"}, {"3", "b2", "c4"}}));
}

}  // namespace
}  // namespace quillon
