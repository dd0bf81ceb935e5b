#include "afile/decode/amounts.h"

#include "afile/month_data.h"

#include <algorithm>

#include "afile/decode/cell_text.h"
#include "afile/table_state.h"
#include "util/number_text.h"
#include "util/utf8_text.h"

namespace quillon {
namespace {

std::string PrecipitationText(std::string_view t) {
  if (t == "0000" || t.empty() || t == "    ") return "";  // no precipitation
  if (t == "////" || t == "----") return "-";
  if (t == "A---") return "A";
  if (t == ",,,,") return "00";  // a trace
  // ";" and ":" stand in for a first digit 1 or 2.
  if (t[0] != ';' && t[0] != ':') return PlainNumber(t);
  std::string v = std::string(1, t[0] == ';' ? '1' : '2') + CharSub(t, 1, 3);
  return PlainNumber(v);
}

// The rain summary's date "dd-mm" with its year: a month later than the
// file's month belongs to the year before.
std::string SpellStartText(std::string_view t, const AFileHeader& header) {
  if (t == "/////" || t == "//////////" || t.empty()) return "-/-/-";
  if (CharLength(t) != 5) return std::string(t);
  std::string year = TextOf(header.Year);
  if (LeadingNumber(TextOf(header.Month)) < LeadingNumber(LastChars(t, 2)))
    return std::string(t) + "/" + FormatGeneral(LeadingNumber(year) - 1);
  return std::string(t) + "/" + PlainNumber(year);
}

// Rewritten in place: the cells keep their storage.
void RewriteEvaporation(std::string& cell) {
  std::string_view t = cell;
  if (t.empty() || t == "   " || t == "---")
    cell.clear();
  else if (t == "///")
    cell = "-";
  else if (t == ",,,")
    cell = "B";
  else
    MakePlainNumber(cell);
}

std::string SnowText(std::string_view t, bool neverMeasured) {
  if (t == "000" || t.empty() || t == "   ") return "";
  if (t == ",,,") return "0";
  if (t == "///") return neverMeasured ? "" : "-";
  return PlainNumber(t);
}

// A depth above 500 is written as its excess over 500 behind ">".
std::string FrozenDepthText(std::string_view t) {
  if (LeadingNumber(t) <= 500) return PlainNumber(t);
  std::string plain = PlainNumber(t);
  size_t point = plain.find('.');
  int decimals = point == std::string::npos ? 0 : static_cast<int>(plain.size() - point - 1);
  return ">" + PlainNumber(FormatFixed(LeadingNumber(t) - 500, 1, decimals));
}

void DecodeFrozenGroundDay(ElementTable& table, int day) {
  for (int slot = 1; slot <= 4 && table.Contains(day, slot); ++slot) {
    std::string& t = table.At(day, slot);
    if (t == "///") {
      t = "-";
    } else if (t == "   " || t.empty()) {
      t.clear();
    } else if (t == "000") {
      // Both depths of a layer zero: no frozen layer at all.
      bool upper = slot == 1 || slot == 3;
      if (upper && table.Contains(day, slot + 1) && table.At(day, slot + 1) == "000") {
        t.clear();
        table.At(day, slot + 1).clear();
      } else {
        t = "0";
      }
    } else {
      t = FrozenDepthText(t);
    }
  }
}

// Mode "2" lines carry 18 hourly values from slot 1 and the day's total in
// slot 19; they belong in slots 4..21 and 27.
void ShiftSunshineDay(ElementTable& table, int day) {
  if (!table.Contains(day, 1) || !table.Contains(day, 27)) return;
  table.At(day, 27) = table.At(day, 19);
  for (int k = 21; k >= 4; --k) table.At(day, k) = table.At(day, k - 3);
  for (int k : {1, 2, 3, 22, 23, 24}) table.At(day, k).clear();
}

// Rewritten in place: the cells keep their storage.
void RewriteSunshine(std::string& cell, int slot) {
  std::string_view t = cell;
  if (t == "00" || t == "  ")
    cell = slot == 27 ? "0" : "";  // slot 27: the day's total
  else if (t == "NN" || t.empty())
    cell.clear();
  else if (t == "//" || t == "///" || t == "////")
    cell = "-";
  else
    MakePlainNumber(cell);
}

}  // namespace

void DecodePrecipitation(ElementTable& table) {
  // "0000" shows as empty but is an observation: a dry month keeps the "-"
  // of its lost days instead of passing them off as dry.
  bool observedZero = !AllCells(table, [](std::string_view t) { return t != "0000"; });
  ForEachCell(table, [](std::string& t, int) { t = PrecipitationText(t); });
  // Missing throughout: show nothing rather than a column of "-".
  if (!observedZero && TableState(table) == "-")
    ForEachCell(table, [](std::string& t, int) { t.clear(); });
}

namespace {

// An amount of the monthly rain summary, written in groups of `width`
// characters: zeros or blanks show nothing, slashes are missing, commas a
// trace.
std::string SummaryAmountText(const std::string& t, size_t width) {
  if (t.empty() || t == std::string(width, '0') || t == std::string(width, ' ')) return "";
  if (t == std::string(width, '/')) return "-";
  if (t == std::string(width, ',')) return "00";
  return PlainNumber(t);
}

}  // namespace

void DecodeRainSummary(const AFileHeader& header, TextList& summary) {
  if (summary.Contains(1)) summary.At(1) = SummaryAmountText(summary.At(1), 4);
  if (summary.Contains(2)) summary.At(2) = SpellStartText(summary.At(2), header);
  if (summary.Contains(3)) summary.At(3) = SummaryAmountText(summary.At(3), 5);
}

// The modes change only the slots the reader fills; every slot is decoded
// alike.
void DecodeEvaporation(ElementTable& table) {
  ForEachCell(table, [](std::string& t, int) { RewriteEvaporation(t); });
}

void DecodeSnow(ElementTable& table) {
  // Snow pressure (slot 2) is measured only on some days; a month without
  // any measurement shows it empty rather than missing.
  bool neverMeasured = true;
  for (int day = 1; day <= table.Days() && table.Contains(day, 2); ++day)
    neverMeasured = neverMeasured && (table.At(day, 2) == "000" || table.At(day, 2) == "///");
  ForEachCell(table,
              [&](std::string& t, int slot) { t = SnowText(t, slot == 2 && neverMeasured); });
}

void DecodeFrozenGround(ElementTable& table) {
  for (int day = 1; day <= table.Days(); ++day) DecodeFrozenGroundDay(table, day);
}

void DecodeSunshine(const TextList& modes, ElementTable& table) {
  bool hourly18 = modes.Contains(kSunshineSection) && modes.At(kSunshineSection) == "2";
  for (int day = 1; day <= table.Days(); ++day) {
    if (hourly18) ShiftSunshineDay(table, day);
    for (int slot = std::max(1, table.FirstSlot()); slot <= std::min(27, table.LastSlot()); ++slot)
      RewriteSunshine(table.At(day, slot), slot);
  }
}

}  // namespace quillon
