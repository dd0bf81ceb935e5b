#include <iostream>
#include <nlohmann/json.hpp>

#include "afile/afile_reader.h"
#include "afile/month_data.h"
#include "app/cli/commands.h"

namespace quillon::cli {
namespace {

using Json = nlohmann::ordered_json;

// The outcome is also kept in the header, which info shows whole.
bool Read(const std::string& path, MonthData& data) {
  ResetMonthData(data);
  data.Header.FilePath = path;
  return ReadAFile(data).Ok();
}

Json Nullable(const std::optional<std::string>& slot) { return slot ? Json(*slot) : Json(nullptr); }

Json ToJson(const MonthData& data) {
  const AFileHeader& h = data.Header;
  Json j;
  j["file"] = TextOf(h.FilePath);
  j["ReadOk"] = h.ReadOk;
  j["error"] = h.ReadOk ? Json(nullptr) : Json(h.ReadError);
  j["StationId"] = Nullable(h.StationId);
  j["Latitude"] = Nullable(h.Latitude);
  j["Longitude"] = Nullable(h.Longitude);
  j["FieldHeight"] = Nullable(h.FieldHeight);
  j["BarometerHeight"] = Nullable(h.BarometerHeight);
  j["WindSensorHeight"] = Nullable(h.WindSensorHeight);
  j["PlatformHeight"] = Nullable(h.PlatformHeight);
  j["StationKind"] = Nullable(h.StationKind);
  j["TimesPerDay"] = Nullable(h.TimesPerDay);
  j["ObservationType"] = Nullable(h.ObservationType);
  j["Year"] = Nullable(h.Year);
  j["Month"] = Nullable(h.Month);
  j["DaysInMonth"] = h.DaysInMonth ? Json(*h.DaysInMonth) : Json(nullptr);
  Json flags = Json::object();
  for (int slot = AFileHeader::kFirstFlag; slot <= AFileHeader::kLastFlag; ++slot)
    flags[std::to_string(slot)] = Nullable(h.Flag(slot));
  j["ElementFlags"] = flags;
  Json modes = Json::array();
  for (int i = 1; i <= kSectionCount; ++i) modes.push_back(data.SectionModes.At(i));
  j["SectionModes"] = modes;
  return j;
}

// The modes as read, letter and mode text; a failed read shows how far it got.
void PrintModes(const Json& j, std::ostream& out) {
  static constexpr const char* kLetters[] = {"P", "T", "I", "E", "U", "N", "H", "C", "V", "R",
                                             "W", "L", "Z", "G", "F", "D", "K", "A", "S", "B"};
  out << "  SectionModes:";
  int i = 0;
  for (const Json& m : j["SectionModes"])
    out << " " << kLetters[i++] << "[" << m.get<std::string>() << "]";
  out << "\n";
}

void PrintText(const Json& j, std::ostream& out) {
  out << j["file"].get<std::string>() << "\n";
  if (!j["ReadOk"].get<bool>()) {
    out << "  ReadOk: false\n  error: " << j["error"].get<std::string>() << "\n";
    PrintModes(j, out);
    return;
  }
  out << "  ReadOk: true\n";
  for (const char* key : {"StationId", "Latitude", "Longitude", "FieldHeight", "BarometerHeight",
                          "WindSensorHeight", "PlatformHeight", "StationKind", "TimesPerDay",
                          "ObservationType", "Year", "Month", "DaysInMonth"}) {
    const Json& v = j[key];
    out << "  " << key << ": "
        << (v.is_null()     ? "(none)"
            : v.is_string() ? v.get<std::string>()
                            : v.dump())
        << "\n";
  }
  out << "  ElementFlags:";
  for (const auto& [slot, v] : j["ElementFlags"].items())
    out << " " << slot << "=" << (v.is_null() ? "(none)" : v.get<std::string>());
  out << "\n";
  PrintModes(j, out);
}

}  // namespace

int RunInfo(const std::vector<std::string>& files, bool json) {
  MonthData data;
  Json all = Json::array();
  bool allOk = true;
  for (const std::string& file : files) {
    bool ok = Read(file, data);
    Json j = ToJson(data);
    allOk = allOk && ok;
    if (json)
      all.push_back(j);
    else
      PrintText(j, std::cout);
  }
  // A path (or a text of the file) need not be valid UTF-8; JSON must be,
  // so such bytes are written as the replacement character.
  if (json) std::cout << all.dump(2, ' ', false, Json::error_handler_t::replace) << "\n";
  return allOk ? kExitDone : kExitFileFailed;
}

}  // namespace quillon::cli
