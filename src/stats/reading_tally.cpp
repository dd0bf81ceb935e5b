#include "stats/reading_tally.h"

#include <climits>
#include <cstdint>
#include <stdexcept>

#include "util/number_text.h"
#include "util/rounding.h"

namespace quillon {
std::string_view ReadingText(std::string_view cell, std::string_view letter) {
  return ReadingText(cell, letter == "F");
}

Reading ReadingOfText(std::string_view text) {
  if (text.empty()) return {};
  if (IsMissing(text)) return {Reading::kMissing, true, 0, 0};
  double value = LeadingNumber(text);
  bool whole = value >= INT32_MIN && value <= INT32_MAX &&
               value == static_cast<double>(static_cast<int32_t>(value));
  if (whole) return {Reading::kValue, true, static_cast<int32_t>(value), 0};
  return {Reading::kValue, false, 0, value};
}

void ThrowSumOutOfRange() { throw std::range_error("sum of readings outside the 32-bit range"); }

void ReadingTally::AddFraction(double value) {
  sum = RoundHalfEven(static_cast<double>(sum) + value);
}

void AssignTallyText(std::string& out, const ReadingTally& tally, int n, int allowedMissing,
                     std::string_view letter, bool total) {
  int digits = letter == "U" ? 1 : 2;
  int observed = n - tally.missing - tally.empty;
  if (tally.NothingIn(n))
    out.assign(tally.missing > 0 ? "-" : "");
  else if (tally.missing > allowedMissing)
    out.assign("-");
  else if (total)
    AssignWhole(out, tally.sum, digits);
  else
    AssignWhole(out, RoundHalfAway(static_cast<double>(tally.sum) * ScaleOf(letter) / observed),
                digits);
}

std::string TallyText(const ReadingTally& tally, int n, int allowedMissing, std::string_view letter,
                      bool total) {
  std::string text;
  AssignTallyText(text, tally, n, allowedMissing, letter, total);
  return text;
}

}  // namespace quillon
