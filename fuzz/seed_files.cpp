// Writes the starting corpus for the fuzzer beside the bundled samples: small
// A files from the tests' builder in each header layout, with sections in
// several modes, so that mutation starts from every shape the reader knows.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "support/afile_builder.h"

namespace {

using quillon::test::AFileBuilder;
using quillon::test::DayLines;
using quillon::test::HalfDayLines;
using quillon::test::HeaderFields;
using quillon::test::QuarterDayLines;
using quillon::test::SameEveryDay;
using Values = std::vector<std::string>;

AFileBuilder Layout(int length) {
  HeaderFields h;
  h.length = length;
  if (length == 75) h.latitude = "3956N", h.longitude = "11628E";
  return AFileBuilder(h);
}

AFileBuilder FourTimes(int length) {
  AFileBuilder b = Layout(length);
  int n = b.Header().Days();
  b.Section('P', "0", DayLines(n, [](int) { return Values{"0123", "0130", "0128", "0119"}; }));
  b.Section('T', "0", DayLines(n, [](int d) {
              return Values{"-012", "0034", std::to_string(100 + d), "0021"};
            }));
  b.Section('U', "0", DayLines(n, [](int) { return Values{"85", "60", "45", "70"}; }));
  b.Section('R', "0", DayLines(n, [](int d) { return Values{d % 3 ? "0000" : "0012", ",,,,"}; }));
  b.Section('F', "0", QuarterDayLines(n, [](int) { return Values(24, "NNE025"); }, {6, 6, 6, 6}));
  b.Section('S', "0",
            SameEveryDay(
                n, "00 00 00 00 00 00 05 08 10 10 10 10 10 09 07 03 00 00 00 00 00 00 00 00 082"));
  return b;
}

AFileBuilder Hourly(int length) {
  AFileBuilder b = Layout(length);
  int n = b.Header().Days();
  b.Section('T', "9", HalfDayLines(n, [](int d) { return Values(26, d % 2 ? "0105" : "////"); }));
  b.Section('N', "0", DayLines(n, [](int) { return Values(24, "10"); }));
  return b;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: quillon_fuzz_seeds FOLDER\n";
    return 2;
  }
  std::filesystem::create_directories(argv[1]);
  int count = 0;
  auto write = [&](const AFileBuilder& b) {
    std::ofstream(std::filesystem::path(argv[1]) / ("built-" + std::to_string(++count) + ".TXT"),
                  std::ios::binary)
        << b.Bytes();
  };
  for (int length : {66, 69, 75}) {
    write(Layout(length));
    write(FourTimes(length));
    write(Hourly(length));
  }
  return 0;
}
