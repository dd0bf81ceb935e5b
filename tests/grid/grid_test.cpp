#include "grid/grid.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {
namespace {

TEST(Grid, StartsAsTheFixedCornerWithTheWindowsFont) {
  Grid g;
  EXPECT_EQ(g.Rows(), 1);
  EXPECT_EQ(g.Cols(), 1);
  EXPECT_EQ(g.FixedRows(), 1);
  EXPECT_EQ(g.FontName(), "Tahoma");
  EXPECT_EQ(g.FontSize(), 8);
  EXPECT_TRUE(g.AutoRedraw());
  EXPECT_EQ(g.ColumnWidth(0), 64);
  EXPECT_EQ(g.RowHeight(0), 18);
  EXPECT_EQ(g.CellText(0, 0), "");
}

TEST(Grid, EveryAccessOutsideTheGridThrows) {
  Grid g;
  g.SetRows(3);
  g.SetCols(4);
  const std::pair<int, int> outside[] = {{-1, 0}, {0, -1}, {3, 0}, {0, 4}, {3, 4}};
  for (const auto& cell : outside) {
    int r = cell.first, c = cell.second;  // lambdas below capture them
    const std::function<void()> calls[] = {
        [&] { g.CellText(r, c); },         [&] { g.SetCellText(r, c, "x"); },
        [&] { g.WrapText(r, c); },         [&] { g.SetCellFlag(r, c, true); },
        [&] { g.CellAlignment(r, c); },    [&] { g.SetActiveCell(r, c); },
        [&] { g.MergeRange(0, 0, r, c); }, [&] { g.SetRangeAlignment(r, c, 1, 1, 10); },
    };
    for (const auto& call : calls) EXPECT_THROW(call(), std::out_of_range) << r << "," << c;
  }
  for (int bad : {-1, 4}) {
    EXPECT_THROW(g.ColumnWidth(bad), std::out_of_range);
    EXPECT_THROW(g.SetColumnLocked(bad, true), std::out_of_range);
  }
  EXPECT_THROW(g.RowHeight(3), std::out_of_range);
  EXPECT_THROW(g.SetFixedRows(4), std::out_of_range);
}

TEST(Grid, RefusesSettingsThatCannotExist) {
  Grid g;
  const std::function<void()> calls[] = {
      [&] { g.SetRows(-1); },
      [&] { g.SetCols(-1); },
      [&] { g.SetColumnWidth(0, -5); },
      [&] { g.SetRowHeight(0, -1); },
      [&] { g.SetFont("", 8); },
      [&] { g.SetFont("Tahoma", 0); },
      [&] { g.SetFont("Tahoma", 410); },
      [&] { g.SetColumnAlignment(0, 16); },
      [&] { g.SetColumnAlignment(0, -1); },
  };
  for (const auto& call : calls) EXPECT_THROW(call(), std::invalid_argument);
  g.SetCols(30);
  EXPECT_THROW(g.SetRows(40000000), std::length_error);
  EXPECT_EQ(g.Rows(), 1);
}

TEST(Grid, ResizingKeepsTheCellsThatRemainAndAddsEmptyOnes) {
  Grid g;
  g.SetRows(3);
  g.SetCols(3);
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) g.SetCellText(r, c, std::to_string(r * 10 + c));
  g.SetWrapText(2, 1, true);
  g.SetCols(2);
  g.SetCols(4);
  g.SetRows(2);
  g.SetRows(4);
  struct Case {
    int row, col;
    const char* text;
  };
  const Case cases[] = {{0, 0, "0"}, {1, 1, "11"}, {1, 2, ""}, {0, 3, ""}, {2, 1, ""}, {3, 0, ""}};
  for (const auto& c : cases) EXPECT_EQ(g.CellText(c.row, c.col), c.text) << c.row << c.col;
  EXPECT_FALSE(g.WrapText(2, 1)) << "a removed row comes back empty, wrap included";
}

TEST(Grid, RowsAddedAfterRemovingAreEmptyAcrossStoragePages) {
  // Sizes around the 16,384-cell pages the cells are kept in.
  const std::vector<int> rowSequence = {8193, 5000, 9000, 4096, 4097, 1, 20000};
  Grid g;
  g.SetCols(2);
  int filled = 1;
  for (int rows : rowSequence) {
    g.SetRows(rows);
    for (int r = filled; r < rows; ++r) ASSERT_EQ(g.CellText(r, 1), "") << rows << " row " << r;
    for (int r = 0; r < rows; ++r) g.SetCellText(r, 1, "x");
    g.SetWrapText(rows - 1, 0, true);
    filled = rows;
  }
  EXPECT_EQ(g.CellText(19999, 1), "x");
}

// A run lets go of the rows already in its workbook on the disk: a month of
// timed records at a time, over pages of cells, while the texts stay.
TEST(Grid, RowsLetGoAreOutOfReachAndTheirRoomIsReused) {
  Grid g;
  g.SetCols(30);
  g.SetRows(2);
  g.SetCellText(1, 1, "年月日时");
  for (int month = 0; month < 40; ++month) {
    int first = g.Rows();
    g.SetRows(first + 744);
    for (int r = first; r < g.Rows(); ++r) g.SetCellText(r, 1, std::to_string(r % 100));
    g.ReleaseRows(2, first + 700);
  }
  EXPECT_LT(g.MemoryBytes(), g.Rows() * 30u * 4u / 10) << "about 3 pages held, not 109";
  int last = g.Rows() - 1;
  EXPECT_EQ(g.CellText(1, 1), "年月日时");
  EXPECT_EQ(g.CellText(last, 1), std::to_string(last % 100));
  EXPECT_EQ(g.DistinctTexts(), 101u);
  std::string_view titles[] = {"a", "b"};
  EXPECT_THROW(g.CellText(2, 1), std::out_of_range);
  EXPECT_THROW(g.SetCellText(last - 44, 0, "x"), std::out_of_range);
  EXPECT_THROW(g.SetColumnTexts(1, 1, titles), std::out_of_range) << "row 2 is let go";
  EXPECT_THROW(g.ReleaseRows(3, last), std::invalid_argument);
  EXPECT_THROW(g.SetCols(31), std::logic_error);
  // Cut back into the rows let go, the grid grows again with empty rows.
  g.SetRows(1000);
  g.SetRows(40000);
  EXPECT_THROW(g.CellText(999, 1), std::out_of_range);
  for (int r : {1000, 17000, 39999}) EXPECT_EQ(g.CellText(r, 1), "") << r;
  g.SetRows(2);
  g.SetRows(3000);
  EXPECT_EQ(g.CellText(2, 1), "");
}

TEST(Grid, TextWrapAndFlagAreIndependentPerCell) {
  Grid g;
  g.SetRows(2);
  g.SetCols(2);
  g.SetCellFlag(1, 1, true);
  g.SetWrapText(1, 1, true);
  g.SetCellText(1, 1, "1");
  g.SetCellText(1, 1, "");  // unticking empties the text only
  EXPECT_TRUE(g.CellFlag(1, 1));
  EXPECT_TRUE(g.WrapText(1, 1));
  g.SetCellFlag(1, 1, false);
  EXPECT_TRUE(g.WrapText(1, 1));
  EXPECT_FALSE(g.CellFlag(1, 0));
}

TEST(Grid, StoresEachDistinctTextOnce) {
  Grid g;
  g.SetRows(745);
  g.SetCols(29);
  for (int r = 1; r < 745; ++r)
    for (int c = 1; c < 29; ++c) g.SetCellText(r, c, (r + c) % 2 ? "-" : "1013");
  EXPECT_EQ(g.DistinctTexts(), 2u);
  EXPECT_EQ(g.CellTextId(1, 1), g.CellTextId(2, 2));
  EXPECT_LT(g.MemoryBytes(), 745u * 29u * 4u + 200u * 1024u);
}

TEST(Grid, DropsTheTextsOfRemovedRowsButKeepsTheRest) {
  Grid g;
  g.SetCols(3);
  g.SetRows(5000);
  for (int r = 1; r < 5000; ++r) g.SetCellText(r, 1, "2008010121 " + std::to_string(r));
  g.SetCellText(1, 2, "气温");
  g.SetWrapText(1, 2, true);
  g.SetRows(2);  // a new run starts again from the header row
  EXPECT_LT(g.DistinctTexts(), 10u);
  EXPECT_EQ(g.CellText(1, 1), "2008010121 1");
  EXPECT_EQ(g.CellText(1, 2), "气温");
  EXPECT_TRUE(g.WrapText(1, 2));
}

TEST(Grid, LongAndManyTextsKeepTheirContent) {
  Grid g;
  g.SetRows(3001);
  const std::string long1(70000, 'a');
  g.SetCellText(0, 0, long1);
  for (int r = 1; r <= 3000; ++r) g.SetCellText(r, 0, std::string(r % 50, 'x') + std::to_string(r));
  EXPECT_EQ(g.CellText(0, 0), long1);
  for (int r = 1; r <= 3000; r += 7)
    EXPECT_EQ(g.CellText(r, 0), std::string(r % 50, 'x') + std::to_string(r));
}

// Short texts are found by their bytes alone, longer ones by hash and full
// comparison: every text of up to 9 characters over a small alphabet, and
// long texts differing only inside, must each keep an id of their own.
TEST(TextPool, TellsApartTextsThatShareBytesOrLength) {
  TextPool pool;
  std::vector<std::string> texts;
  std::vector<std::string> shorter{""};
  for (int length = 1; length <= 9; ++length) {
    std::vector<std::string> longer;
    for (const std::string& t : shorter)
      for (char c : {'0', '1', '-'}) longer.push_back(t + c);
    texts.insert(texts.end(), longer.begin(), longer.end());
    shorter = std::move(longer);
  }
  for (int k = 0; k < 200; ++k)
    texts.push_back("0123456789" + std::to_string(k * 7919) + "abcdefghij");
  std::vector<TextId> ids;
  for (const std::string& t : texts) ids.push_back(pool.Intern(t));
  EXPECT_EQ(pool.Count(), texts.size() + 1);
  for (size_t i = 0; i < texts.size(); ++i) {
    ASSERT_EQ(pool.Text(ids[i]), texts[i]);
    ASSERT_EQ(pool.Intern(texts[i]), ids[i]) << texts[i];
  }
}

TEST(Grid, ColumnTextsGoDownOneColumnOrNowhere) {
  Grid g;
  g.SetRows(5);
  g.SetCols(3);
  const std::string_view texts[] = {"1013", "-", "", "08"};
  g.SetColumnTexts(1, 2, texts);
  for (int k = 0; k < 4; ++k) EXPECT_EQ(g.CellText(1 + k, 2), texts[k]);
  EXPECT_EQ(g.CellText(1, 1), "");
  const std::string_view tooMany[] = {"1", "2", "3"};
  EXPECT_THROW(g.SetColumnTexts(3, 1, tooMany), std::out_of_range);
  EXPECT_THROW(g.SetColumnTexts(1, 3, tooMany), std::out_of_range);
  EXPECT_EQ(g.CellText(3, 1), "");  // nothing written before the check
}

TEST(Grid, ColumnTextsCrossStoragePagesAtAnyWidth) {
  // Columns of about 40,000 cells' grids straddle the 16,384-cell pages.
  for (int cols : {2, 7, 29, 300}) {
    Grid g;
    g.SetCols(cols);
    g.SetRows(40000 / cols + 2);
    std::vector<std::string> texts;
    for (int r = 1; r < g.Rows(); ++r) texts.push_back(std::to_string(r % 97));
    g.SetColumnTexts(1, cols - 1, texts, [](const std::string& t) { return std::string_view(t); });
    for (int r = 1; r < g.Rows(); ++r) {
      ASSERT_EQ(g.CellText(r, cols - 1), texts[static_cast<size_t>(r - 1)]) << cols << " " << r;
      ASSERT_EQ(g.CellText(r, cols - 2), "") << cols << " " << r;
    }
  }
}

TEST(Grid, RowRunsGiveEveryCellOnceWithItsColumnAcrossStoragePages) {
  // Rows of these widths straddle a 16,384-cell page boundary somewhere.
  for (int cols : {2, 100, 300}) {
    Grid g;
    g.SetCols(cols);
    g.SetRows(16384 / cols + 3);
    for (int r = 0; r < g.Rows(); ++r)
      for (int c = 0; c < cols; ++c) g.SetCellText(r, c, std::to_string((r * 7 + c) % 53));
    g.SetWrapText(g.Rows() - 1, cols - 1, true);
    for (int r = 0; r < g.Rows(); ++r) {
      int next = 1;
      g.ForEachRunOfRow(r, [&](std::span<const uint32_t> cells, int col) {
        ASSERT_EQ(col, next) << cols << " " << r;
        for (uint32_t cell : cells) {
          ASSERT_EQ(Grid::IdOf(cell), g.CellTextId(r, next)) << cols << " " << r << " " << next;
          ASSERT_EQ(Grid::Wraps(cell), g.WrapText(r, next));
          ++next;
        }
      });
      ASSERT_EQ(next, cols) << cols << " " << r;
    }
  }
}

TEST(Grid, MergesReplaceOverlapsAndShrinkWithTheGrid) {
  Grid g;
  g.SetRows(30);
  g.SetCols(4);
  g.MergeRange(0, 0, 1, 0);
  g.MergeRange(1, 1, 0, 1);  // corners in any order
  g.MergeRange(0, 2, 0, 3);
  EXPECT_EQ(g.MergedRanges().size(), 3u);
  EXPECT_EQ(g.MergedRanges()[1], (CellRange{0, 1, 1, 1}));
  g.MergeRange(0, 1, 0, 2);  // overlaps the last two
  EXPECT_EQ(g.MergedRanges().size(), 2u);
  g.SetCols(1);
  ASSERT_EQ(g.MergedRanges().size(), 1u);
  g.SetRows(1);
  EXPECT_TRUE(g.MergedRanges().empty()) << "a merge clipped to one cell is no merge";
}

TEST(Grid, RangeAlignmentOutranksTheColumns) {
  Grid g;
  g.SetRows(19);
  g.SetCols(5);
  g.SetRangeAlignment(0, 0, 0, 4, 10);
  g.SetColumnAlignment(1, 6);
  EXPECT_EQ(g.CellAlignment(0, 1), 10);
  EXPECT_EQ(g.CellAlignment(5, 1), 6);
  EXPECT_EQ(g.CellAlignment(5, 2), 0);
}

TEST(Grid, RowsArePlainUnlessAHeightOrRangeAlignmentTouchesThem) {
  Grid g;
  g.SetRows(10);
  g.SetCols(4);
  g.SetRowHeight(3, 30);
  g.SetRangeAlignment(7, 1, 6, 2, 10);  // corners given bottom first
  struct Case {
    int first, last;
    bool plain;
  };
  for (Case c : {Case{1, 2, true}, Case{2, 3, false}, Case{3, 3, false}, Case{4, 5, true},
                 Case{5, 6, false}, Case{7, 9, false}, Case{8, 9, true}, Case{0, 9, false}})
    EXPECT_EQ(g.RowsArePlain(c.first, c.last), c.plain) << c.first << ".." << c.last;
  EXPECT_THROW(g.RowsArePlain(8, 10), std::out_of_range);
}

TEST(Grid, ShrinkingPullsInFixedRowsActiveCellAndRowHeights) {
  Grid g;
  g.SetRows(30);
  g.SetCols(4);
  g.SetFixedRows(2);
  g.SetActiveCell(20, 3);
  g.SetRowHeight(25, 45);
  g.SetRows(1);
  g.SetCols(2);
  EXPECT_EQ(g.FixedRows(), 1);
  EXPECT_EQ(g.ActiveRow(), 0);
  EXPECT_EQ(g.ActiveCol(), 1);
  g.SetRows(30);
  EXPECT_EQ(g.RowHeight(25), 18);
}

TEST(Grid, ListenersHearChangesOnlyWithRedrawOn) {
  Grid g;
  int heard = 0;
  g.AddRefreshListener([&] { ++heard; });
  g.SetAutoRedraw(false);
  g.SetRows(10);
  g.SetCellText(1, 0, "a");
  EXPECT_EQ(heard, 0);
  g.SetAutoRedraw(true);
  EXPECT_EQ(heard, 0);
  g.Refresh();
  EXPECT_EQ(heard, 1);
  g.SetCellText(1, 0, "b");
  EXPECT_EQ(heard, 2);
  g.SetActiveCell(1, 0);
  EXPECT_EQ(heard, 2) << "a click is no change of content";
  // A listener that adds a listener must not upset the call in progress.
  g.AddRefreshListener([&] { g.AddRefreshListener([] {}); });
  g.Refresh();
  EXPECT_EQ(heard, 3);
}

}  // namespace
}  // namespace quillon
