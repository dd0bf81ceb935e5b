#include "stats/reading_tally.h"

#include "util/fields.h"
#include "util/number_text.h"
#include "util/rounding.h"

namespace quillon {

std::string_view ReadingText(std::string_view cell, std::string_view letter) {
  return letter == "F" ? AfterFirst(cell, '/') : cell;
}

Reading ReadingOf(std::string_view text) {
  if (text.empty()) return {};
  if (IsMissing(text)) return {Reading::kMissing, 0};
  return {Reading::kValue, LeadingNumber(text)};
}

void ReadingTally::Add(const Reading& reading) {
  switch (reading.kind) {
    case Reading::kEmpty:
      ++empty;
      break;
    case Reading::kMissing:
      ++missing;
      break;
    case Reading::kValue:
      sum = RoundHalfEven(sum + reading.value);
      break;
  }
}

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
