// Sections P, T, I, E, U, N, H, C and V: pressure, temperature, wet bulb and
// dew point, vapour pressure, humidity, cloud amount, height and form, and
// visibility.
#include "afile/sections/section_steps.h"

namespace quillon {
namespace {

constexpr TableMember P = &MonthData::TableP, P2 = &MonthData::TableP2, T = &MonthData::TableT,
                      I = &MonthData::TableI, I2 = &MonthData::TableI2, E = &MonthData::TableE,
                      U = &MonthData::TableU, N = &MonthData::TableN, N2 = &MonthData::TableN2,
                      H = &MonthData::TableH, C = &MonthData::TableC, V = &MonthData::TableV;

// Timed values plus the day's two extremes: hourly stations 24 + 2.
int PressureSlots(const SectionRead& s) { return (s.Manual() ? s.TimesPerDay() : 26) + 2; }

void PresetPressure(SectionRead& s) {
  s.Size(s.data.TableP, PressureSlots(s));
  s.Size(s.data.TableP2, 4);
}

// Sea-level pressure counts as observed only where the mode reads it and it
// holds data.
void FinishPressure(SectionRead& s) {
  if (s.ModeIs({"3", "4", "6", "8", "B", "C", "D"})) s.Header().Flag(kSeaLevelPressureFlag) = "0";
  s.FlagAbsentWhenEmpty(kSeaLevelPressureFlag, s.data.TableP2);
}

Section Pressure() {
  return {'P',
          PresetPressure,
          {{{"0"}, {Day(P, 6)}},
           {{"2"}, {Day(P, 4)}},
           {{"3"}, {Day(P, 6), Day(P2)}},
           {{"4"}, {Day(P, 4), Day(P2)}},
           {{"6"}, {Day(P, 6, 2), Day(P2, 0, 2)}},
           {{"7"}, {Day(P, 6, 2)}},
           {{"8"}, {Day(P, 4, 2), Day(P2, 0, 2)}},
           {{"9"}, {Day(P, 4, 2)}},
           {{"A"}, {Half(P, 26)}},
           {{"B"}, {Half(P, 26), Day(P2)}},
           {{"C"}, {Half(P, 28), Day(P2)}},
           {{"D"}, {Half(P, 28), Half(P2, 24)}}},
          FinishPressure};
}

Section Temperature() {
  return {'T',
          [](SectionRead& s) { s.Size(s.data.TableT, PressureSlots(s)); },
          {{{"0"}, {Day(T, 6)}},
           {{"9"}, {Day(T, 6, 2)}},
           {{"A"}, {HalfReadings(T, 26)}},
           {{"B"}, {HalfReadings(T, 28)}}}};
}

Section WetBulbAndDewPoint() {
  return {'I',
          [](SectionRead& s) {
            s.Size(s.data.TableI, s.DataSlots());
            s.Size(s.data.TableI2, s.DataSlots());
          },
          {{{"0"}, {Day(I, 4)}},
           {{"2"}, {Day(I, 4), Day(I2)}},
           {{"7"}, {Day(I, 4, 2), Day(I2)}},
           {{"8"}, {Day(I, 4, 2), Day(I2, 0, 2)}},
           {{"9"}, {Day(I, 4, 2)}},
           {{"A"}, {Half(I, 24), SizeOnly(I2, 24)}},
           {{"B"}, {Half(I, 24), HalfReadings(I2, 24)}}}};
}

Section VapourPressure() {
  return {'E',
          [](SectionRead& s) { s.Size(s.data.TableE, s.DataSlots()); },
          {{{"0"}, {Day(E, 4)}}, {{"9"}, {Day(E, 4, 2)}}, {{"A"}, {HalfReadings(E, 24)}}}};
}

Section Humidity() {
  return {'U',
          // Timed values plus the day's minimum.
          [](SectionRead& s) { s.Size(s.data.TableU, (s.Manual() ? s.TimesPerDay() : 25) + 1); },
          {{{"0"}, {Day(U, 5)}},
           {{"2"}, {Day(U, 4)}},
           {{"7"}, {Day(U, 5, 2)}},
           {{"9"}, {Day(U, 4, 2)}},
           {{"A"}, {Half(U, 25)}},
           {{"B"}, {Half(U, 26)}}}};
}

Section CloudAmount() {
  return {'N',
          [](SectionRead& s) {
            s.Size(s.data.TableN, s.TimesPerDay());
            s.Size(s.data.TableN2, s.TimesPerDay());
          },
          {{{"0"}, {Day(N, 4), Day(N2, 4)}},
           {{"9"}, {Day(N, 4, 2), Day(N2, 4, 2)}},
           {{"A"}, {Day(N, 24), Day(N2, 24)}}}};
}

void FinishCloudHeight(SectionRead& s) {
  if (s.mode != "=") return;
  s.Header().Flag(kCloudHeightFlag) = "9";
  // A reference station's cloud heights keep their hourly shape when absent.
  if (s.Header().StationKind == "基准站") s.Size(s.data.TableH, 24);
}

Section CloudHeight() {
  return {'H',
          [](SectionRead& s) { s.Size(s.data.TableH, 4); },
          {{{"0"}, {Day(H, 4, 1, ',')}},
           {{"9"}, {Day(H, 4, 2, ',')}},
           {{"1"}, {{H, Layout::Timed, 4}}},
           {{"B"}, {Quarter(H, 24, ',')}},
           {{"="}, {}}},
          FinishCloudHeight};
}

Section CloudForm() {
  return {
      'C',
      [](SectionRead& s) { s.Size(s.data.TableC, s.TimesPerDay()); },
      {{{"0"}, {Day(C, 4, 1, ',')}}, {{"9"}, {Day(C, 4, 2, ',')}}, {{"A"}, {Quarter(C, 24, ',')}}}};
}

Section Visibility() {
  return {'V',
          [](SectionRead& s) { s.Size(s.data.TableV, s.TimesPerDay()); },
          {{{"0", "8"}, {Day(V, 4)}},
           {{"7", "9"}, {Day(V, 4, 2)}},
           {{"A"}, {HalfReadings(V, 24)}},
           {{"B"}, {HalfReadings(V, 26)}}}};
}

}  // namespace

std::vector<Section> PressureToVisibilitySections() {
  return {Pressure(),    Temperature(), WetBulbAndDewPoint(), VapourPressure(), Humidity(),
          CloudAmount(), CloudHeight(), CloudForm(),          Visibility()};
}

}  // namespace quillon
