#include "stats/wind_frequency.h"

#include <array>
#include <limits>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "util/fields.h"
#include "util/number_text.h"
#include "util/rounding.h"
#include "util/wind_direction.h"

namespace quillon {
namespace {

constexpr int kCalm = 17;
// Clockwise from north; calm last.
constexpr std::array<std::string_view, 17> kDirections{"N",  "NNE", "NE", "ENE", "E",  "ESE",
                                                       "SE", "SSE", "S",  "SSW", "SW", "WSW",
                                                       "W",  "WNW", "NW", "NNW", "C"};
constexpr std::array<int, 4> kMainSlots{6, 12, 18, 24};

struct DirectionSum {
  double total = 0;
  int count = 0;
  double greatest = -std::numeric_limits<double>::infinity();

  void Add(double speed) {
    total += speed;
    ++count;
    if (speed > greatest) greatest = speed;
  }
  void Add(const DirectionSum& other) {
    total += other.total;
    count += other.count;
    if (other.greatest > greatest) greatest = other.greatest;
  }
};

using SlotSums = std::array<DirectionSum, 17>;

// What one observation of the month tells.
struct SlotTally {
  SlotSums sums;
  int empty = 0;
  int missing = 0;
};

// 1..17, or 0 for a text that is none of the codes.
int DirectionIndex(std::string_view code) {
  for (size_t i = 0; i < kDirections.size(); ++i)
    if (kDirections[i] == code) return static_cast<int>(i) + 1;
  return 0;
}

// Compass index of each whole degree 0..360 at a speed above calm, taken once
// from the shared degree-to-direction conversion (0 for none).
const std::array<int, 361>& IndexOfDegrees() {
  static const std::array<int, 361> table = [] {
    std::array<int, 361> t{};
    for (int degrees = 0; degrees <= 360; ++degrees)
      t[static_cast<size_t>(degrees)] =
          DirectionIndex(WindDirectionCode(std::to_string(degrees), "30"));
    return t;
  }();
  return table;
}

// Whole degrees "0" to "360", the direction of nearly every cell; -1 otherwise.
int WholeDegrees(std::string_view direction) {
  if (direction.empty() || direction.size() > 3) return -1;
  int degrees = 0;
  for (char c : direction) {
    if (c < '0' || c > '9') return -1;
    degrees = degrees * 10 + (c - '0');
  }
  return degrees <= 360 ? degrees : -1;
}

// A part of a cell without its blanks: cells are nearly always stored
// without any, so Trim is called only for a part that starts or ends with one.
inline bool IsBlank(char c) { return c == ' ' || c == '\t'; }
inline std::string_view Unpadded(std::string_view part) {
  bool padded = !part.empty() && (IsBlank(part.front()) || IsBlank(part.back()));
  return padded ? Trim(part) : part;
}

// A speed, nearly always a plain count of 0.1 m/s, read without the general
// parse; a signed one takes it, so that "-0" keeps its sign.
inline double SpeedOf(std::string_view speed) {
  int32_t whole = 0;
  if (speed.front() != '-' && ShortWholeNumber(speed, whole)) return whole;
  return RequiredNumber(speed);
}

// A cell "315/35" (degrees) or "NE/35" (a code). Degrees turn into the
// compass code at the cell's own speed, so a speed below 0.3 m/s is calm.
// A text that is none of the 17 codes (degrees beyond 360 among them), or a
// code without a speed, is missing.
void AddObservation(std::string_view cell, SlotTally& tally) {
  size_t slash = cell.find('/');
  std::string_view direction = Unpadded(cell.substr(0, slash));
  std::string_view speed =
      slash == std::string_view::npos ? std::string_view{} : Unpadded(cell.substr(slash + 1));
  int degrees = WholeDegrees(direction);
  if (degrees >= 0 && !speed.empty() && speed != "-") {
    double value = SpeedOf(speed);
    int index = value < 3 ? kCalm : IndexOfDegrees()[static_cast<size_t>(degrees)];
    if (index == 0)
      ++tally.missing;
    else
      tally.sums[index - 1].Add(value);
    return;
  }
  std::string code =
      IsNumeric(direction) ? WindDirectionCode(direction, speed) : std::string(direction);
  if (code.empty() && (direction.empty() || speed.empty())) {
    ++tally.empty;
    return;
  }
  int index = DirectionIndex(code);
  if (index == 0 || speed.empty() || speed == "-") {
    ++tally.missing;
    return;
  }
  tally.sums[index - 1].Add(RequiredNumber(speed));
}

void WriteSlot(const SlotSums& sums, TextCube<28, 17, 3>& out, int column) {
  for (int i = 1; i <= 17; ++i) {
    const DirectionSum& s = sums[i - 1];
    if (s.count == 0) continue;
    out.At(column, i, 1) = FormatGeneral(s.total);
    out.At(column, i, 2) = std::to_string(s.count);
    out.At(column, i, 3) = FormatGeneral(s.greatest);
  }
}

// Sums over the given slots into column s, means and frequencies into s + 1.
void WriteSummary(const std::vector<SlotTally>& tallies, const std::vector<int>& slots,
                  long observations, TextCube<28, 17, 3>& out, int s) {
  for (int i = 1; i <= 17; ++i) {
    DirectionSum sum;
    for (int slot : slots) sum.Add(tallies[slot - 1].sums[i - 1]);
    if (sum.count == 0) continue;
    out.At(s, i, 1) = Format00(sum.total);
    out.At(s, i, 2) = std::to_string(sum.count);
    out.At(s, i, 3) = Format00(sum.greatest);
    out.At(s + 1, i, 1) = Format00(RoundHalfAway(sum.total / sum.count));
    out.At(s + 1, i, 2) = std::to_string(RoundHalfAway(sum.count * 100.0 / observations));
  }
}

void WriteMissing(TextCube<28, 17, 3>& out, int s, TextList& monthExtremes, int target) {
  for (int column = s; column <= s + 1; ++column)
    for (int i = 1; i <= 17; ++i)
      for (int kind = 1; kind <= 3; ++kind) out.At(column, i, kind) = "-";
  monthExtremes.At(target) = "-";
  monthExtremes.At(target + 1) = "-";
}

// Summarises the slots when fewer than allowedMissing of their observations
// are missing; the frequency counts only the observations made. The slots'
// own columns are written unless slotsWritten (the main times after the
// summary of all hours); true when they are written now or were.
bool Summarise(int days, const std::vector<SlotTally>& tallies, const std::vector<int>& slots,
               int allowedMissing, int s, int target, TextCube<28, 17, 3>& out,
               TextList& monthExtremes, bool slotsWritten = false) {
  long missing = 0, unobserved = 0;
  for (int slot : slots) {
    missing += tallies[slot - 1].missing;
    unobserved += tallies[slot - 1].missing + tallies[slot - 1].empty;
  }
  if (missing >= allowedMissing) {
    WriteMissing(out, s, monthExtremes, target);
    return slotsWritten;
  }
  if (!slotsWritten)
    for (int slot : slots) WriteSlot(tallies[slot - 1].sums, out, slot);
  long observations = static_cast<long>(days) * static_cast<long>(slots.size()) - unobserved;
  WriteSummary(tallies, slots, observations, out, s);
  PrevailingDirection(out, monthExtremes, s, target);
  return true;
}

double FrequencyOf(const TextCube<28, 17, 3>& wf, int column, int direction) {
  const std::string& text = wf.At(column, direction, 2);
  return text.empty() || text == "-" ? -1 : RequiredNumber(text);
}

}  // namespace

void WindDirectionFrequencies(int days, const ElementTable& tableF,
                              TextCube<28, 17, 3>& windFrequency, TextList& monthExtremes) {
  int w = tableF.LastSlot();
  if (w != 4 && w != 24) throw std::out_of_range("wind table of " + std::to_string(w) + " slots");
  windFrequency.Clear();
  std::vector<SlotTally> tallies(static_cast<size_t>(w));
  for (int day = 1; day <= days; ++day)
    for (int slot = 1; slot <= w; ++slot) AddObservation(tableF.At(day, slot), tallies[slot - 1]);
  std::vector<int> all;
  for (int slot = 1; slot <= w; ++slot) all.push_back(slot);
  if (w == 24) {
    bool written = Summarise(days, tallies, all, 61, 27, 63, windFrequency, monthExtremes);
    std::vector<int> main(kMainSlots.begin(), kMainSlots.end());
    Summarise(days, tallies, main, 11, 25, 61, windFrequency, monthExtremes, written);
  } else {
    Summarise(days, tallies, all, 11, 5, 61, windFrequency, monthExtremes);
  }
}

// Of directions with equal frequency the one observed more often prevails,
// then the one whose neighbours blew more often (the broader wind sector);
// directions equal in all three are named together as "n个". Calm prevails
// over them only when it was more frequent than any direction.
void PrevailingDirection(const TextCube<28, 17, 3>& windFrequency, TextList& monthExtremes,
                         int summary, int target) {
  struct Rank {
    double frequency, count, neighbours;
    auto operator<=>(const Rank&) const = default;
  };
  auto frequency = [&](int i) { return FrequencyOf(windFrequency, summary + 1, i); };
  std::vector<int> best;
  Rank bestRank{};
  for (int i = 1; i <= 16; ++i) {
    if (frequency(i) < 0) continue;
    const std::string& count = windFrequency.At(summary, i, 2);
    Rank rank{frequency(i), RequiredNumber(count),
              std::max(0.0, frequency(i == 1 ? 16 : i - 1)) +
                  std::max(0.0, frequency(i == 16 ? 1 : i + 1))};
    if (best.empty() || rank > bestRank) {
      best = {i};
      bestRank = rank;
    } else if (rank == bestRank) {
      best.push_back(i);
    }
  }
  std::string name = best.size() == 1  ? std::string(kDirections[best[0] - 1])
                     : best.size() > 1 ? std::to_string(best.size()) + "个"
                                       : "";
  std::string percent = best.empty() ? "" : FormatGeneral(bestRank.frequency);
  double calm = frequency(kCalm);
  if (calm >= 0 && (best.empty() || calm > bestRank.frequency)) {
    name = best.empty() ? "C" : "C," + name;
    percent = best.empty() ? FormatGeneral(calm) : FormatGeneral(calm) + "," + percent;
  }
  monthExtremes.At(target) = name;
  monthExtremes.At(target + 1) = percent;
}

}  // namespace quillon
