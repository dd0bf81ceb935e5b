// Decoding one station-month of an hourly automatic station: every table at
// the size the reader gives it, filled with the groups such a file holds.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "afile/decode/section_dispatch.h"
#include "afile/month_data.h"

namespace quillon {
namespace {

struct Fill {
  std::string_view table;
  int firstSlot, lastSlot;
  std::vector<std::string> groups;  // cycled through the cells
};

// Raw groups as an hourly automatic station writes them; cloud and weather
// groups only at the main observation times, like a real file.
const std::vector<Fill>& HourlyFills() {
  static const std::vector<Fill> fills = {
      {"TableP", 1, 28, {"0123", "9987", "0056", "0101", "1432", "0008"}},
      {"TableT", 1, 28, {"-012", "0256", "0034", "-105", "1432", "0000"}},
      {"TableI", 1, 24, {"-023", "0015", ",012", "0000"}},
      {"TableE", 1, 24, {"012", "105", "087", "///"}},
      {"TableU", 1, 26, {"85", "%%", "67", "43", "0830"}},
      {"TableI2", 1, 24, {"-034", "0012", "0100"}},
      {"TableN", 1, 24, {"10", "", "", "", "", "05"}},
      {"TableN2", 1, 24, {"05", "", "", "", "", "11"}},
      {"TableC", 1, 24, {"SCT CUU", "", "", "", "", "CIB ACR"}},
      {"TableH", 1, 24, {"SC0600", "", "", "", "", "CU1200"}},
      {"TableV", 1, 26, {"150", "300", "098", "250", "0830"}},
      {"TableR", 1, 3, {"0000", "0012", ",,,,"}},
      {"TableR2", 1, 24, {"0000", "0000", "0003", ",,,,", "0000", "0012"}},
      {"TableW", 0, 24, {"60 0810 1030,01 1200 1300 ;012,42 0800 N E."}},
      {"TableL", 0, 1, {"012"}},
      {"TableL2", 1, 25, {"001", "000", ",,,", "002"}},
      {"TableZ", 1, 2, {"000", "///"}},
      {"TableG", 1, 9, {"5600", "012", "003", "010", "000", "000", "000", "-05", "045012"}},
      {"TableF", 1, 24, {"045023", "360015", "C  000", "//////", "225041"}},
      {"TableF2", 1, 24, {"045023", "360015", "000000", "225041"}},
      {"TableF3", 1, 4, {"090156", "1435", "110234", "1502"}},
      {"TableD", 1, 28, {"-012", "0256", ".05", "0034", "1432"}},
      {"TableD2", 1, 24, {"-005", "0023", "0011"}},
      {"TableD3", 1, 24, {"0005", "0023", "0011"}},
      {"TableD4", 1, 24, {"0015", "0023", "0019"}},
      {"TableD5", 1, 24, {"0025", "0026", "0027"}},
      {"TableD6", 1, 24, {"0045", "0046", "0047"}},
      {"TableK", 0, 24, {"0081", "0082"}},
      {"TableK2", 0, 24, {"0121", "0122"}},
      {"TableK3", 0, 24, {"0161", "0162"}},
      {"TableP2", 1, 24, {"0201", "0195", "0188"}},
      {"TableA", 1, 4, {"000", "000", "012", "035"}},
      {"TableS", 1, 27, {"00", "00", "00", "00", "00", "02", "08", "10", "10", "06", "00", "62"}},
      {"TableB", 1, 28, {"-034", "0012", "0100", "1432"}},
      {"TableB2", 1, 1, {"//"}},
  };
  return fills;
}

MonthData HourlyMonth() {
  MonthData data;
  ResetMonthData(data);
  data.Header.Year = "2008";
  data.Header.Month = "01";
  data.Header.TimesPerDay = "24";
  for (int slot = AFileHeader::kFirstFlag; slot <= AFileHeader::kLastFlag; ++slot)
    data.Header.Flag(slot) = "0";
  // P T I E U N H C V R W L Z G F D K A S B
  const char* const modes[] = {"D", "B", "B", "A", "B", "A", "B", "A", "B", "9",
                               "0", "A", "0", "2", "N", "B", "B", "0", "A", "A"};
  for (int i = 1; i <= 20; ++i) data.SectionModes.At(i) = modes[i - 1];
  for (const Fill& fill : HourlyFills()) {
    ElementTable& table = *TableByName(data, fill.table);
    table.Resize(31, fill.firstSlot, fill.lastSlot);
    // The weather line of the day is kept in slot 0 only.
    int first = fill.table == "TableW" ? 0 : std::max(1, fill.firstSlot);
    int last = fill.table == "TableW" ? 0 : fill.lastSlot;
    size_t next = 0;
    for (int day = 1; day <= 31; ++day)
      for (int slot = first; slot <= last; ++slot)
        table.At(day, slot) = fill.groups[next++ % fill.groups.size()];
  }
  data.TableR3.Resize(31, 1, 2);
  data.TableR4.Resize(1, 3);
  data.TableR4.At(1) = "0012";
  data.TableR4.At(2) = "15-12";
  data.TableR4.At(3) = "00123";
  return data;
}

void BM_DecodeHourlyStationMonth(benchmark::State& state) {
  const MonthData raw = HourlyMonth();
  MonthData data;
  for (auto _ : state) {
    // A store is decoded once: every round starts again from the raw groups.
    state.PauseTiming();
    data = raw;
    state.ResumeTiming();
    DecodeSections(data);
    benchmark::DoNotOptimize(data);
  }
}
BENCHMARK(BM_DecodeHourlyStationMonth)->Unit(benchmark::kMicrosecond);

void BM_CopyOnly(benchmark::State& state) {
  const MonthData raw = HourlyMonth();
  MonthData data;
  for (auto _ : state) {
    data = raw;
    benchmark::DoNotOptimize(data);
  }
}
BENCHMARK(BM_CopyOnly)->Unit(benchmark::kMicrosecond);

void BM_CopyAndDecode(benchmark::State& state) {
  const MonthData raw = HourlyMonth();
  MonthData data;
  for (auto _ : state) {
    data = raw;
    DecodeSections(data);
    benchmark::DoNotOptimize(data);
  }
}
BENCHMARK(BM_CopyAndDecode)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillon

BENCHMARK_MAIN();
