// Filling a timed-record grid of 100,000 rows x 29 columns with the texts a
// conversion writes, and saving it as a workbook: .xls (the default), and
// .xlsx with number cells.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "grid/grid.h"

namespace quillon {
namespace {

constexpr int kRows = 100000;
constexpr int kCols = 29;
constexpr int kBlockRows = 744;  // one 31-day station-month

// Resident bytes now, and the most the process has held at any time.
double RssBytes() {
  long pages = 0, resident = 0;
  if (FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE));
}

double PeakRssBytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) * 1024.0;
}

// Station values vary, but within a small range each: most texts repeat.
class Values {
 public:
  std::string For(int col) {
    static const std::array<const char*, 6> weather = {"", "", "雨", "雨,轻雾", "雪,霰", "霾"};
    static const std::array<const char*, 6> winds = {"N", "NNE", "C", "SW", "ESE", "-"};
    uint32_t r = Next();
    if (r % 50 == 0) return "-";
    if (r % 61 == 0) return "";
    switch (col) {
      case 2:
      case 3:
        return std::to_string(9900 + r % 300);
      case 12:
        return weather[r % weather.size()];
      case 13:
        return std::to_string(r % 45) + "/" + std::to_string(r % 23);
      case 15:
      case 17:
        return winds[r % winds.size()];
      default:
        return std::to_string(static_cast<int>(r % 600) - 200);
    }
  }

 private:
  uint32_t Next() { return state_ = state_ * 1664525u + 1013904223u, state_ >> 8; }
  uint32_t state_ = 12345;
};

std::string Label(int block, int offset) {
  int year = 2000 + block / 12, month = block % 12 + 1, day = offset / 24 + 1;
  int o = offset % 24;
  int hour = o == 0 ? 21 : o <= 3 ? o + 21 : o - 3;
  char text[32];
  std::snprintf(text, sizeof text, "%04d%02d%02d %02d", year, month, day, hour);
  return text;
}

// Appends blocks the way a run does: rows first, then column by column.
void Fill(Grid& g) {
  g.SetAutoRedraw(false);
  g.SetCols(kCols + 1);
  g.SetRows(2);
  g.SetCellText(1, 1, "年月日时");
  for (int c = 2; c <= kCols; ++c) g.SetCellText(1, c, "要素" + std::to_string(c));
  Values values;
  for (int block = 0; g.Rows() < kRows + 2; ++block) {
    int first = g.Rows();
    int rows = std::min(kBlockRows, kRows + 2 - first);
    g.SetRows(first + rows);
    for (int i = 0; i < rows; ++i) g.SetCellText(first + i, 1, Label(block, i));
    for (int c = 2; c <= kCols; ++c)
      for (int i = 0; i < rows; ++i) {
        g.SetCellText(first + i, c, values.For(c));
        if (c == 12) g.SetWrapText(first + i, c, true);
      }
  }
  g.SetAutoRedraw(true);
  g.Refresh();
}

void BM_FillGrid(benchmark::State& state) {
  double cells = double{kRows} * kCols;
  double before = RssBytes();
  for (auto _ : state) {
    Grid g;
    Fill(g);
    if (state.iterations() == 0)
      state.counters["rss_growth_bytes_per_cell"] = (RssBytes() - before) / cells;
    state.counters["model_bytes_per_cell"] = static_cast<double>(g.MemoryBytes()) / cells;
    state.counters["distinct_texts"] = static_cast<double>(g.DistinctTexts());
  }
  state.counters["rows_per_s"] = benchmark::Counter(
      double{kRows} * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  state.counters["peak_rss_bytes_per_cell"] = PeakRssBytes() / cells;
}
BENCHMARK(BM_FillGrid)->Unit(benchmark::kMillisecond);

void Export(benchmark::State& state, const WorkbookOptions& options) {
  Grid g;
  Fill(g);
  auto folder =
      std::filesystem::temp_directory_path() / ("quillon-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  std::string path = (folder / "hourly").string() + std::string(ExtensionOf(options.format));
  for (auto _ : state) {
    Status result = g.ExportToExcel(path, options);
    if (!result.Ok()) state.SkipWithError(ReasonOf(result).c_str());
  }
  state.counters["rows_per_s"] = benchmark::Counter(
      double{kRows} * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  state.counters["bytes_written"] = static_cast<double>(std::filesystem::file_size(path));
  state.counters["peak_rss_bytes_per_cell"] = PeakRssBytes() / (double{kRows} * kCols);
  std::filesystem::remove_all(folder);
}

void BM_ExportGrid(benchmark::State& state) { Export(state, {}); }
BENCHMARK(BM_ExportGrid)->Unit(benchmark::kMillisecond);

void BM_ExportGridXlsxNumbers(benchmark::State& state) {
  Export(state, {WorkbookFormat::kXlsx, true});
}
BENCHMARK(BM_ExportGridXlsxNumbers)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillon

BENCHMARK_MAIN();
