#include "afile/decode/wind.h"

#include <algorithm>
#include <array>

#include "afile/decode/cell_text.h"
#include "afile/table_state.h"
#include "util/fields.h"
#include "util/number_text.h"
#include "util/text_replace.h"

namespace quillon {
namespace {

// Groups are worked on with "\" between direction and speed, so that a "/"
// of the group itself is never taken for the join; "\" becomes "/" last.
constexpr char kJoin = '\\';

void RemoveMarks(std::string& text) {
  text.erase(std::remove_if(text.begin(), text.end(), [](char c) { return c == 'P' || c == 'A'; }),
             text.end());
}

void ShowJoin(std::string& text) { std::replace(text.begin(), text.end(), kJoin, '/'); }

// Nearly every group is six digits: two plain numbers, nothing to remove or
// replace. Joined in a buffer, three characters at most a part copied by
// hand, and written back in one go.
void RewriteDigitWind(std::string& group) {
  std::string_view direction = PlainDigits(std::string_view(group).substr(0, 3));
  std::string_view speed = PlainDigits(std::string_view(group).substr(3, 3));
  std::array<char, 7> joined;  // "360/999" at most
  size_t length = 0;
  for (char c : direction) joined[length++] = c;
  joined[length++] = '/';
  for (char c : speed) joined[length++] = c;
  group.clear();
  group.append(joined.data(), length);
}

// "045023" -> "45/23": three characters of direction, three of speed.
std::string WindText(std::string_view group) {
  std::string t = FirstChars(group, 3);
  if (IsNumeric(t)) t = PlainNumber(t);
  t += kJoin;
  t += LastChars(group, 3);
  RemoveMarks(t);
  ReplaceAll(t, "///", "-");
  size_t join = t.find(kJoin);
  std::string_view speed = std::string_view(t).substr(join + 1);
  if (speed != "-" && t.size() > 1) {
    std::string plain = PlainNumber(speed);
    t.resize(join + 1);
    t += plain;
  }
  ShowJoin(t);
  return t;
}

// The day's maximum and extreme wind: the first part is a number as well,
// so a calm written "C" shows as 0.
std::string WindExtremeText(std::string_view group) {
  std::string speed = LastChars(group, 3);
  if (IsNumeric(speed)) speed = PlainNumber(speed);
  std::string t = FirstChars(group, 3);
  t += kJoin;
  t += speed;
  RemoveMarks(t);
  ReplaceAll(t, "///", "-");
  if (t[0] != '-' && t[0] != kJoin) {
    size_t join = t.find(kJoin);
    t.replace(0, join, PlainNumber(std::string_view(t).substr(0, join)));
  }
  ShowJoin(t);
  return t;
}

std::string IcingSizeText(std::string_view t, int slot) {
  if (t.empty() || (IsAllOf(t, ' ') && t.size() >= 3 && t.size() <= 5)) return "";
  if (t == "---" || t == "----" || t == "-----") return "";
  if (t == "///" || t == "////" || t == "/////") return "-";
  if (slot == 8) return Format00(LeadingNumber(t));  // air temperature, two digits
  return PlainNumber(t);
}

std::string IcingCodeText(std::string_view t) {
  if (t.empty() || t == "    " || t == "----") return "";
  if (t == "////") return "-";
  if (t == "5600") return "56";  // glaze
  if (t == "0048") return "48";  // rime
  return std::string(t);
}

// The wind that went with the icing; the direction keeps its leading zeros.
std::string IcingWindText(std::string_view t) {
  if (t.empty() || t == "------") return "";
  if (t == "//////") return "-/-";
  // A missing speed stays missing: read as a number it would become 0.
  std::string speed = LastChars(t, 3);
  std::string u = FirstChars(t, 3) + "/" + (speed == "///" ? "-" : PlainNumber(speed));
  RemoveMarks(u);
  ReplaceFirst(u, "///", "-");
  if (u.size() >= 3 && u.compare(u.size() - 3, 3, "///") == 0) u.replace(u.size() - 3, 3, "-");
  return u;
}

void DecodeWireIcingDay(ElementTable& table, int day) {
  for (int slot = 1; slot <= 9 && table.Contains(day, slot); ++slot) {
    std::string& t = table.At(day, slot);
    if (slot <= 7 && IsAllOf(t, '0')) t.clear();
    if (slot == 1)
      t = IcingCodeText(t);
    else if (slot <= 8)
      t = IcingSizeText(t, slot);
    else
      t = IcingWindText(t);
  }
}

}  // namespace

void DecodeWind(AFileHeader& header, ElementTable& table, WindTable which) {
  if (which == kTenMinuteWind) {
    header.Flag(kTenMinuteWindFlag) = "9";
    if (!TableIsEmpty(table)) header.Flag(kTenMinuteWindFlag) = header.Flag(kWindFlag);
  }
  // A three-observation station has no 02 h wind: nothing, not missing.
  bool noFirstObservation =
      which == kTwoMinuteWind && IsThreeObservationStation(header) && SlotCount(table) < 24;
  ForEachCell(table, [&](std::string& t, int slot) {
    if (t.size() == 6 && IsDigits(t))
      RewriteDigitWind(t);
    else
      t = WindText(t);
    if (noFirstObservation && slot == 1 && t == "-/-") t = "/";
  });
}

void DecodeWindExtremes(ElementTable& table) {
  ForEachCell(table, [](std::string& t, int slot) {
    if ((slot == 1 || slot == 3) && t.size() == 6 && IsDigits(t))
      RewriteDigitWind(t);  // a calm's "C" aside, the same as a timed wind
    else if (slot == 1 || slot == 3)
      t = WindExtremeText(t);
    else if ((slot == 2 || slot == 4) && t == "////")
      t = "-";  // time of a missing wind
  });
}

void DecodeWireIcing(ElementTable& table) {
  for (int day = 1; day <= table.Days(); ++day) DecodeWireIcingDay(table, day);
}

}  // namespace quillon
