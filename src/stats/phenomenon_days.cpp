#include "stats/phenomenon_days.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "util/fields.h"
#include "util/utf8_text.h"

namespace quillon {
namespace {

// The phenomena whose days the month's summary counts, in its column order.
constexpr std::array<std::string_view, 25> kCounted{
    "60", "70", "89", "76", "42", "10", "01", "02", "56", "48", "38", "19", "16",
    "03", "31", "07", "06", "04", "05", "08", "17", "13", "14", "15", "18"};

// Mixed and shower forms counted as the precipitation they bring: sleet (68)
// is both rain and snow, a shower of rain (80) is rain.
struct Folding {
  std::string_view code;
  std::array<std::string_view, 2> countedAs;  // the second may be empty
};
constexpr std::array<Folding, 9> kFoldings{{{"39", {"70", "38"}},
                                            {"50", {"60", ""}},
                                            {"80", {"60", ""}},
                                            {"68", {"60", "70"}},
                                            {"83", {"60", "70"}},
                                            {"77", {"70", ""}},
                                            {"79", {"70", ""}},
                                            {"85", {"70", ""}},
                                            {"87", {"70", ""}}}};

// On one day the stronger phenomenon stands for the weaker: fog (42) for
// mist (10), a thunderstorm (17) for lightning (13), a sandstorm (31) for
// blowing sand (07).
struct Suppression {
  std::string_view kept, dropped;
};
constexpr std::array<Suppression, 3> kSuppressions{{{"42", "10"}, {"17", "13"}, {"31", "07"}}};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

void AddOnce(std::vector<std::string>& codes, std::string_view code) {
  if (!code.empty() && std::find(codes.begin(), codes.end(), code) == codes.end())
    codes.emplace_back(code);
}

// The codes of a day text "60 0012-0517,(01,)10 0517-0841,.": the two
// characters at its start and after every ",", when they are digits, each
// once and folded into the phenomena counted.
std::vector<std::string> DayCodes(std::string_view dayText) {
  std::string text = RemoveAll(RemoveAll(dayText, '('), ')') + ",";
  std::vector<std::string> codes;
  size_t at = 0;
  while (true) {
    std::string_view code = std::string_view(text).substr(at, 2);
    if (code.size() == 2 && IsDigit(code[0]) && IsDigit(code[1])) {
      auto folding = std::find_if(kFoldings.begin(), kFoldings.end(),
                                  [&](const Folding& f) { return f.code == code; });
      if (folding == kFoldings.end()) {
        AddOnce(codes, code);
      } else {
        for (std::string_view c : folding->countedAs) AddOnce(codes, c);
      }
    }
    size_t comma = text.find(',', at);
    if (comma == std::string::npos) break;
    at = comma + 1;
    if (std::string_view(text).substr(at) == ".") break;
  }
  for (const Suppression& s : kSuppressions)
    if (std::find(codes.begin(), codes.end(), s.kept) != codes.end()) std::erase(codes, s.dropped);
  return codes;
}

}  // namespace

// The first item of a day counts as well as those after each ",": sleet
// alone on a day is a day of rain and of snow.
void PhenomenonDayCounts(int days, const ElementTable& tableW, ElementTable& dailyStats,
                         TextList& phenomenonDays) {
  std::array<int, kCounted.size()> counts{};
  for (int day = 1; day <= days; ++day) {
    const std::string& text = tableW.At(day, 0);
    if (CharLength(text) <= 3) continue;
    std::vector<std::string> codes = DayCodes(text);
    std::string list;
    for (const std::string& code : codes) {
      list += (list.empty() ? "" : " ") + code;
      auto counted = std::find(kCounted.begin(), kCounted.end(), code);
      if (counted != kCounted.end()) ++counts[static_cast<size_t>(counted - kCounted.begin())];
    }
    dailyStats.At(day, 13) = list;
  }
  for (size_t k = 0; k < counts.size(); ++k)
    phenomenonDays.At(static_cast<int>(k) + 1) = counts[k] > 0 ? std::to_string(counts[k]) : "";
}

}  // namespace quillon
