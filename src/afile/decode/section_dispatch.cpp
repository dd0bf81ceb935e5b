#include "afile/decode/section_dispatch.h"

#include "afile/decode/amounts.h"
#include "afile/decode/clouds.h"
#include "afile/decode/pressure_temperature.h"
#include "afile/decode/weather_text.h"
#include "afile/decode/wind.h"

namespace quillon {

void DecodeSections(MonthData& d) {
  AFileHeader& h = d.Header;
  DecodePressure(h, d.TableP, kStationPressure);
  DecodePressure(h, d.TableP2, kSeaLevelPressure);
  DecodeTemperature(d.TableT);
  DecodeMarkedTemperature(d.TableI);
  DecodeTemperature(d.TableI2);
  DecodePlainGroups(d.TableE);
  DecodeHumidity(d.TableU);
  DecodeCloudAmount(d.TableN);
  DecodeCloudAmount(d.TableN2);
  DecodeCloudHeight(d.TableH);
  DecodeCloudForm(d.TableC);
  DecodePlainGroups(d.TableV);
  DecodePrecipitation(d.TableR);
  DecodePrecipitation(d.TableR2);
  DecodeRainSummary(h, d.TableR4);
  DecodeWeatherText(d.TableW);
  DecodeEvaporation(d.TableL);
  DecodeEvaporation(d.TableL2);
  DecodeSnow(d.TableZ);
  DecodeWireIcing(d.TableG);
  DecodeWind(h, d.TableF, kTwoMinuteWind);
  DecodeWind(h, d.TableF2, kTenMinuteWind);
  DecodeWindExtremes(d.TableF3);
  for (ElementTable* t : {&d.TableD, &d.TableD2, &d.TableD3}) DecodeTemperature(*t);
  std::string timesPerDay = TextOf(h.TimesPerDay);
  for (ElementTable* t : {&d.TableD4, &d.TableD5, &d.TableD6})
    DecodeLowerSoilTemperature(timesPerDay, d.SectionModes.At(kGroundSection), *t);
  for (ElementTable* t : {&d.TableK, &d.TableK2, &d.TableK3}) DecodeTemperature(*t);
  DecodeFrozenGround(d.TableA);
  DecodeSunshine(d.SectionModes, d.TableS);
  DecodeTemperature(d.TableB);
  DecodeSingleSlot(d.TableB2);
}

}  // namespace quillon
