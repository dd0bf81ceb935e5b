// Saves the sample grids of the workbook read-back checks into a folder, each
// as NAME.xls (or NAME.xlsx with --xlsx) beside NAME.json, the grid's content
// from row and column 1 as the workbook should show it. With --xlsx two more:
// a grid one row taller than a sheet, and a grid saved with a small injected
// sheet limit (its JSON says which).
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <string>

#include "grid/grid.h"
#include "grid/xlsx/workbook_file.h"

namespace quillon {
namespace {

std::string Repeat(std::string_view piece, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += piece;
  return out;
}

void Mixed(Grid& g) {
  g.SetRows(8);
  g.SetCols(7);
  g.SetFont("宋体", 9);
  const char* rows[][6] = {
      {"年月日时", "本站气压", "气温", "天气现象", "2分钟平均风向", "日照时数"},
      {"2008010121 21", "1013", "05", "雨,轻雾", "NNE", ""},
      {"2008010122 22", "-", "-5", "", "C", "0"},
      {"", "  1013 ", "45/23", "雪,霰,积雪", "", "-"},
      {"200801年08月最高(大)", "0", "00", "😀 ü é", "ü é", "_x0041_ \x01"},
  };
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 6; ++c) g.SetCellText(r + 1, c + 1, rows[r][c]);
  g.SetCellText(0, 1, "not saved: fixed row");
  g.SetCellText(3, 0, "not saved: fixed column");
  g.SetCellText(6, 4, Repeat("雨,轻雾,", 4000));  // crosses CONTINUE records
  g.SetCellText(7, 2, std::string(32767, 'x'));
  for (int r = 2; r < 8; ++r) g.SetWrapText(r, 4, true);
  const int widths[] = {90, 60, 50, 90, 90, 65};
  for (int c = 0; c < 6; ++c) g.SetColumnWidth(c + 1, widths[c]);
  g.SetRowHeight(1, 45);
  g.SetRowHeight(4, 30);
}

void ManyStrings(Grid& g) {
  g.SetRows(2001);
  g.SetCols(4);
  for (int r = 1; r < 2001; ++r) {
    g.SetCellText(r, 1, std::to_string(r * 7919));
    g.SetCellText(r, 2, Repeat("雾", r % 37 + 1) + std::to_string(r));
    g.SetCellText(r, 3, Repeat("a", r % 101));
  }
}

std::function<void(Grid&)> Tall(int dataRows) {
  return [dataRows](Grid& g) {
    g.SetCols(4);
    g.SetRows(dataRows + 1);
    g.SetCellText(1, 1, "年月日时");
    g.SetCellText(1, 2, "气温");
    g.SetCellText(1, 3, "天气现象");
    for (int r = 2; r < g.Rows(); ++r) {
      g.SetCellText(r, 1, std::to_string(2008000000 + r));
      if (r % 3) g.SetCellText(r, 2, std::to_string(r % 400 - 200));
      if (r % 5 == 0) g.SetCellText(r, 3, "雨");
    }
  };
}

void WideAtTheLimit(Grid& g) {
  g.SetRows(3);
  g.SetCols(257);
  for (int c = 1; c < 257; ++c) g.SetCellText(1 + c % 2, c, "c" + std::to_string(c));
}

nlohmann::json Dump(const Grid& g) {
  nlohmann::json rows = nlohmann::json::array(), wrap = nlohmann::json::array();
  nlohmann::json widths = nlohmann::json::array(), heights = nlohmann::json::object();
  for (int r = 1; r < g.Rows(); ++r) {
    nlohmann::json row = nlohmann::json::array();
    for (int c = 1; c < g.Cols(); ++c) {
      row.push_back(std::string(g.CellText(r, c)));
      if (g.WrapText(r, c)) wrap.push_back({r - 1, c - 1});
    }
    rows.push_back(row);
    if (g.RowHeight(r) != Grid::kDefaultRowHeight) heights[std::to_string(r - 1)] = g.RowHeight(r);
  }
  for (int c = 1; c < g.Cols(); ++c) widths.push_back(g.ColumnWidth(c));
  return {{"cols", g.Cols() - 1}, {"rows", rows},         {"wrap", wrap},        {"widths", widths},
          {"heights", heights},   {"font", g.FontName()}, {"size", g.FontSize()}};
}

}  // namespace
}  // namespace quillon

int main(int argc, char** argv) {
  using namespace quillon;
  bool xlsx = argc == 3 && std::string(argv[2]) == "--xlsx";
  if (argc != 2 && !xlsx) {
    std::fprintf(stderr, "usage: %s FOLDER [--xlsx]\n", argv[0]);
    return 2;
  }
  WorkbookOptions options;
  if (xlsx) options.format = WorkbookFormat::kXlsx;
  const std::map<std::string, std::function<void(Grid&)>> samples = {
      {"mixed", Mixed},
      {"many_strings", ManyStrings},
      {"rows_65536", Tall(65536)},
      {"rows_65537", Tall(65537)},
      {"three_sheets", Tall(140000)},
      {"cols_256", WideAtTheLimit},
      {"nothing", [](Grid&) {}},
  };
  for (const auto& [name, fill] : samples) {
    Grid g;
    fill(g);
    std::string base = std::string(argv[1]) + "/" + name;
    Status result = g.ExportToExcel(base + std::string(ExtensionOf(options.format)), options);
    if (!result.Ok()) {
      std::fprintf(stderr, "%s: %s\n", name.c_str(), ReasonOf(result).c_str());
      return 1;
    }
    std::ofstream(base + ".json") << Dump(g);
  }
  if (!xlsx) return 0;
  // The content of a sheet limit is checked on a small one; the limit itself
  // on a grid one row past it (its content is the tall sample's).
  constexpr int kSmallSheet = 700;
  Grid small;
  Mixed(small);
  small.SetRows(2000);
  for (int r = 8; r < small.Rows(); ++r) small.SetCellText(r, 1 + r % 6, std::to_string(r));
  std::string base = std::string(argv[1]) + "/split_small";
  Status result = xlsx::WriteWorkbookFile(small, base + ".xlsx", {}, {}, kSmallSheet);
  nlohmann::json dump = Dump(small);
  dump["sheetRows"] = kSmallSheet;
  std::ofstream(base + ".json") << dump;
  Grid tallest;
  Tall(xlsx::kMaxSheetRows + 1)(tallest);
  if (result.Ok()) result = tallest.ExportToExcel(std::string(argv[1]) + "/tallest.xlsx", options);
  if (!result.Ok()) {
    std::fprintf(stderr, "%s\n", ReasonOf(result).c_str());
    return 1;
  }
  return 0;
}
