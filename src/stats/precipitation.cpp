#include "stats/precipitation.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "stats/element_means.h"
#include "stats/month_extremes.h"
#include "stats/reading_tally.h"
#include "util/calendar.h"
#include "util/fields.h"
#include "util/number_text.h"
#include "util/text_replace.h"

namespace quillon {
namespace {

// Amount thresholds in tenths of a millimetre: 0.1, 1, 5, 10, 25, 50, 100 and 150 mm.
constexpr std::array<double, 8> kThresholds{1, 10, 50, 100, 250, 500, 1000, 1500};

// An amount cell counts by its leading number, as every reading does: "A",
// rain measured together with a later observation, adds nothing by itself.
double AmountValue(std::string_view cell) { return LeadingNumber(cell); }

std::string DailyAmount0808(std::string_view a, std::string_view b) {
  std::string t = std::string(a) + std::string(b);
  if (t.empty()) return "";
  if (t == "-" || t == "--") return "-";
  if (t.find('-') == std::string::npos) return FormatGeneral(AmountValue(a) + AmountValue(b));
  return RemoveAll(t, '-');
}

// Pentads 1-5, ..., 26-end of the day totals; at most one missing day.
void PentadTotals(const ElementTable& tableR, int days, TextList& monthExtremes) {
  for (int p = 1; p <= 6; ++p) {
    int first = 5 * p - 4, last = p == 6 ? days : std::min(5 * p, days);
    ReadingTally tally;
    for (int day = first; day <= last; ++day) tally.Add(Trim(tableR.At(day, 3)));
    monthExtremes.At(20 + p) = TallyText(tally, std::max(0, last - first + 1), 1, "R", true);
  }
}

void ThresholdDays(const ElementTable& tableR, int days, TextList& monthExtremes) {
  std::array<int, kThresholds.size()> counts{};
  for (int day = 1; day <= days; ++day) {
    const std::string& cell = tableR.At(day, 3);
    if (cell.empty() || IsMissing(cell)) continue;
    double amount = AmountValue(cell);
    for (size_t k = 0; k < kThresholds.size(); ++k) counts[k] += amount >= kThresholds[k];
  }
  for (size_t k = 0; k < counts.size(); ++k)
    monthExtremes.At(27 + static_cast<int>(k)) = counts[k] > 0 ? std::to_string(counts[k]) : "";
}

enum class DayKind { Wet, Dry, Lost };

// Trace ("00") is no precipitation day. A lost day ("-") belongs to no spell:
// nobody knows whether it rained, so it ends the spell before it.
DayKind KindOf(std::string_view total) {
  total = Trim(total);
  if (total.empty() || total == "00") return DayKind::Dry;
  if (total == "-") return DayKind::Lost;
  return DayKind::Wet;
}

// The start of a running spell: unknown, a day of this month, or a date the
// file carries from an earlier month.
struct SpellStart {
  bool known = false;
  std::string carried;
  int day = 0;
};

// "16-03/2008" or "16/3/2008": day, month and year in that order; nullopt
// for a text that is not three numbers.
std::optional<std::array<long, 3>> DateParts(const std::string& date) {
  std::array<long, 3> parts{};
  size_t found = 0, i = 0;
  while (i < date.size() && found < 3) {
    if (date[i] < '0' || date[i] > '9') {
      ++i;
      continue;
    }
    size_t end = date.find_first_not_of("0123456789", i);
    std::string digits = date.substr(i, end == std::string::npos ? std::string::npos : end - i);
    if (digits.size() > 6) return std::nullopt;
    parts[found++] = std::stol(digits);
    i = end == std::string::npos ? date.size() : end;
  }
  if (found != 3) return std::nullopt;
  return parts;
}

long CarriedSerial(const std::string& date) {
  std::optional<std::array<long, 3>> parts = DateParts(date);
  if (!parts) throw std::invalid_argument("spell start is not a date: \"" + date + "\"");
  return DaySerial((*parts)[2], (*parts)[1], (*parts)[0]);
}

SpellStart CarriedStart(const std::string& date) {
  if (date.empty() || date == "-/-/-") return {};
  // day or month 0: the summary line says no spell ("00-00")
  std::optional<std::array<long, 3>> parts = DateParts(date);
  if (parts && ((*parts)[0] == 0 || (*parts)[1] == 0)) return {};
  std::string text = date;
  ReplaceAll(text, "/0", "/");
  return {true, text, 0};
}

void Close(SpellList& list, const SpellStart& start, int endDay) {
  if (endDay < 1 || !start.known) return;  // ended with the previous month
  list.push_back({start.carried, start.day, endDay});
}

void WalkSpells(const ElementTable& tableR, const TextList& tableR4, int days, SpellList& wet,
                SpellList& dry) {
  const std::string& carriedAmount = tableR4.At(3);
  bool wetRunning = !carriedAmount.empty() && carriedAmount != "00";
  SpellStart wetStart, dryStart;
  (wetRunning ? wetStart : dryStart) = CarriedStart(tableR4.At(2));
  DayKind previous = wetRunning ? DayKind::Wet : DayKind::Dry;
  for (int day = 1; day <= days; ++day) {
    DayKind kind = KindOf(tableR.At(day, 3));
    SpellStart& start = kind == DayKind::Wet ? wetStart : dryStart;
    if (kind != previous) {
      if (previous == DayKind::Wet) Close(wet, wetStart, day - 1);
      if (previous == DayKind::Dry) Close(dry, dryStart, day - 1);
      if (kind != DayKind::Lost) start = {true, "", day};
    } else if (kind != DayKind::Lost && !start.known) {
      start = {true, "", day};
    }
    if (day == days && kind == DayKind::Wet) Close(wet, wetStart, day);
    if (day == days && kind == DayKind::Dry) Close(dry, dryStart, day);
    previous = kind;
  }
}

long HeaderNumber(const std::optional<std::string>& slot) {
  double value = RequiredNumber(TextOf(slot));
  if (!(value >= 0 && value <= 99999)) throw std::range_error("header date out of range");
  return static_cast<long>(value);
}

// Days from the start to the end, both counted. A carried start after the
// end is a file that contradicts itself.
long SpellLength(const AFileHeader& header, const Spell& spell) {
  long year = HeaderNumber(header.Year);
  long month = HeaderNumber(header.Month);
  long end = DaySerial(year, month, spell.endDay);
  long start = spell.carriedStart.empty() ? DaySerial(year, month, spell.startDay)
                                          : CarriedSerial(spell.carriedStart);
  if (start > end || end - start >= 100000)
    throw std::invalid_argument("spell from \"" + spell.carriedStart + "\" is no spell");
  return end - start + 1;
}

std::string SpellDates(const SpellList& spells) {
  if (spells.empty()) return "";
  if (spells.size() > 1) return std::to_string(spells.size()) + "次";
  const Spell& s = spells.front();
  if (s.carriedStart.empty() && s.startDay == s.endDay) return std::to_string(s.endDay);
  std::string start = s.carriedStart.empty() ? std::to_string(s.startDay) : s.carriedStart;
  return start + "-" + std::to_string(s.endDay);
}

}  // namespace

int LongestSpellLength(const AFileHeader& header, SpellList& spells) {
  std::vector<long> lengths;
  for (const Spell& spell : spells) lengths.push_back(SpellLength(header, spell));
  long longest = lengths.empty() ? 0 : *std::max_element(lengths.begin(), lengths.end());
  SpellList kept;
  for (size_t i = 0; i < spells.size(); ++i)
    if (lengths[i] == longest) kept.push_back(spells[i]);
  spells = std::move(kept);
  return static_cast<int>(longest);
}

std::optional<double> GreatestSpellAmount(SpellList& spells, const ElementTable& tableR,
                                          const TextList& tableR4) {
  std::vector<double> amounts;
  for (const Spell& spell : spells) {
    double amount = 0;
    if (!spell.carriedStart.empty()) {
      const std::string& carried = tableR4.At(3);
      if (carried == "-") return std::nullopt;  // the spell's earlier rain is not known
      if (!carried.empty()) amount = AmountValue(carried);
    }
    for (int day = std::max(1, spell.startDay); day <= spell.endDay; ++day) {
      std::string_view cell = Trim(tableR.At(day, 3));
      if (!cell.empty()) amount += AmountValue(cell);
    }
    amounts.push_back(amount);
  }
  if (amounts.empty()) return 0.0;
  double greatest = *std::max_element(amounts.begin(), amounts.end());
  SpellList kept;
  for (size_t i = 0; i < spells.size(); ++i)
    if (amounts[i] == greatest) kept.push_back(spells[i]);
  spells = std::move(kept);
  return greatest;
}

void PrecipitationStatistics(const AFileHeader& header, const ElementTable& tableR,
                             const TextList& tableR4, ElementTable& dailyStats,
                             ElementTable& periodStats, TextList& monthExtremes) {
  int days = header.DaysInMonth.value_or(0);
  for (int day = 1; day <= days; ++day)
    dailyStats.At(day, 14) =
        DailyAmount0808(tableR.At(day, 2), day < days ? tableR.At(day + 1, 1) : tableR4.At(1));
  ThresholdDays(tableR, days, monthExtremes);
  for (int k = 1; k <= 3; ++k) PeriodMeans(days, "R", tableR, k, periodStats, 161 + k, true);
  PeriodMeans(days, "R", dailyStats, 14, periodStats, 165, true);
  PentadTotals(tableR, days, monthExtremes);
  MonthMaximum(days, tableR, 3, monthExtremes, 35, "R");

  SpellList wet, dry;
  WalkSpells(tableR, tableR4, days, wet, dry);
  int wetLength = LongestSpellLength(header, wet);
  monthExtremes.At(37) = wetLength > 0 ? std::to_string(wetLength) : "";
  std::optional<double> amount = GreatestSpellAmount(wet, tableR, tableR4);
  monthExtremes.At(38) = !amount ? "-" : *amount != 0 ? Format00(*amount) : "";
  monthExtremes.At(39) = SpellDates(wet);
  int dryLength = LongestSpellLength(header, dry);
  monthExtremes.At(40) = dryLength > 0 ? std::to_string(dryLength) : "";
  monthExtremes.At(41) = SpellDates(dry);
}

}  // namespace quillon
