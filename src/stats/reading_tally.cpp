#include "stats/reading_tally.h"

#include <cstdint>
#include <stdexcept>

#include "util/number_text.h"
#include "util/rounding.h"

namespace quillon {
namespace {

constexpr double kWholeLimit = 1e15;  // whole numbers exact in a double

}  // namespace

std::string_view ReadingText(std::string_view cell, std::string_view letter) {
  return ReadingText(cell, letter == "F");
}

Reading ReadingOfText(std::string_view text) {
  if (text.empty()) return {};
  if (IsMissing(text)) return {0, Reading::kMissing, true};
  double value = LeadingNumber(text);
  bool whole = value > -kWholeLimit && value < kWholeLimit &&
               value == static_cast<double>(static_cast<int64_t>(value));
  return {value, Reading::kValue, whole};
}

void ThrowSumOutOfRange() { throw std::range_error("sum of readings outside the 32-bit range"); }

void ReadingTally::AddFraction(double value) { sum = RoundHalfEven(sum + value); }

double ScaleOf(std::string_view letter) { return letter == "N" ? 10.0 : 1.0; }

std::string FormatFor(std::string_view letter, double value) {
  return letter == "U" ? Format0(value) : Format00(value);
}

std::string TallyText(const ReadingTally& tally, int n, int allowedMissing, std::string_view letter,
                      bool total) {
  if (tally.NothingIn(n)) return tally.missing > 0 ? "-" : "";
  if (tally.missing > allowedMissing) return "-";
  if (total) return FormatFor(letter, tally.sum);
  int observed = n - tally.missing - tally.empty;
  return FormatFor(letter, RoundHalfAway(tally.sum * ScaleOf(letter) / observed));
}

}  // namespace quillon
