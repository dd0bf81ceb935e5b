// Precipitation statistics: totals, day counts, spells and the rain summary.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "afile/afile_header.h"
#include "afile/element_table.h"
#include "stats/statistics_results.h"

namespace quillon {

// A run of wet or dry days ending on a day of this month. A wet spell that
// began in an earlier month carries the start date the file gives for it.
struct Spell {
  std::string carriedStart;  // "16/2/2008"; empty when the spell began this month
  int startDay = 0;          // day of this month when carriedStart is empty
  int endDay = 0;
};
using SpellList = std::vector<Spell>;

void PrecipitationStatistics(const AFileHeader& header, const ElementTable& tableR,
                             const TextList& tableR4, ElementTable& dailyStats,
                             ElementTable& periodStats, TextList& monthExtremes);

// Keeps the longest spells and returns their length in days (0 for none).
int LongestSpellLength(const AFileHeader& header, SpellList& spells);

// Keeps the spells with the greatest amount and returns it; nullopt, keeping
// every spell, when the amount a carried spell brought is missing.
std::optional<double> GreatestSpellAmount(SpellList& spells, const ElementTable& tableR,
                                          const TextList& tableR4);

}  // namespace quillon
