#include "app/element_list.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

int Ticked(const Grid& g, int column) {
  int n = 0;
  for (int r = 2; r < g.Rows(); ++r) n += !g.CellText(r, column).empty();
  return n;
}

TEST(ElementList, ListsThe28ElementsUnderTwoHeadingRows) {
  Grid g;
  SetupElementGrid(g);
  EXPECT_EQ(g.Rows(), 30);
  EXPECT_EQ(g.FixedRows(), 2);
  EXPECT_EQ(g.CellText(2, 1), "本站气压");
  EXPECT_EQ(g.CellText(29, 1), "日照时数");
  EXPECT_EQ(g.CellText(1, 2), "时记录");
  EXPECT_EQ(g.CellText(1, 3), "日月统计值");
  EXPECT_EQ(Ticked(g, 2) + Ticked(g, 3), 0);
}

TEST(ElementList, HeadingClickTogglesOneColumn) {
  Grid g;
  SetupElementGrid(g);
  ToggleElementColumn(g, 1, 2);
  EXPECT_EQ(Ticked(g, 2), 28);
  EXPECT_EQ(Ticked(g, 3), 0);
  ToggleElementColumn(g, 1, 2);
  EXPECT_EQ(Ticked(g, 2), 0);
  g.SetCellText(5, 3, "1");
  ToggleElementColumn(g, 1, 3);  // partly ticked: ticks the rest
  EXPECT_EQ(Ticked(g, 3), 28);
  for (auto [row, col] : {std::pair{0, 2}, {0, 3}, {1, 1}, {5, 2}}) {
    ToggleElementColumn(g, row, col);
    EXPECT_EQ(Ticked(g, 2), 0);
    EXPECT_EQ(Ticked(g, 3), 28);
  }
}

TEST(ElementList, TickingByNameReportsUnknownNames) {
  Grid g;
  SetupElementGrid(g);
  auto unknown = TickElements(g, 2, {"气温", "风力"});
  EXPECT_EQ(unknown, std::vector<std::string>{"风力"});
  EXPECT_EQ(g.CellText(4, 2), "1");
}

}  // namespace
}  // namespace quillon
