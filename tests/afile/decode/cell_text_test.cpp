#include "afile/decode/cell_text.h"

#include <gtest/gtest.h>

#include "afile/decode/decode_tables.h"
#include "util/number_text.h"

namespace quillon {
namespace {

TEST(MakePlainNumber, WritesWhatPlainNumberWrites) {
  // Whole groups take the in-place way, everything else PlainNumber's own.
  for (const char* raw :
       {"0153",   "153", "0000",      "0",          "-012", "-0",         "-000",
        "-",      "",    "000000001", "0000000000", "-100", "+012",       "12.50",
        "0012.0", " 12", "12 ",       "A12",        "////", "1000000000", "-00000000000000000012",
        "007",    "-9"}) {
    std::string cell = raw;
    MakePlainNumber(cell);
    EXPECT_EQ(cell, PlainNumber(raw)) << "\"" << raw << "\"";
  }
}

TEST(RewriteDistinctCells, GivesRepeatedCellsTheSameText) {
  ElementTable table = test::TableOf({{"a", "b", "a"}, {"", "b", "c"}});
  int calls = 0;
  RewriteDistinctCells(table, [&](const std::string& t) { return t + std::to_string(++calls); });
  EXPECT_EQ(test::RowsOf(table), (test::Rows{{"a1", "b2", "a1"}, {"3", "b2", "c4"}}));
}

}  // namespace
}  // namespace quillon
