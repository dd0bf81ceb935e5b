// How the statistics count the readings of a day, a pentad, a dekad or a
// month: "" is nothing in the file, "-" a missing observation, any other
// text a value (its leading number). Sums stay whole numbers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "util/fields.h"
#include "util/number_text.h"

namespace quillon {

// The text the element's statistics read from a cell: the speed behind the
// first "/" of a wind cell ("F"), the whole cell otherwise.
std::string_view ReadingText(std::string_view cell, std::string_view letter);
inline std::string_view ReadingText(std::string_view cell, bool wind) {
  return wind ? AfterFirst(cell, '/') : cell;
}

inline bool IsMissing(std::string_view text) { return text.size() == 1 && text[0] == '-'; }

// One reading classified once, for tallies that count it more than once (a
// day counts in its dekad and in the month).
struct Reading {
  enum Kind : uint8_t { kEmpty, kMissing, kValue };
  Kind kind = kEmpty;
  bool whole = true;    // a 32-bit whole number, in integer; else in value
  int32_t integer = 0;  // 0 unless a value
  double value = 0;

  double Value() const { return whole ? integer : value; }
};
Reading ReadingOfText(std::string_view text);  // any text
// Inline for the usual readings: a plain whole number, or nothing (an hour
// without rain).
inline Reading ReadingOf(std::string_view text) {
  int32_t whole = 0;
  if (ShortWholeNumber(text, whole)) return {Reading::kValue, true, whole, 0};
  if (text.empty()) return {};
  return ReadingOfText(text);
}

[[noreturn]] void ThrowSumOutOfRange();

struct ReadingTally {
  int empty = 0;
  int missing = 0;
  int64_t sum = 0;  // within 32 bits: a fraction is rounded half to even at its addition

  // Counted without branching on the kind: an empty or missing reading adds
  // a value of 0. A whole reading keeps a whole sum whole, so only the
  // 32-bit range needs checking. Inline: a month's statistics add some
  // hundred thousand readings.
  void Add(const Reading& reading) {
    empty += reading.kind == Reading::kEmpty;
    missing += reading.kind == Reading::kMissing;
    if (!reading.whole) return AddFraction(reading.value);
    sum += reading.integer;
    if (sum > INT32_MAX || sum < INT32_MIN) ThrowSumOutOfRange();
  }
  void Add(std::string_view text) { Add(ReadingOf(text)); }
  // Empty and missing readings together make up all n.
  bool NothingIn(int n) const { return empty + missing == n; }

 private:
  void AddFraction(double value);
};

// The mean (or total) of n readings: "" when all are empty, "-" when all are
// empty or missing with one missing or more, or when more than allowedMissing
// are missing; else the value in the element's scale, written "0" for
// humidity ("U") and "00" for every other element.
std::string TallyText(const ReadingTally& tally, int n, int allowedMissing, std::string_view letter,
                      bool total);
// The same text written into out, reusing its storage.
void AssignTallyText(std::string& out, const ReadingTally& tally, int n, int allowedMissing,
                     std::string_view letter, bool total);

// A cloud mean ("N") is kept in tenths: its scale is 10, every other 1.
inline double ScaleOf(std::string_view letter) { return letter == "N" ? 10.0 : 1.0; }

}  // namespace quillon
