// Decoders of the numeric, time-sliced elements: pressures, temperatures,
// humidity, vapour pressure, visibility and the one-slot grass table.
#pragma once

#include <string_view>

#include "afile/afile_header.h"
#include "afile/element_table.h"

namespace quillon {

// The two pressure tables: station pressure (TableP) and sea-level pressure
// (TableP2).
enum PressureTable { kStationPressure, kSeaLevelPressure };

// "1" before hectopascal groups below 3000, "////" to "-".
void DecodePressure(const AFileHeader& header, ElementTable& table, PressureTable which);
// TableT, TableI2, TableD..TableD3, TableK..TableK3, TableB.
void DecodeTemperature(ElementTable& table);
// TableD4..TableD6; dMode is the D section mode.
void DecodeLowerSoilTemperature(std::string_view timesPerDay, std::string_view dMode,
                                ElementTable& table);
// TableI: "," marks a value that becomes "-nB".
void DecodeMarkedTemperature(ElementTable& table);
// TableE, TableV.
void DecodePlainGroups(ElementTable& table);
// TableU: "%%" is 100 %.
void DecodeHumidity(ElementTable& table);
// TableB2.
void DecodeSingleSlot(ElementTable& table);

}  // namespace quillon
