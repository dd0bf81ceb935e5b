// How the statistics count the readings of a day, a pentad, a dekad or a
// month: "" is nothing in the file, "-" a missing observation, any other
// text a value (its leading number). Sums stay whole numbers.
#pragma once

#include <string>
#include <string_view>

namespace quillon {

// The text the element's statistics read from a cell: the speed behind the
// first "/" of a wind cell ("F"), the whole cell otherwise.
std::string_view ReadingText(std::string_view cell, std::string_view letter);

inline bool IsMissing(std::string_view text) { return text.size() == 1 && text[0] == '-'; }

// One reading classified once, for tallies that count it more than once (a
// day counts in its dekad and in the month).
struct Reading {
  enum Kind { kEmpty, kMissing, kValue } kind = kEmpty;
  double value = 0;
};
Reading ReadingOf(std::string_view text);

struct ReadingTally {
  int empty = 0;
  int missing = 0;
  double sum = 0;  // whole, within 32 bits: rounded half to even at each addition

  void Add(const Reading& reading);
  void Add(std::string_view text) { Add(ReadingOf(text)); }
  // Empty and missing readings together make up all n.
  bool NothingIn(int n) const { return empty + missing == n; }
};

// The mean (or total) of n readings: "" when all are empty, "-" when all are
// empty or missing with one missing or more, or when more than allowedMissing
// are missing; else the value in the element's scale and format.
std::string TallyText(const ReadingTally& tally, int n, int allowedMissing, std::string_view letter,
                      bool total);

// Element rules: a cloud mean ("N") is kept in tenths; humidity ("U") is
// written "0", every other element "00".
double ScaleOf(std::string_view letter);
std::string FormatFor(std::string_view letter, double value);

}  // namespace quillon
