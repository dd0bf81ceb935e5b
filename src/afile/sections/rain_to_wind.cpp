// Sections R, W, L, Z, G and F: precipitation, weather phenomena,
// evaporation, snow, wire icing and wind.
#include "afile/line_readers.h"
#include "afile/sections/section_steps.h"
#include "util/fields.h"

namespace quillon {
namespace {

constexpr TableMember R = &MonthData::TableR, R2 = &MonthData::TableR2, R3 = &MonthData::TableR3,
                      L = &MonthData::TableL, L2 = &MonthData::TableL2, Z = &MonthData::TableZ,
                      G = &MonthData::TableG, F = &MonthData::TableF, F2 = &MonthData::TableF2,
                      F3 = &MonthData::TableF3;

void PresetRain(SectionRead& s) {
  s.Size(s.data.TableR, 3);
  s.Size(s.data.TableR2, 24);
  s.data.TableR4.Resize(1, 3);
}

Section Rain() {
  return {'R',
          PresetRain,
          {{{"0"}, {Day(R), Day(R3, 2)}},
           {{"1"}, {Dated(R), Day(R3, 2)}},
           {{"2"}, {Day(R)}},
           {{"3"}, {Dated(R)}},
           {{"5"}, {Day(R), Dated(R3, 2)}},
           {{"6"}, {Day(R), Half(R2)}},
           {{"7"}, {Dated(R), Half(R2)}},
           {{"8"}, {Day(R), Dated(R2)}},
           {{"9"}, {Dated(R), Dated(R2)}}},
          [](SectionRead& s) {
            if (s.ModeIs({"6", "7", "8", "9"})) ReadRainSummary(s.lines, s.data.TableR4);
          }};
}

// One free line per day into slot 0; the line ending with "=" is the last.
void ReadWeatherDays(SectionRead& s) {
  if (EndsWith(s.mode, '=')) return;
  for (int day = 1; day <= s.Days(); ++day) {
    std::string_view line = NextBodyLine(s.lines);
    if (line == "0=") return;
    std::string& text = s.data.TableW.At(day, 0);
    text.assign(line);
    if (EndsWith(line, '=')) {
      EraseAll(text, '=');
      return;
    }
  }
}

Section Weather() {
  return {'W',
          [](SectionRead& s) { s.data.TableW.Resize(s.Days(), 0, 24); },
          {},
          ReadWeatherDays,
          /*anyMode=*/true};
}

void PresetEvaporation(SectionRead& s) {
  s.data.TableL.Resize(s.Days(), 0, 1);
  s.data.TableL2.Resize(s.Days(), 0, 1);
}

void FinishEvaporation(SectionRead& s) {
  if (s.mode == "0") s.Header().Flag(kLargePanFlag) = "0";
  s.FlagAbsentWhenEmpty(kSmallPanFlag, s.data.TableL);
  s.FlagAbsentWhenEmpty(kLargePanFlag, s.data.TableL2);
}

Section Evaporation() {
  return {'L',
          PresetEvaporation,
          {{{"0"}, {Day(L), Day(L2)}},
           {{"A", "B"}, {SizeOnly(L2, 25), Day(L), Half(L2)}},
           {{"A=", "B="}, {SizeOnly(L2, 25)}}},
          FinishEvaporation};
}

Section Snow() {
  return {'Z',
          [](SectionRead& s) { s.Size(s.data.TableZ, 2); },
          {{{"0"}, {Day(Z)}}, {{"1"}, {Dated(Z)}}, {{"="}, {}}},
          [](SectionRead& s) {
            if (s.mode == "=")
              s.Header().Flag(kSnowDepthFlag) = s.Header().Flag(kSnowPressureFlag) = "9";
          }};
}

void FinishIcing(SectionRead& s) {
  // The two blocks are merged into the layout of mode "2".
  if (s.mode == "0") s.data.SectionModes.At(s.number) = "2";
  if (s.mode == "=") s.Header().Flag(kWireIcingFlag) = "9";
}

Section Icing() {
  return {'G',
          [](SectionRead& s) { s.Size(s.data.TableG, 9); },
          {{{"0"}, {{G, Layout::Icing}}}, {{"2"}, {Day(G)}}, {{"3"}, {Dated(G)}}, {{"="}, {}}},
          FinishIcing};
}

void PresetWind(SectionRead& s) {
  s.Size(s.data.TableF, s.DataSlots());
  s.Size(s.data.TableF2, 24);
  s.Size(s.data.TableF3, 4);
}

// The extreme wind counts as observed when any day has it or its time.
void FinishWind(SectionRead& s) {
  AFileHeader& h = s.Header();
  h.Flag(kExtremeWindFlag) = "9";
  const ElementTable& f3 = s.data.TableF3;
  for (int day = 1; day <= f3.Days(); ++day)
    if (!f3.At(day, 3).empty() || !f3.At(day, 4).empty()) {
      h.Flag(kExtremeWindFlag) = h.Flag(kWindFlag);
      return;
    }
}

Section Wind() {
  return {'F',
          PresetWind,
          {// Four times a day from slot 1.
           {{"0", "4"}, {Day(F, 4), Day(F3)}},
           {{"2", "G"}, {Day(F, 4)}},
           {{"5"}, {Day(F, 4), Day(F3, 0, 2)}},
           {{"E", "F"}, {Day(F, 4), Quarter(F2), Day(F3)}},
           // Three times a day, from slot 2.
           {{"6", "7"}, {Day(F, 4, 2), Day(F3)}},
           {{"9", "J"}, {Day(F, 4, 2)}},
           {{"8"}, {Day(F, 4, 2), Day(F3, 0, 2)}},
           {{"H", "I"}, {Day(F, 4, 2), Quarter(F2), Day(F3)}},
           // Hourly.
           {{"A", "B"}, {Quarter(F, 24), Day(F3)}},
           {{"C"}, {Quarter(F, 24), Day(F3, 0, 2)}},
           {{"K", "L", "N"}, {Quarter(F, 24), Quarter(F2), Day(F3)}},
           {{"M"}, {Quarter(F, 24), Quarter(F2)}},
           {{"D"}, {Quarter(F, 24)}}},
          FinishWind};
}

}  // namespace

std::vector<Section> RainToWindSections() {
  return {Rain(), Weather(), Evaporation(), Snow(), Icing(), Wind()};
}

}  // namespace quillon
