// The station parameters of one A file, from its first line.
#pragma once

#include <array>
#include <optional>
#include <string>

namespace quillon {

// Observed-item flags by the item they mark ("9": the item is absent). The
// slots not named here are copied from the header and read by no one by name.
enum ItemFlag : int {
  kCloudHeightFlag = 21,
  kWindFlag = 27,
  kSmallPanFlag = 30,  // evaporation, small pan
  kLargePanFlag = 31,  // evaporation, large pan
  kSnowDepthFlag = 32,
  kSnowPressureFlag = 33,
  kWireIcingFlag = 34,
  kFrozenGroundFlag = 35,
  kGroundSurfaceFlag = 36,  // then 5, 10, 15, 20 and 40 cm in 37..41
  kDeepGroundFlag = 42,     // 80 cm, then 160 and 320 cm in 43, 44
  kTenMinuteWindFlag = 46,
  kExtremeWindFlag = 47,
  kSeaLevelPressureFlag = 48,
  kGrassFlag = 50,
};

// The 52 numbered slots of the header record. A slot that holds nothing is
// null (std::nullopt), which is not the same as the empty text: a reset
// header is all null, a 66-character header has an empty PlatformHeight.
struct AFileHeader {
  std::optional<std::string> FilePath;          // 1: full path, set by the run
  std::optional<std::string> Year;              // 2: 4 characters as written
  std::optional<std::string> Month;             // 3: 2 characters as written
  std::optional<int> DaysInMonth;               // 4: 28..31
  std::optional<std::string> HeaderLine;        // 5: first line, trimmed
  bool ReadOk = false;                          // 6: whole file read and decoded
  std::optional<std::string> StationId;         // 7: first 5 characters
  std::optional<std::string> Latitude;          // 8: "35.30N"
  std::optional<std::string> Longitude;         // 9: "105.00E", no leading zeros
  std::optional<std::string> FieldHeight;       // 10: "#0.0", "(12.3)" when estimated
  std::optional<std::string> BarometerHeight;   // 11: same form
  std::optional<std::string> WindSensorHeight;  // 12: "#0.0"
  std::optional<std::string> PlatformHeight;    // 14: "#0.0"; empty for 66/69
  std::optional<std::string> StationKind;  // 15: "基准站", "基本站", "一般站", "自动"
  std::optional<std::string> TimesPerDay;  // 16: "24", "4", "3"
  std::optional<std::string> ObservationType;  // 17: "人工", "Ⅰ型", ..., "自动站"
  std::array<std::optional<std::string>, 31> ElementFlags;  // 20..50: one character each
  std::optional<std::string> QualityControl;  // 51: 75: the indicator; null for 66/69 (off)
  std::optional<std::string> CoverLine;       // 52: the line after "YF"; empty otherwise

  // Why the read failed ("line 812: expected section \"F\", found \"D0\""), kept
  // beside ReadOk for the command line; empty while ReadOk is true.
  std::string ReadError;

  static constexpr int kFirstFlag = 20;
  static constexpr int kLastFlag = 50;

  // ElementFlags by slot number 20..50; another number throws std::out_of_range.
  std::optional<std::string>& Flag(int slot);
  const std::optional<std::string>& Flag(int slot) const;
  // The flag's text, the empty text for null.
  std::string FlagText(int slot) const { return Flag(slot).value_or(""); }
};

// The header's text fields with null read as the empty text.
inline std::string TextOf(const std::optional<std::string>& slot) { return slot.value_or(""); }

}  // namespace quillon
