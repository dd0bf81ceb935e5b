#include "afile/decode/pressure_temperature.h"

#include "afile/decode/cell_text.h"
#include "util/fields.h"
#include "util/number_text.h"

namespace quillon {
namespace {

// Not a reading: nothing, a stray line end, blanks, or a missing mark.
bool IsNoValue(std::string_view t) { return t == "." || IsBlankOrEmpty(t) || IsAllOf(t, '/'); }

// Rewritten in place: an extreme's time and the many groups already in
// their final form need no new text.
void RewriteTemperature(std::string& t, bool tableHasValue, bool extremeTime, bool readingsPlain) {
  // Nearly every group is a reading: digits, below zero with a "-" before.
  if (StartsAsReading(t)) {
    if (!extremeTime && !readingsPlain) MakePlainNumber(t);
    return;
  }
  // Blanks and slashes of any width are no reading; as numbers they would
  // show as 0 degrees.
  if (IsBlankOrEmpty(t)) {
    t.clear();
  } else if (IsAllOf(t, '/')) {
    t = tableHasValue ? "-" : "";
  } else if (extremeTime) {
    return;
  } else if (t[0] == '.') {
    // Readings beyond what the group can hold: ".05" shows ">5", "+012" "<-12".
    t = ">" + PlainNumber(LastChars(t, 2));
  } else if (t[0] == '+') {
    t = "<-" + PlainNumber(t);
  } else {
    MakePlainNumber(t);
  }
}

std::string MarkedTemperatureText(std::string_view t) {
  if (t.empty() || t == "    ") return "";
  if (t == ",,,,") return ",";
  if (t == "////") return "-";
  if (t[0] == ',') {
    std::string marked = "-" + PlainNumber(t.substr(1)) + "B";
    return marked == "-0B" ? "0B" : marked;
  }
  return PlainNumber(t);
}

std::string HumidityText(std::string_view t, int slot) {
  if (t.empty() || t == "  " || t == "    ") return "";
  if (t == "//" || t == "////") return "-";
  if (t == "%%") return "100";
  if (!IsNumeric(t)) return std::string(t);
  // Slot 26 of the hourly table is the time of the day's minimum, hhmm.
  if (slot == 26) return FormatFixed(LeadingNumber(t), 4, 0);
  return PlainNumber(t);
}

// A "1" before the group, its characters moved by hand: a group is a few
// characters long, shorter than the library's insert pays for.
void PrefixOne(std::string& group) {
  group.push_back('1');
  for (size_t i = group.size() - 1; i > 0; --i) group[i] = group[i - 1];
  group[0] = '1';
}

// The value of a group; whole groups, nearly all, are read directly.
double GroupValue(std::string_view t) {
  int32_t whole;
  return ShortWholeNumber(t, whole) ? whole : LeadingNumber(t);
}

}  // namespace

void DecodePressure(const AFileHeader& header, ElementTable& table, PressureTable which) {
  // A three-observation station has no 02 h reading in its station pressure.
  bool noFirstObservation =
      which == kStationPressure && IsThreeObservationStation(header) && SlotCount(table) < 24;
  ForEachCell(table, [&](std::string& cell, int slot) {
    std::string_view t = cell;
    if (t == "////") {
      cell = noFirstObservation && slot == 1 ? "" : "-";
    } else if (t.empty() || t == "    ") {
      cell.clear();
    } else if (!IsExtremeTimeSlot(table, slot) && GroupValue(t) < 3000) {
      PrefixOne(cell);  // groups hold the last four digits of tenths of hPa
    }
  });
}

void DecodeTemperature(ElementTable& table) {
  using enum ElementTable::ReadDecoding;
  if (table.DecodedOnRead() == Complete) return;
  // A table missing throughout shows as empty, not as a column of "-".
  bool hasValue = !AllCells(table, IsNoValue);
  bool hasTimes = SlotCount(table) == 28;  // see IsExtremeTimeSlot
  bool readingsPlain = table.DecodedOnRead() == ReadingsPlain;
  ForEachCell(table, [&](std::string& t, int slot) {
    RewriteTemperature(t, hasValue, hasTimes && (slot == 26 || slot == 28), readingsPlain);
  });
}

void DecodeLowerSoilTemperature(std::string_view timesPerDay, std::string_view dMode,
                                ElementTable& table) {
  DecodeTemperature(table);
  if (dMode != "0" || !IsThreeObservationStation(timesPerDay)) return;
  for (int day = 1; day <= table.Days(); ++day)
    if (table.Contains(day, 1)) table.At(day, 1).clear();
}

void DecodeMarkedTemperature(ElementTable& table) {
  ForEachCell(table, [](std::string& t, int) { t = MarkedTemperatureText(t); });
  if (AllCells(table, [](std::string_view t) { return t == "-"; }))
    ForEachCell(table, [](std::string& t, int) { t.clear(); });
}

void DecodePlainGroups(ElementTable& table) {
  using enum ElementTable::ReadDecoding;
  if (table.DecodedOnRead() == Complete) return;
  bool readingsPlain = table.DecodedOnRead() == ReadingsPlain;
  ForEachCell(table, [readingsPlain](std::string& t, int) {
    // Missing marks of any width stay missing and blanks stay empty: neither
    // may turn into a reading of 0. Nearly every group is a reading.
    if (StartsAsReading(t)) {
      if (!readingsPlain) MakePlainNumber(t);
    } else if (IsAllOf(t, '/'))
      t = "-";
    else if (IsBlankOrEmpty(t))
      t.clear();
    else
      MakePlainNumber(t);
  });
}

void DecodeHumidity(ElementTable& table) {
  ForEachCell(table, [](std::string& t, int slot) {
    // Nearly every group is a whole number of per cent, made plain in place.
    int32_t whole;
    if (slot != 26 && ShortWholeNumber(t, whole))
      MakePlainNumber(t);
    else
      t = HumidityText(t, slot);
  });
}

void DecodeSingleSlot(ElementTable& table) {
  for (int day = 1; day <= table.Days(); ++day)
    if (table.Contains(day, 1) && table.At(day, 1) == "//") table.At(day, 1) = "-";
}

}  // namespace quillon
