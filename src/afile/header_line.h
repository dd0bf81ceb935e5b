// The first line of an A file: station number, position, heights, station
// kind, observation type, observed-item characters, year and month.
#pragma once

#include <string>
#include <string_view>

#include "afile/afile_header.h"
#include "util/result.h"

namespace quillon {

// Derives every header field from the trimmed first line, whose length (66,
// 69 or 75 characters) selects the layout. A format error for another length,
// a station kind code outside 1..5, a year that is not four digits (or is
// "0000"), or a month outside 1..12; the header then holds no derived fields.
Status ParseHeaderLine(std::string_view trimmedLine, AFileHeader& header);

// Observation slots per day: TimesPerDay with 3 counted as 4 (a
// three-times station keeps an empty first slot). Automatic stations
// (kind "自动", no TimesPerDay) count as hourly: 24.
int TimesPerDaySlots(const AFileHeader& header);

// Data slots: the times per day for manual observation ("人工"), else 24.
int DataSlots(const AFileHeader& header);

// True for a station that observes three times a day.
bool IsThreeObservationStation(const AFileHeader& header);
// The same from the TimesPerDay text: its leading number is 3.
bool IsThreeObservationStation(std::string_view timesPerDay);

}  // namespace quillon
