// Converting a year (12) and a decade (120) of hourly station-months into
// the timed-record workbook with all 27 timed elements, and a decade into
// both workbooks with every element ticked for both; and a decade into one
// .xlsx timed-record workbook with number cells.
//
// Run: build/bench/convert_bench [--benchmark_filter=...]
// Reports station-months per second and the process's peak memory.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/conversion_run.h"
#include "app/element_list.h"
#include "app/file_list.h"

namespace fs = std::filesystem;
using namespace quillon;

namespace {

struct SilentReporter : RunReporter {
  void SetStatus(const std::string&) override {}
  void ShowMessage(const std::string&, const std::string&, MessageIcon, MessageButtons) override {}
  void SetBusy(bool) override {}
  void RepaintFileList() override {}
};

// The bundled hourly station-month with the most bytes stands for every
// month of the archive.
std::string HourlySample() {
  fs::path best;
  for (const auto& e : fs::directory_iterator(QUILLON_SAMPLES_DIR))
    if (IsAcceptedAFileName(e.path().filename().string()) &&
        (best.empty() || fs::file_size(e.path()) > fs::file_size(best)))
      best = e.path();
  std::ifstream in(best, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

fs::path MakeArchive(int months) {
  fs::path folder = fs::temp_directory_path() / ("quillon-bench-" + std::to_string(months));
  fs::remove_all(folder);
  fs::create_directories(folder);
  std::string sample = HourlySample();
  for (int i = 0; i < months; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "A52866-%04d%02d.TXT", 2000 + i / 12, i % 12 + 1);
    std::ofstream(folder / name, std::ios::binary) << sample;
  }
  return folder;
}

long PeakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// One whole run over the archive with the element columns ticked.
void RunConversion(benchmark::State& state, const fs::path& folder, int months, bool stats,
                   const WorkbookOptions& options = {}) {
  RunWindow w;
  w.sourceFolder = SourceFolderOf(folder.string());
  auto entries = ScanFolder(w.sourceFolder).Value();
  SetupFileListGrid(w.fileList);
  FillFileList(w.fileList, entries);
  for (const auto& e : entries) w.fileDiskNames.push_back(e.diskName);
  ToggleFileTicks(w.fileList, 0, kFileTickColumn);
  SetupElementGrid(w.elementList);
  ToggleElementColumn(w.elementList, 1, kTimedRecordColumn);
  w.bookOptions = options;
  w.destination[0] = WithBookExtension("hourly", options.format);
  if (stats) {
    ToggleElementColumn(w.elementList, 1, kStatisticsColumn);
    w.destination[1] = WithBookExtension("stats", options.format);
  }
  SilentReporter reporter;
  RunOutcome outcome = ConversionRun(w, reporter).Run();
  if (outcome.converted != months || !outcome.unsavedBooks.empty())
    state.SkipWithError("conversion failed");
  size_t cells = 0;
  for (const Grid& book : w.books)
    cells += static_cast<size_t>(book.Rows()) * static_cast<size_t>(book.Cols());
  state.counters["cells"] = static_cast<double>(cells);
  state.counters["distinct_texts"] = static_cast<double>(w.books[0].DistinctTexts());
}

void Report(benchmark::State& state, int months) {
  state.counters["station_months_per_s"] =
      benchmark::Counter(static_cast<double>(months) * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate);
  state.counters["peak_MiB"] = static_cast<double>(PeakKilobytes()) / 1024.0;
}

void BM_ConvertTimedRecords(benchmark::State& state) {
  int months = static_cast<int>(state.range(0));
  fs::path folder = MakeArchive(months);
  for (auto _ : state) RunConversion(state, folder, months, false);
  Report(state, months);
  fs::remove_all(folder);
}

void BM_ConvertBothWorkbooks(benchmark::State& state) {
  int months = static_cast<int>(state.range(0));
  fs::path folder = MakeArchive(months);
  for (auto _ : state) RunConversion(state, folder, months, true);
  Report(state, months);
  fs::remove_all(folder);
}

void BM_ConvertTimedRecordsXlsxNumbers(benchmark::State& state) {
  int months = static_cast<int>(state.range(0));
  fs::path folder = MakeArchive(months);
  for (auto _ : state) RunConversion(state, folder, months, false, {WorkbookFormat::kXlsx, true});
  Report(state, months);
  fs::remove_all(folder);
}

}  // namespace

BENCHMARK(BM_ConvertTimedRecords)->Arg(12)->Arg(120)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertBothWorkbooks)->Arg(120)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertTimedRecordsXlsxNumbers)->Arg(120)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
