// Sections D, K, A, S and B: ground and soil temperatures, deep soil
// temperatures, frozen ground, sunshine and grass temperature.
#include <stdexcept>

#include "afile/format_error.h"
#include "afile/line_readers.h"
#include "afile/sections/section_steps.h"
#include "util/number_text.h"
#include "util/rounding.h"

namespace quillon {
namespace {

constexpr TableMember D = &MonthData::TableD, D2 = &MonthData::TableD2, D3 = &MonthData::TableD3,
                      D4 = &MonthData::TableD4, D5 = &MonthData::TableD5, D6 = &MonthData::TableD6,
                      K = &MonthData::TableK, K2 = &MonthData::TableK2, K3 = &MonthData::TableK3,
                      A = &MonthData::TableA, S = &MonthData::TableS, B = &MonthData::TableB,
                      B2 = &MonthData::TableB2;

// Modes of these two sections that end with "=" are kept as "=" alone.
void ReduceEmptyMode(SectionRead& s) {
  if (EndsWith(s.mode, '=')) s.mode = s.data.SectionModes.At(s.number) = "=";
}

// The surface table holds the timed values and two extremes; the soil
// depths hold only timed values.
void PresetGround(SectionRead& s) {
  ReduceEmptyMode(s);
  bool hourly = s.mode == "B" || (!s.ModeIs({"0", "1", "2", "7", "8", "9"}) && !s.Manual());
  s.Size(s.data.TableD, hourly ? 28 : 6);
  for (ElementTable* t :
       {&s.data.TableD2, &s.data.TableD3, &s.data.TableD4, &s.data.TableD5, &s.data.TableD6})
    s.Size(*t, hourly ? 24 : 4);
}

void FinishGround(SectionRead& s) {
  MonthData& d = s.data;
  // Stations reading from slot 2 have no first observation at 5 and 10 cm:
  // it is taken from the second.
  if (s.ModeIs({"1", "7", "8", "9"}))
    for (ElementTable* t : {&d.TableD2, &d.TableD3})
      for (int day = 1; day <= t->Days(); ++day) t->At(day, 1) = t->At(day, 2);
  int flag = kGroundSurfaceFlag;  // then each depth in turn
  for (const ElementTable* t :
       {&d.TableD, &d.TableD2, &d.TableD3, &d.TableD4, &d.TableD5, &d.TableD6})
    s.FlagAbsentWhenEmpty(flag++, *t);
}

Section Ground() {
  return {
      'D',
      PresetGround,
      {{{"0", "2"}, {Day(D), Day(D2), Day(D3), Day(D4), Day(D5), Day(D6)}},
       {{"1"}, {Day(D, 0, 2), Day(D2, 0, 2), Day(D3, 0, 2), Day(D4, 0, 2), Day(D5, 0, 2)}},
       {{"7"}, {Day(D), Day(D2, 0, 2), Day(D3, 0, 2), Day(D4, 0, 2), Day(D5, 0, 2), Day(D6, 0, 2)}},
       {{"8", "9"},
        {Day(D, 0, 2), Day(D2, 0, 2), Day(D3, 0, 2), Day(D4, 0, 2), Day(D5, 0, 2), Day(D6, 0, 2)}},
       {{"B"},
        {HalfReadings(D), HalfReadings(D2), HalfReadings(D3), HalfReadings(D4), HalfReadings(D5),
         HalfReadings(D6)}}},
      FinishGround};
}

void PresetDeepSoil(SectionRead& s) {
  ReduceEmptyMode(s);
  bool hourly = s.mode == "B" || (!s.ModeIs({"0", "1"}) && !s.Manual());
  for (ElementTable* t : {&s.data.TableK, &s.data.TableK2, &s.data.TableK3})
    t->Resize(s.Days(), 0, hourly ? 24 : 1);
}

// Mode "0": one line of three depths a day; ",", ";" and "." stand for a
// depth not observed.
void ReadDeepSoilDays(SectionRead& s) {
  MonthData& d = s.data;
  ElementTable depths;
  depths.Resize(s.Days(), 1, 3);
  ReadDayLines(s.lines, depths, 0);
  for (int day = 1; day <= s.Days(); ++day) {
    if (depths.At(day, 1) != ",") d.TableK.At(day, 1) = depths.At(day, 1);
    if (depths.At(day, 2) != ";") d.TableK2.At(day, 1) = depths.At(day, 2);
    if (depths.At(day, 3) != ".") d.TableK3.At(day, 1) = depths.At(day, 3);
  }
}

void FinishDeepSoil(SectionRead& s) {
  MonthData& d = s.data;
  if (s.mode == "0") ReadDeepSoilDays(s);
  // Mode "1": the 40 cm line carries the three deep depths after it.
  if (s.mode == "1")
    for (int day = 1; day <= s.Days(); ++day) {
      d.TableK.At(day, 1) = d.TableD6.At(day, 2);
      d.TableK2.At(day, 1) = d.TableD6.At(day, 3);
      d.TableK3.At(day, 1) = d.TableD6.At(day, 4);
    }
  s.FlagAbsentWhenEmpty(42, d.TableK);
  s.FlagAbsentWhenEmpty(43, d.TableK2);
  s.FlagAbsentWhenEmpty(44, d.TableK3);
}

Section DeepSoil() {
  return {'K',
          PresetDeepSoil,
          {{{"0"}, {}},
           {{"1"}, {Day(D6, 4)}},
           {{"B"}, {HalfReadings(K), HalfReadings(K2), HalfReadings(K3)}}},
          FinishDeepSoil};
}

Section FrozenGround() {
  return {'A',
          [](SectionRead& s) { s.Size(s.data.TableA, 4); },
          {{{"0", "6", "8"}, {Day(A)}}, {{"1", "7"}, {Dated(A)}}, {{"="}, {}}},
          [](SectionRead& s) {
            if (s.mode == "=") s.Header().Flag(kFrozenGroundFlag) = "9";
          }};
}

// Mode "B" holds minutes of each hour; they become tenths of an hour.
void MinutesToTenths(SectionRead& s) {
  ElementTable& table = s.data.TableS;
  for (int day = 1; day <= table.Days(); ++day)
    for (int slot = 1; slot <= 24; ++slot) {
      std::string& cell = table.At(day, slot);
      if (!IsNumeric(cell)) continue;
      try {
        cell = std::to_string(RoundHalfAway(LeadingNumber(cell) / 6));
      } catch (const std::range_error&) {
        throw FormatError(s.lines.LineNumber(), "sunshine " + Quoted(cell) + " of day " +
                                                    std::to_string(day) + " is out of range");
      }
    }
}

void FinishSunshine(SectionRead& s) {
  ElementTable& table = s.data.TableS;
  // Mode "0": the only value of a day is its total.
  if (s.mode == "0")
    for (int day = 1; day <= table.Days(); ++day) {
      table.At(day, 27) = table.At(day, 1);
      table.At(day, 1).clear();
    }
  if (s.mode == "B") {
    s.data.SectionModes.At(s.number) = "A";
    MinutesToTenths(s);
  }
}

Section Sunshine() {
  return {'S',
          [](SectionRead& s) { s.Size(s.data.TableS, 27); },
          {{{"0", "2", "B"}, {Day(S)}}, {{"A"}, {{S, Layout::Sunshine}}}},
          FinishSunshine};
}

void PresetGrass(SectionRead& s) {
  s.Size(s.data.TableB, 28);
  s.Size(s.data.TableB2, 1);
}

Section Grass() {
  return {'B', PresetGrass, {{{"A"}, {HalfReadings(B), Day(B2)}}}, [](SectionRead& s) {
            if (s.mode == "A") s.Header().Flag(kGrassFlag) = "0";
          }};
}

}  // namespace

std::vector<Section> GroundToGrassSections() {
  return {Ground(), DeepSoil(), FrozenGround(), Sunshine(), Grass()};
}

}  // namespace quillon
