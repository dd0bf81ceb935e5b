// The bundled sample A files: that they are what their generator writes,
// that they read, and that no cut or garbled version of them brings the
// reader down.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "afile/afile_reader.h"
#include "support/sample_months.h"

namespace quillon {
namespace {

std::string Slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

MonthData ReadBytes(std::string bytes) {
  MonthData data;
  ResetMonthData(data);
  LineSource lines(std::move(bytes));
  (void)ReadAFileLines(lines, data);  // the header keeps the outcome
  return data;
}

// QUILLON_WRITE_SAMPLES=1 rewrites the bundled files from the generator.
TEST(SampleFiles, AreWhatTheGeneratorWrites) {
  bool rewrite = std::getenv("QUILLON_WRITE_SAMPLES") != nullptr;
  for (const test::AFileBuilder& sample : test::SampleMonths()) {
    std::filesystem::path path = std::filesystem::path(QUILLON_SAMPLES_DIR) / sample.FileName();
    if (rewrite) std::ofstream(path, std::ios::binary) << sample.Bytes();
    EXPECT_TRUE(Slurp(path) == sample.Bytes()) << path << " differs from its generator";
  }
}

TEST(SampleFiles, ReadCompletely) {
  for (const test::AFileBuilder& sample : test::SampleMonths()) {
    MonthData data;
    ResetMonthData(data);
    data.Header.FilePath =
        (std::filesystem::path(QUILLON_SAMPLES_DIR) / sample.FileName()).string();
    (void)ReadAFile(data);
    EXPECT_TRUE(data.Header.ReadOk) << sample.FileName() << ": " << data.Header.ReadError;
    EXPECT_EQ(data.Header.DaysInMonth, sample.Header().Days());
  }
}

std::vector<std::string> SplitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(bytes.substr(start, end - start));
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines, size_t count) {
  std::string bytes;
  for (size_t i = 0; i < count && i < lines.size(); ++i) bytes += lines[i] + "\r\n";
  return bytes;
}

// Success and a reason never come together, and a failure always has one.
void ExpectOutcome(const MonthData& data, const std::string& what) {
  EXPECT_EQ(data.Header.ReadOk, data.Header.ReadError.empty())
      << what << ": " << data.Header.ReadError;
}

TEST(SampleFiles, SurviveCutsAtAnyLine) {
  for (const test::AFileBuilder& sample : test::SampleMonths()) {
    std::vector<std::string> lines = SplitLines(sample.Bytes());
    // Every line of the header, the first sections and the trailer; a spread
    // elsewhere that meets every section (a whole sweep is slow under the
    // sanitizers). The step is odd so that cuts fall on both halves of days.
    size_t step = std::max<size_t>(1, lines.size() / 100) | 1;
    for (size_t cut = 0; cut < lines.size(); ++cut) {
      if (cut > 40 && cut % step != 0 && cut + 40 < lines.size()) continue;
      MonthData data = ReadBytes(JoinLines(lines, cut));
      ExpectOutcome(data, sample.FileName() + " cut at " + std::to_string(cut));
      // Only the short layout may end right after its end-of-data line.
      EXPECT_TRUE(!data.Header.ReadOk || sample.Header().length != 75) << cut;
    }
  }
}

TEST(SampleFiles, SurviveGarbledLines) {
  std::mt19937 rng(20080301);
  for (const test::AFileBuilder& sample : test::SampleMonths()) {
    std::vector<std::string> lines = SplitLines(sample.Bytes());
    for (int round = 0; round < 60; ++round) {
      std::vector<std::string> garbled = lines;
      for (int k = 0; k <= static_cast<int>(rng() % 3); ++k) {
        std::string& line = garbled[rng() % garbled.size()];
        if (rng() % 2) {
          line.assign(rng() % 90, '\0');
          for (char& c : line) c = static_cast<char>(rng() % 256);
        } else if (!line.empty()) {
          line[rng() % line.size()] = static_cast<char>(rng() % 256);
        }
      }
      ExpectOutcome(ReadBytes(JoinLines(garbled, garbled.size())),
                    sample.FileName() + " round " + std::to_string(round));
    }
  }
}

}  // namespace
}  // namespace quillon
